"""An independent reference for the Comprehensive Overview's rows.

Written from the rules of the test items alone (it shares no code with the
program): the checks, the unit conversions, the formulas, the "###0.00"
format (half away from zero on the value's 15-significant-digit decimal
form), the bands (a value within a relative 1e-9 of a bound counts as equal
to it) and every text. overview_rows(fields) returns the rows the overview
gives for a dict of data entry fields (name -> text as typed), English locale.
"""

from decimal import Decimal, ROUND_HALF_UP
import math

CR = "\r"

# name, unit choices with their conversion (multiply, divide), or None (no list)
UNITS = {
    "Weight": {"kg": (1, 1), "lbs": (1, 2.2)},
    "SerumCreatinine": {"mg/dL": (1, 1), "umol/L": (1, 88.4)},
    "UrineCreatinine": {"mg/dL": (1, 1), "mmol/L": (1000, 88.4)},
    "SerumCalcium": {"mg/dL": (1, 1), "mmol/L": (1, 0.25)},
    "UrineCalcium": {"mg/dL": (1, 1), "mmol/L": (1, 0.25)},
    "SerumPhosphorus": {"mg/dL": (1, 1), "mmol/L": (1, 0.323)},
    "UrinePhosphorus": {"mg/dL": (1, 1), "mmol/L": (1, 0.323)},
    "SerumUrea": {"mg/dL": (1, 1), "mmol/L": (1, 0.357)},
    "UrineUrea": {"mg/dL": (1, 1), "mmol/L": (1, 0.357)},
    "SerumUrate": {"mg/dL": (1, 1), "umol/L": (1, 59.48)},
    "UrineUrate": {"mg/dL": (1, 1), "mmol/L": (1000, 59.48)},
    "Chol": {"mg/dL": (1, 1), "mmol/L": (1, 0.0259)},
    "HDL": {"mg/dL": (1, 1), "mmol/L": (1, 0.0259)},
    "LDL": {"mg/dL": (1, 1), "mmol/L": (1, 0.0259)},
    "Triglycerides": {"mg/dL": (1, 1), "mmol/L": (88.57, 1)},
    "BilirubinDirect": {"mg/dL": (1, 1), "umol/L": (1, 17.1)},
    "BilirubinTotal": {"mg/dL": (1, 1), "umol/L": (1, 17.1)},
    "Albumin": {"g/dL": (1, 1), "g/L": (1, 10)},
    "Globulin": {"g/dL": (1, 1), "g/L": (1, 10)},
    "Iron": {"ug/dL": (1, 1), "umol/L": (1, 0.179)},
    "TIBC": {"ug/dL": (1, 1), "umol/L": (1, 0.179)},
    "Ferritin": {"ng/ml": (1, 1), "ug/L": (1, 1), "pmol/L": (1, 2.247)},
    "Transferrin": {"mg/dL": (1, 1), "g/L": (100, 1)},
}
FIXED = ["Age", "SerumSodium", "UrineSodium", "SerumPotassium", "UrinePotassium",
         "SerumAmylase", "UrineAmylase", "UrineProtein", "UrineVolume", "AST", "ALT"]
ALL_VALUES = FIXED + list(UNITS) + ["Gender"]


def number(text):
    """The value as the program reads it in an English locale, or None."""
    t = text.strip()
    if not t or "," in t:
        return None
    try:
        v = float(t)
    except ValueError:
        return None
    if math.isnan(v) or math.isinf(v) or t.lower().lstrip("+-") in ("inf", "infinity", "nan"):
        return None
    return v


def round_half_even(v):
    return float(Decimal(repr(v)).quantize(Decimal(1), rounding="ROUND_HALF_EVEN"))


def passes(name, fields):
    text = fields.get(name, "")
    if name == "Gender":
        return text in ("Male", "Female")
    if text == "":
        return False
    v = number(text)
    if v is None:
        return False
    r = round_half_even(v)
    if r < -32768 or r > 32767:
        return False
    if not v >= 1e-300:  # zero, negative, or too small to be a measurement
        return False
    if name in UNITS:
        return fields.get("Unit" + name, "") in UNITS[name]
    return True


def value(name, fields):
    v = number(fields[name])
    if name in UNITS:
        mul, div = UNITS[name].get(fields.get("Unit" + name, ""), (1, 1))
        if mul != 1:
            v = v * mul
        if div != 1:
            v = v / div
    return v


