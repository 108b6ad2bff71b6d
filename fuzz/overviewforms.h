#pragma once

// What each overview row may look like, written down apart from the
// calculations: the form of its result text and every interpretation its item
// can give. The overview fuzz target holds every computed row against it.

#include <QLocale>
#include <QString>

#include <initializer_list>

namespace quarvex::fuzz {

enum class ResultForm {
    Fixed2,    // "###0.00" in the locale, then the row's suffix
    Fixed1,    // "###0.0" in the locale, then the row's suffix
    Whole,     // "###0", then the row's suffix
    Plain,     // a plain decimal number in the locale (ATP III)
    ClassWord, // one of the row's words; the interpretation is prefix + word
    Empty,     // no result text (ferritin)
};

struct RowForm {
    const char* name;
    ResultForm form;
    const char* suffix; // Fixed2: after the number; ClassWord: the interpretation's prefix
    std::initializer_list<const char*> texts; // ClassWord: the words; else the interpretations
};

// clang-format off
inline const RowForm RowForms[] = {
    {"Total Cholesterol", ResultForm::ClassWord, "Total Cholesterol: ",
     {"desirable", "borderline high", "high"}},
    {"HDL Cholesterol", ResultForm::ClassWord, "HDL Cholesterol: ",
     {"1.9 times average", "1.6 times average", "1.3 times average", "average",
      "0.8 times average", "0.6 times average", "0.5 times average", "2 times average",
      "1.8 times average", "1.5 times average", "1.2 times average", "0.7",
      "0.6 times average", "longevity"}},
    {"LDL Cholesterol", ResultForm::ClassWord, "LDL Cholesterol: ",
     {"desirable", "borderline high", "high"}},
    {"Total Cholesterol-to-HDL Cholesterol Ratio", ResultForm::Fixed2, "",
     {"The risk of coronary artery disease is less than 50% than that of the 'average American'.",
      "The risk of coronary artery disease is 50% than that of  the 'average American'.",
      "The risk of coronary artery disease is on par with the 'average American'.",
      "The risk of coronary artery disease is that of the 'average American'.",
      "The risk of coronary artery disease is twice that of the 'average American'.",
      "The risk of coronary artery disease is 3 times that of the 'average American'."}},
    {"LDL to HDL ratio", ResultForm::Fixed2, "",
     {"Risk of cardiovascular disease: very low", "Risk of cardiovascular disease: low",
      "Risk of cardiovascular disease: moderate", "Risk of cardiovascular disease: high"}},
    {"ATP3: Total Cholesterol", ResultForm::Plain, "",
     {"Total Cholesterol: desirable", "Total Cholesterol: borderline high",
      "Total Cholesterol: high"}},
    {"ATP3 :HDL Cholesterol", ResultForm::Plain, "",
     {"HDL Cholesterol: low", "HDL Cholesterol: intermediate", "HDL Cholesterol: high"}},
    {"ATP3: LDL Cholesterol", ResultForm::Plain, "",
     {"LDL Cholesterol: optimal", "LDL Cholesterol: near or above optimal",
      "LDL Cholesterol: borderline high", "LDL Cholesterol: high", "LDL Cholesterol: very high"}},
    {"Amylase Clearance", ResultForm::Fixed2, " %",
     {"The result indicates macroamylasemia (polymerization of amylase to amylase or to "
      "immunoglobulins.",
      "Amylase Clearance -to- Creatinine Clearance appear normal.",
      "The result indicates acute pancreatitis but may also occur in burns, diabetic "
      "ketoacidosis, acute defects in renal tubular function, severe renal insufficiency, "
      "dudodenal perforation, and pancreatic cancer. "}},
    {"Creatinine Clearance (GFR)", ResultForm::Fixed2, " mL/min",
     {"Based on GFR, renal function is normal.", "",
      "Based on GFR, renal function is slightly impaired.",
      "Based on GFR, renal function is mildly impaired.",
      "Based on GFR, renal function is moderately impaired.",
      "Based on GFR, renal function is severely impaired."}},
    {"Fractional Potassium Excretion", ResultForm::Fixed2, " ", {""}},
    {"Renal Calcium Clearance", ResultForm::Fixed2, " ", {""}},
    {"Renal Failure Index", ResultForm::Fixed2, " mEq/L", {""}},
    {"Fractional Sodium Excretion", ResultForm::Fixed2, " % FE-Na", {""}},
    {"Phosphorus Clearance", ResultForm::Fixed2, " mL/min", {""}},
    {"Urate to Creatinine Ratio", ResultForm::Fixed2, "",
     {"Ratios above 1.0 are seen in most patients with acute renal failure due to hyperuricemia.",
      "Ratios below 1.0 are seen in patients with acute renal failure due to other causes."}},
    {"Urinary Potassium Excretion", ResultForm::Fixed2, " mEq/24 ",
     {"An excretion rate more than 20 mEq/24 hours implies potassium 'wastage'."}},
    {"Urea to Creatinine Ratio", ResultForm::Fixed2, "",
     {"The BUN-creatinine ratio is low, perhaps due to renal dialysis, acute tubular necrosis, "
      "low protein diet or starvation, syndrome of inappropriate ADH secretion, pregnancy, severe "
      "liver disease, inherited hyperammonemia.",
      "",
      "The BUN-creatinine ratio is elevated, perhaps due to prerenal azotemia, postrenal "
      "azotemia, catabolic state with reduced muscle mass, drug (tetracycline glucocorticoid) "
      "effects, impaired renal function with urine reabsorption for example with "
      "ureterocolostomy, impaired renal function with excess protein intake/production or with "
      "excess tissue breakdown as may occur with GI bleeding thyrotoxicosis infection Cushing's "
      "syndrome surgery burns cachexia high fever or high protein diet.",
      "The BUN-creatinine ratio suggests upper GI bleeding."}},
    {"Creatinine to Creatinine Ratio", ResultForm::Fixed2, "",
     {"The elevated creatinine ratio is perhaps due to prerenal azotemia, acute "
      "glomerulonephritis, or hepatorenal syndrome.",
      "The low creatinine ratio is perhaps due to acute tubular necrosis (acute oliguric renal "
      "failure), acute obstructive renal failure, or acute nonoliguric renal failure.",
      ""}},
    {"Urea to Urea Ratio", ResultForm::Fixed2, "",
     {"The elevated urea ratio is perhaps due to prerenal azotemia, acute obstructive renal "
      "failure, or acute glomerulonephritis.",
      "The low urea ratio is due to acute tubular necrosis (acute oliguric renal failure).",
      ""}},
    {"Urine Protein to Creatinine Ratio", ResultForm::Fixed2, "",
     {"Ratio is that of a healthy person.", "Ratio indicates trace proteinuria.",
      "Ratio indicates low grade proteinuria.", "Ratio indicates moderate proteinuria",
      "Ratio indicates nephrotic syndrome."}},
    {"AST to ALT ratio", ResultForm::Fixed2, " ",
     {"The AST to ALT ratio indicates acute viral hepatitis.",
      "The AST to ALT ratio indicates extrahepatic cholestasis.",
      "The AST to ALT ratio is normal.",
      "The AST to ALT ratio is slightly increased and indicates chronic hepatitis.",
      // One text over two lines. NOLINTNEXTLINE(bugprone-suspicious-missing-comma)
      "The AST to ALT ratio indicates alcoholic hepatitis, cirrhosis, intrahepatic cholestasis, "
      "or hepatocellular carcinoma.",
      "The AST to ALT ratio indicates drug hepatotoxicity.",
      "The AST to ALT ratio indicates acute MI."}},
    {"Albumin to Globulin ratio", ResultForm::Fixed2, " ",
     {"The Albumin to Globumin ratio is low and found in states with low albumin (protein "
      "wastage malnutrition decreased production) or high globulins (polyclonal or monoclonal "
      "gammopathies) or both.Disorders with low ratios include cirrhosis and other liver "
      "diseases, chronic glomerulonephritis, nephrotic syndrome, myeloma macroglobulinemia, "
      "sarcoidosis and other granulomatous diseases, collagen vascular diseases, severe "
      "infections, inflammatory states, cachexia, burns, or ulcerative colitis.",
      "The Albumin to Globumin ratio is high but often clinically insignificant except in "
      "hypogammaglobulinemia."}},
    {"Bilirubin to Bilirubin ratio", ResultForm::Fixed2, " % ",
     {"The ratio of direct to total serum bilirubin indicates constitutional hyperbilirubinemia "
      "(Gilbert's Crigler-Najjar etc.).",
      "The ratio of direct to total serum bilirubin indicates hepatocellular disease more likely "
      "than extrahepatic obstruction.",
      "may be either hepatocellular disease or extrahepatic obstruction.",
      "extrahepatic obstruction more likely than hepatocellular disease."}},
    {"Ferritin Stores", ResultForm::Empty, "",
     {"Serum ferritin level is high and in an adult represents iron overload.",
      "Serum ferritin level is low and usually indicative of iron deficiency anemia.",
      "Serum ferritin level appears normal."}},
    {"Transferrin Saturation", ResultForm::Fixed2, " % ",
     {"Serum Transferrin Saturation is increased and may be due to hemochromatosis, "
      "hemosiderosis, or thalassemia.",
      "Serum Transferrin Saturation is decreased and may be due to iron deficiency anemia or "
      "anemia of chronic disease.",
      "Serum Transferrin Saturation is normal."}},
    {"Total Iron Binding Capacity", ResultForm::Fixed2, " ug/dL ",
     {"Total Iron Binding Capacity is increased and may be due to iron deficiency anemia, acute "
      "and chronic blood loss, acute liver damage, or late pregnancy.",
      "Total Iron Binding Capacity is decreased and may be due hemochromatosis, cirrhosis, "
      "thalassemia, anemia of chronic disease, or nephrosis.",
      "Total Iron Binding Capacity is normal."}},
    {"Transferrin Calculated", ResultForm::Fixed2, " mg/dL ",
     {"Calculated transferrin is increased and may be due to iron deficiency anemia, pregnancy, "
      "or estrogen therapy.",
      "Calculated transferrin is decreased and may be due to chronic inflammation, "
      "malnutrition, liver disease, nephrotic syndrome, or iron overload.",
      "Calculated transferrin is normal."}},
    {"eGFR (CKD-EPI 2021)", ResultForm::Whole, " mL/min/1.73 m\u00b2",
     {"KDIGO category G1: normal or high.", "KDIGO category G2: mildly decreased.",
      "KDIGO category G3a: mildly to moderately decreased.",
      "KDIGO category G3b: moderately to severely decreased.",
      "KDIGO category G4: severely decreased.", "KDIGO category G5: kidney failure."}},
    {"Proteinuria Category (KDIGO)", ResultForm::Whole, " mg/g",
     {"KDIGO category A1: normal to mildly increased proteinuria.",
      "KDIGO category A2: moderately increased proteinuria.",
      "KDIGO category A3: severely increased proteinuria."}},
    {"Fractional Urea Excretion", ResultForm::Fixed1, " %",
     {"A fractional urea excretion of 35 % or less suggests a prerenal cause of acute kidney "
      "injury.",
      "A fractional urea excretion between 35 % and 50 % does not separate prerenal from "
      "intrinsic causes.",
      "A fractional urea excretion of 50 % or more suggests acute tubular necrosis."}},
    {"Non-HDL Cholesterol", ResultForm::Whole, " mg/dL",
     {"Non-HDL cholesterol: desirable", "Non-HDL cholesterol: above desirable",
      "Non-HDL cholesterol: borderline high", "Non-HDL cholesterol: high",
      "Non-HDL cholesterol: very high"}},
    {"LDL Cholesterol (Friedewald)", ResultForm::Whole, " mg/dL",
     {"LDL Cholesterol: optimal", "LDL Cholesterol: near or above optimal",
      "LDL Cholesterol: borderline high", "LDL Cholesterol: high", "LDL Cholesterol: very high"}},
    {"LDL Cholesterol (Sampson)", ResultForm::Whole, " mg/dL",
     {"LDL Cholesterol: optimal", "LDL Cholesterol: near or above optimal",
      "LDL Cholesterol: borderline high", "LDL Cholesterol: high", "LDL Cholesterol: very high"}},
};
// clang-format on

inline const RowForm* rowForm(const QString& name)
{
    for (const RowForm& row : RowForms) {
        if (name == QLatin1String(row.name))
            return &row;
    }
    return nullptr;
}

inline bool isDigits(QStringView text)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

// "###0.00": an optional minus, at least one digit, the locale's decimal
// separator and exactly two digits.
inline bool isFixed2(QStringView text, const QLocale& locale)
{
    if (text.startsWith(u'-'))
        text = text.mid(1);
    const QString point = locale.decimalPoint();
    const qsizetype at = text.size() - 2 - point.size();
    return at >= 1 && text.mid(at, point.size()) == point && isDigits(text.left(at)) &&
           isDigits(text.right(2));
}

// "###0.0": an optional minus, digits, the separator and one digit; "###0"
// (no decimals): digits alone. Whole and one-decimal rows need a positive
// value or show a finding, so never a minus here.
inline bool isFixed(QStringView text, int decimals, const QLocale& locale)
{
    if (decimals == 0)
        return isDigits(text);
    const QString point = locale.decimalPoint();
    const qsizetype at = text.size() - decimals - point.size();
    return at >= 1 && text.mid(at, point.size()) == point && isDigits(text.left(at)) &&
           isDigits(text.right(decimals));
}

// A plain decimal number: digits, perhaps the locale's decimal separator and
// more digits, perhaps an exponent.
inline bool isPlain(QStringView text, const QLocale& locale)
{
    if (text.startsWith(u'-'))
        text = text.mid(1);
    const qsizetype e = text.indexOf(u'e', 0, Qt::CaseInsensitive);
    if (e >= 0) {
        QStringView exponent = text.mid(e + 1);
        if (exponent.startsWith(u'+') || exponent.startsWith(u'-'))
            exponent = exponent.mid(1);
        if (!isDigits(exponent))
            return false;
        text = text.left(e);
    }
    const qsizetype point = text.indexOf(locale.decimalPoint());
    if (point < 0)
        return isDigits(text);
    return isDigits(text.left(point)) && isDigits(text.mid(point + locale.decimalPoint().size()));
}

inline bool contains(std::initializer_list<const char*> texts, const QString& text)
{
    for (const char* t : texts) {
        if (text == QString::fromUtf8(t))
            return true;
    }
    return false;
}

// Whether a computed row has its row's form and one of its item's interpretations.
inline bool rowHasItsForm(const QString& name, const QString& result, const QString& interpretation,
                          const QLocale& locale)
{
    const RowForm* row = rowForm(name);
    if (!row)
        return false;
    const QString suffix = QString::fromUtf8(row->suffix);
    switch (row->form) {
    case ResultForm::Fixed2:
        return result.endsWith(suffix) &&
               isFixed2(QStringView(result).chopped(suffix.size()), locale) &&
               contains(row->texts, interpretation);
    case ResultForm::Fixed1:
    case ResultForm::Whole:
        return result.endsWith(suffix) &&
               isFixed(QStringView(result).chopped(suffix.size()),
                       row->form == ResultForm::Fixed1 ? 1 : 0, locale) &&
               contains(row->texts, interpretation);
    case ResultForm::Plain:
        return isPlain(result, locale) && contains(row->texts, interpretation);
    case ResultForm::ClassWord:
        return contains(row->texts, result) && interpretation == suffix + result;
    case ResultForm::Empty:
        return result.isEmpty() && contains(row->texts, interpretation);
    }
    return false;
}

} // namespace quarvex::fuzz