def fmt(v):
    if math.isnan(v):
        return "not a number"
    if math.isinf(v):
        return "infinity" if v > 0 else "-infinity"
    d = Decimal("%.15g" % v).quantize(Decimal("0.01"), rounding=ROUND_HALF_UP)
    s = format(d, "f")
    if s.startswith("-") and d == 0:
        s = s[1:]
    return s


def fmt_places(v, places):
    """"###0" (places 0) or "###0.0" (places 1), rounded as fmt rounds."""
    d = Decimal("%.15g" % v).quantize(Decimal(1).scaleb(-places), rounding=ROUND_HALF_UP)
    s = format(d, "f")
    if s.startswith("-") and d == 0:
        s = s[1:]
    return s


def plain(v):
    s = "%.15g" % v
    if "e" in s:
        mant, exp = s.split("e")
        exp = int(exp)
        if -7 < exp < 21:
            s = format(Decimal(s), "f")
            if "." in s:
                s = s.rstrip("0").rstrip(".")
    return s


def eq(a, b):
    return a == b or abs(a - b) <= 1e-9 * abs(b)


def lt(a, b):
    return a < b and not eq(a, b)


def le(a, b):
    return a < b or eq(a, b)


def gt(a, b):
    return a > b and not eq(a, b)


def ge(a, b):
    return a > b or eq(a, b)


# --- the items -------------------------------------------------------------

def general_results(f):
    chol, hdl, ldl, g = value("Chol", f), value("HDL", f), value("LDL", f), f["Gender"]
    cb = "desirable" if lt(chol, 200) else ("borderline high" if lt(chol, 240) else "high")
    if g == "Female":
        table = [(45, "1.9 times average"), (50, "1.6 times average"), (55, "1.3 times average"),
                 (60, "average"), (65, "0.8 times average"), (70, "0.6 times average"),
                 (75, "0.5 times average")]
        top = "longevity"
    elif g == "Male":
        table = [(25, "2 times average"), (35, "1.8 times average"), (40, "1.5 times average"),
                 (45, "1.2 times average"), (50, "average"), (55, "0.8 times average"),
                 (60, "0.7"), (65, "0.6 times average"), (70, "0.5 times average")]
        top = "longevity"
    else:
        table, top = [], ""
    risk = top
    for bound, t in table:
        if le(hdl, bound):
            risk = t
            break
    lb = "desirable" if lt(ldl, 130) else ("borderline high" if lt(ldl, 160) else "high")
    return [("Total Cholesterol", cb, "Total Cholesterol: " + cb),
            ("HDL Cholesterol", risk, "HDL Cholesterol: " + risk),
            ("LDL Cholesterol", lb, "LDL Cholesterol: " + lb)]


def chol_hdl(f):
    r = value("Chol", f) / value("HDL", f)
    g = f["Gender"]
    if g == "Female":
        bounds = [3.3, 4.3, 6.9, 10.9]
        third = "on par with"
    elif g == "Male":
        bounds = [3.4, 4.9, 9.5, 23.3]
        third = "that of"
    else:
        bounds = None
    phrase = ""
    if bounds:
        phrases = ["less than 50% than that of", "50% than that of ", third, "twice that of"]
        phrase = "3 times that of"
        for b, p in zip(bounds, phrases):
            if le(r, b):
                phrase = p
                break
    return [("Total Cholesterol-to-HDL Cholesterol Ratio", fmt(r),
             "The risk of coronary artery disease is " + phrase + " the 'average American'.")]


def ldl_hdl(f):
    r = value("LDL", f) / value("HDL", f)
    w = "very low" if lt(r, 0.5) else "low" if lt(r, 3) else "moderate" if le(r, 6) else "high"
    return [("LDL to HDL ratio", fmt(r), "Risk of cardiovascular disease: " + w)]


def adult3(f):
    chol, hdl, ldl = value("Chol", f), value("HDL", f), value("LDL", f)
    cc = "desirable" if lt(chol, 200) else ("borderline high" if lt(chol, 240) else "high")
    hc = "low" if lt(hdl, 40) else ("intermediate" if le(hdl, 60) else "high")
    if lt(ldl, 100):
        lc = "optimal"
    elif lt(ldl, 130):
        lc = "near or above optimal"
    elif lt(ldl, 160):
        lc = "borderline high"
    elif lt(ldl, 190):
        lc = "high"
    else:
        lc = "very high"
    return [("ATP3: Total Cholesterol", plain(chol), "Total Cholesterol: " + cc),
            ("ATP3 :HDL Cholesterol", plain(hdl), "HDL Cholesterol: " + hc),
            ("ATP3: LDL Cholesterol", plain(ldl), "LDL Cholesterol: " + lc)]


def amylase(f):
    x = ((value("SerumCreatinine", f) / value("UrineCreatinine", f))
         * (value("UrineAmylase", f) / value("SerumAmylase", f))) * 100
    if lt(x, 1):
        t = ("The result indicates macroamylasemia (polymerization of amylase to amylase or to "
             "immunoglobulins.")
    elif le(x, 5):
        t = "Amylase Clearance -to- Creatinine Clearance appear normal."
    else:
        t = ("The result indicates acute pancreatitis but may also occur in burns, diabetic "
             "ketoacidosis, acute defects in renal tubular function, severe renal insufficiency, "
             "dudodenal perforation, and pancreatic cancer. ")
    return [("Amylase Clearance", fmt(x) + " %", t)]


def creatinine_clearance(f):
    k = 72 if f["Gender"] == "Male" else 85
    x = ((140 - value("Age", f)) * value("Weight", f)) / (value("SerumCreatinine", f) * k)
    if gt(x, 80):
        t = "Based on GFR, renal function is normal."
    elif ge(x, 62.5):
        t = ""
    elif ge(x, 52):
        t = "Based on GFR, renal function is slightly impaired."
    elif ge(x, 42):
        t = "Based on GFR, renal function is mildly impaired."
    elif ge(x, 28):
        t = "Based on GFR, renal function is moderately impaired."
    else:
        t = "Based on GFR, renal function is severely impaired."
    return [("Creatinine Clearance (GFR)", fmt(x) + " mL/min", t)]


def fractional_k(f):
    x = (value("UrinePotassium", f) / value("SerumPotassium", f)) / (
        value("UrineCreatinine", f) / value("SerumCreatinine", f))
    return [("Fractional Potassium Excretion", fmt(x) + " ", "")]


def calcium_clearance(f):
    x = (value("UrineCalcium", f) / value("SerumCalcium", f)) / (
        value("UrineCreatinine", f) / value("SerumCreatinine", f))
    return [("Renal Calcium Clearance", fmt(x) + " ", "")]


def rfi(f):
    x = value("UrineSodium", f) / (value("UrineCreatinine", f) / value("SerumCreatinine", f))
    return [("Renal Failure Index", fmt(x) + " mEq/L", "")]


def fractional_na(f):
    x = ((value("UrineSodium", f) / value("SerumSodium", f)) / (
        value("UrineCreatinine", f) / value("SerumCreatinine", f))) * 100
    return [("Fractional Sodium Excretion", fmt(x) + " % FE-Na", "")]


def phosphorus_clearance(f):
    x = (value("UrinePhosphorus", f) * value("UrineVolume", f)) / (
        value("SerumPhosphorus", f) * 1440)
    return [("Phosphorus Clearance", fmt(x) + " mL/min", "")]


def urate(f):
    r = value("UrineUrate", f) / value("UrineCreatinine", f)
    if gt(r, 1.0):
        t = "Ratios above 1.0 are seen in most patients with acute renal failure due to hyperuricemia."
    else:
        t = "Ratios below 1.0 are seen in patients with acute renal failure due to other causes."
    return [("Urate to Creatinine Ratio", fmt(r), t)]


def potassium_excretion(f):
    x = value("UrinePotassium", f) * value("UrineVolume", f) / 1000
    return [("Urinary Potassium Excretion", fmt(x) + " mEq/24 ",
             "An excretion rate more than 20 mEq/24 hours implies potassium 'wastage'.")]


def urea_ratios(f):
    scr, ucr = value("SerumCreatinine", f), value("UrineCreatinine", f)
    su, uu = value("SerumUrea", f), value("UrineUrea", f)
    r1, r2, r3 = su / scr, ucr / scr, uu / su
    if lt(r1, 10):
        i1 = ("The BUN-creatinine ratio is low, perhaps due to renal dialysis, acute tubular "
              "necrosis, low protein diet or starvation, syndrome of inappropriate ADH secretion, "
              "pregnancy, severe liver disease, inherited hyperammonemia.")
    elif le(r1, 20):
        i1 = ""
    elif le(r1, 36):
        i1 = ("The BUN-creatinine ratio is elevated, perhaps due to prerenal azotemia, postrenal "
              "azotemia, catabolic state with reduced muscle mass, drug (tetracycline "
              "glucocorticoid) effects, impaired renal function with urine reabsorption for "
              "example with ureterocolostomy, impaired renal function with excess protein "
              "intake/production or with excess tissue breakdown as may occur with GI bleeding "
              "thyrotoxicosis infection Cushing's syndrome surgery burns cachexia high fever or "
              "high protein diet.")
    else:
        i1 = "The BUN-creatinine ratio suggests upper GI bleeding."
    if gt(r2, 40):
        i2 = ("The elevated creatinine ratio is perhaps due to prerenal azotemia, acute "
              "glomerulonephritis, or hepatorenal syndrome.")
    elif lt(r2, 20):
        i2 = ("The low creatinine ratio is perhaps due to acute tubular necrosis (acute oliguric "
              "renal failure), acute obstructive renal failure, or acute nonoliguric renal failure.")
    else:
        i2 = ""
    if gt(r3, 8):
        i3 = ("The elevated urea ratio is perhaps due to prerenal azotemia, acute obstructive "
              "renal failure, or acute glomerulonephritis.")
    elif lt(r3, 3):
        i3 = "The low urea ratio is due to acute tubular necrosis (acute oliguric renal failure)."
    else:
        i3 = ""
    return [("Urea to Creatinine Ratio", fmt(r1), i1),
            ("Creatinine to Creatinine Ratio", fmt(r2), i2),
            ("Urea to Urea Ratio", fmt(r3), i3)]


def protein_ratio(f):
    r = value("UrineProtein", f) * 100 / value("UrineCreatinine", f)
    if lt(r, 0.1):
        t = "Ratio is that of a healthy person."
    elif lt(r, 0.2):
        t = "Ratio indicates trace proteinuria."
    elif lt(r, 1.0):
        t = "Ratio indicates low grade proteinuria."
    elif lt(r, 3.5):
        t = "Ratio indicates moderate proteinuria"
    else:
        t = "Ratio indicates nephrotic syndrome."
    return [("Urine Protein to Creatinine Ratio", fmt(r), t)]


def ast_alt(f):
    r = value("AST", f) / value("ALT", f)
    p = "The AST to ALT ratio "
    if le(r, 0.65):
        t = p + "indicates acute viral hepatitis."
    elif lt(r, 0.8):
        t = p + "indicates extrahepatic cholestasis."
    elif lt(r, 1.3):
        t = p + "is normal."
    elif le(r, 1.5):
        t = p + "is slightly increased and indicates chronic hepatitis."
    elif le(r, 2):
        t = p + ("indicates alcoholic hepatitis, cirrhosis, intrahepatic cholestasis, or "
                 "hepatocellular carcinoma.")
    elif le(r, 3):
        t = p + "indicates drug hepatotoxicity."
    else:
        t = p + "indicates acute MI."
    return [("AST to ALT ratio", fmt(r) + " ", t)]


def albumin_globulin(f):
    r = value("Albumin", f) / value("Globulin", f)
    if lt(r, 1.0):
        t = ("The Albumin to Globumin ratio is low and found in states with low albumin (protein "
             "wastage malnutrition decreased production) or high globulins (polyclonal or "
             "monoclonal gammopathies) or both."
             "Disorders with low ratios include cirrhosis and other liver diseases, chronic "
             "glomerulonephritis, nephrotic syndrome, myeloma macroglobulinemia, sarcoidosis and "
             "other granulomatous diseases, "
             "collagen vascular diseases, severe infections, inflammatory states, cachexia, burns, "
             "or ulcerative colitis.")
    else:
        t = ("The Albumin to Globumin ratio is high but often clinically insignificant except in "
             "hypogammaglobulinemia.")
    return [("Albumin to Globulin ratio", fmt(r) + " ", t)]


def bilirubin(f):
    p = value("BilirubinDirect", f) / value("BilirubinTotal", f) * 100
    if lt(p, 20):
        t = ("The ratio of direct to total serum bilirubin indicates constitutional "
             "hyperbilirubinemia (Gilbert's Crigler-Najjar etc.).")
    elif lt(p, 40):
        t = ("The ratio of direct to total serum bilirubin indicates hepatocellular disease more "
             "likely than extrahepatic obstruction.")
    elif lt(p, 60):
        t = "may be either hepatocellular disease or extrahepatic obstruction."
    else:
        t = "extrahepatic obstruction more likely than hepatocellular disease."
    return [("Bilirubin to Bilirubin ratio", fmt(p) + " % ", t)]


def ferritin(f):
    x = value("Ferritin", f)
    if gt(x, 220):
        t = "Serum ferritin level is high and in an adult represents iron overload."
    elif lt(x, 10):
        t = "Serum ferritin level is low and usually indicative of iron deficiency anemia."
    else:
        t = "Serum ferritin level appears normal."
    return [("Ferritin Stores", "", t)]


def saturation(f):
    s = value("Iron", f) / value("TIBC", f) * 100
    if gt(s, 55):
        t = ("Serum Transferrin Saturation is increased and may be due to hemochromatosis, "
             "hemosiderosis, or thalassemia.")
    elif lt(s, 16):
        t = ("Serum Transferrin Saturation is decreased and may be due to iron deficiency anemia "
             "or anemia of chronic disease.")
    else:
        t = "Serum Transferrin Saturation is normal."
    return [("Transferrin Saturation", fmt(s) + " % ", t)]


def tibc(f):
    x = value("Transferrin", f) * 1.43
    if gt(x, 450):
        t = ("Total Iron Binding Capacity is increased and may be due to iron deficiency anemia, "
             "acute and chronic blood loss, acute liver damage, or late pregnancy.")
    elif lt(x, 250):
        t = ("Total Iron Binding Capacity is decreased and may be due hemochromatosis, cirrhosis, "
             "thalassemia, anemia of chronic disease, or nephrosis.")
    else:
        t = "Total Iron Binding Capacity is normal."
    return [("Total Iron Binding Capacity", fmt(x) + " ug/dL ", t)]


def transferrin(f):
    x = value("TIBC", f) * 0.7
    if gt(x, 360):
        t = ("Calculated transferrin is increased and may be due to iron deficiency anemia, "
             "pregnancy, or estrogen therapy.")
    elif lt(x, 200):
        t = ("Calculated transferrin is decreased and may be due to chronic inflammation, "
             "malnutrition, liver disease, nephrotic syndrome, or iron overload.")
    else:
        t = "Calculated transferrin is normal."
    return [("Transferrin Calculated", fmt(x) + " mg/dL ", t)]


# The six current items: each result is a whole number or one decimal, and its
# band is chosen from that shown number read back.

def egfr(f):
    female = f["Gender"] == "Female"
    scr, age = value("SerumCreatinine", f), value("Age", f)
    kappa, alpha = (0.7, -0.241) if female else (0.9, -0.302)
    x = (142 * min(scr / kappa, 1) ** alpha * max(scr / kappa, 1) ** -1.2 * 0.9938 ** age
         * (1.012 if female else 1))
    shown = fmt_places(x, 0)
    v = float(shown)
    categories = [(15, "G5: kidney failure."), (30, "G4: severely decreased."),
                  (45, "G3b: moderately to severely decreased."),
                  (60, "G3a: mildly to moderately decreased."), (90, "G2: mildly decreased.")]
    t = "G1: normal or high."
    for bound, text in categories:
        if lt(v, bound):
            t = text
            break
    return [("eGFR (CKD-EPI 2021)", shown + " mL/min/1.73 m\u00b2", "KDIGO category " + t)]


def proteinuria(f):
    # In mg/mmol with KDIGO's mg/mmol table when urine creatinine is typed in
    # mmol/L (protein in mg/L over creatinine as typed), else in mg/g.
    if f.get("UnitUrineCreatinine") == "mmol/L":
        x = value("UrineProtein", f) * 1000 / number(f["UrineCreatinine"])
        unit, a2, a3 = " mg/mmol", 15, 50
    else:
        x = value("UrineProtein", f) * 100 / value("UrineCreatinine", f) * 1000
        unit, a2, a3 = " mg/g", 150, 500
    shown = fmt_places(x, 0)
    v = float(shown)
    if lt(v, a2):
        t = "A1: normal to mildly increased proteinuria."
    elif le(v, a3):
        t = "A2: moderately increased proteinuria."
    else:
        t = "A3: severely increased proteinuria."
    return [("Proteinuria Category (KDIGO)", shown + unit, "KDIGO category " + t)]


def fractional_urea(f):
    x = (value("UrineUrea", f) * value("SerumCreatinine", f)) / (
        value("SerumUrea", f) * value("UrineCreatinine", f)) * 100
    shown = fmt_places(x, 1)
    v = float(shown)
    if le(v, 35):
        t = ("A fractional urea excretion of 35 % or less suggests a prerenal cause of acute "
             "kidney injury.")
    elif lt(v, 50):
        t = ("A fractional urea excretion between 35 % and 50 % does not separate prerenal from "
             "intrinsic causes.")
    else:
        t = "A fractional urea excretion of 50 % or more suggests acute tubular necrosis."
    return [("Fractional Urea Excretion", shown + " %", t)]


def non_hdl_value(f):
    return value("Chol", f) - value("HDL", f)


def non_hdl(f):
    shown = fmt_places(non_hdl_value(f), 0)
    v = float(shown)
    bounds = [(130, "desirable"), (160, "above desirable"), (190, "borderline high"),
              (220, "high")]
    t = "very high"
    for bound, text in bounds:
        if lt(v, bound):
            t = text
            break
    return [("Non-HDL Cholesterol", shown + " mg/dL", "Non-HDL cholesterol: " + t)]


def friedewald_value(f):
    return value("Chol", f) - value("HDL", f) - value("Triglycerides", f) / 5


def sampson_value(f):
    tc, hdl, tg = value("Chol", f), value("HDL", f), value("Triglycerides", f)
    return tc / 0.948 - hdl / 0.971 - (tg / 8.56 + tg * (tc - hdl) / 2140 - tg ** 2 / 16100) - 9.44


def ldl_class_row(name, x):
    shown = fmt_places(x, 0)
    v = float(shown)
    if lt(v, 100):
        c = "optimal"
    elif lt(v, 130):
        c = "near or above optimal"
    elif lt(v, 160):
        c = "borderline high"
    elif lt(v, 190):
        c = "high"
    else:
        c = "very high"
    return [(name, shown + " mg/dL", "LDL Cholesterol: " + c)]


def positive_shown(x):
    """A difference that shows zero or less has no result."""
    return float(fmt_places(x, 0)) > 0


ITEMS = [
    (["Gender", "Chol", "HDL", "LDL"], general_results),
    (["Gender", "Chol", "HDL"], chol_hdl),
    (["HDL", "LDL"], ldl_hdl),
    (["Chol", "HDL", "LDL"], adult3),
    (["SerumAmylase", "UrineAmylase", "SerumCreatinine", "UrineCreatinine"], amylase),
    (["Age", "Weight", "Gender", "SerumCreatinine"], creatinine_clearance,
     lambda f: value("Age", f) < 140),
    (["SerumCreatinine", "UrineCreatinine", "SerumPotassium", "UrinePotassium"], fractional_k),
    (["SerumCreatinine", "UrineCreatinine", "SerumCalcium", "UrineCalcium"], calcium_clearance),
    (["SerumCreatinine", "UrineCreatinine", "UrineSodium"], rfi),
    (["SerumCreatinine", "UrineCreatinine", "SerumSodium", "UrineSodium"], fractional_na),
    (["SerumPhosphorus", "UrinePhosphorus", "UrineVolume"], phosphorus_clearance),
    (["UrineCreatinine", "UrineUrate"], urate),
    (["UrineVolume", "UrinePotassium"], potassium_excretion),
    (["SerumCreatinine", "UrineCreatinine", "SerumUrea", "UrineUrea"], urea_ratios),
    (["UrineCreatinine", "UrineProtein"], protein_ratio),
    (["AST", "ALT"], ast_alt),
    (["Albumin", "Globulin"], albumin_globulin),
    (["BilirubinDirect", "BilirubinTotal"], bilirubin),
    (["Ferritin"], ferritin),
    (["Iron", "TIBC"], saturation),
    (["Transferrin"], tibc),
    (["TIBC"], transferrin),
    (["Age", "Gender", "SerumCreatinine"], egfr,
     lambda f: 18 <= value("Age", f) < 140),
    (["UrineCreatinine", "UrineProtein"], proteinuria),
    (["SerumUrea", "UrineUrea", "SerumCreatinine", "UrineCreatinine"], fractional_urea),
    (["Chol", "HDL"], non_hdl, lambda f: positive_shown(non_hdl_value(f))),
    (["Chol", "HDL", "Triglycerides"],
     lambda f: ldl_class_row("LDL Cholesterol (Friedewald)", friedewald_value(f)),
     lambda f: le(value("Triglycerides", f), 400) and positive_shown(friedewald_value(f))),
    (["Chol", "HDL", "Triglycerides"],
     lambda f: ldl_class_row("LDL Cholesterol (Sampson)", sampson_value(f)),
     lambda f: le(value("Triglycerides", f), 800) and positive_shown(sampson_value(f))),
]


def overview_rows(fields):
    rows = []
    for checks, calc, *within in ITEMS:
        if all(passes(name, fields) for name in checks) and all(w(fields) for w in within):
            rows.extend(calc(fields))
    return rows
