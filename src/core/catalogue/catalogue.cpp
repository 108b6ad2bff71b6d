#include "catalogue/catalogue.h"

#include <QCoreApplication>

#include <algorithm>

namespace quarvex {

namespace {

using A = AnalyteId;
using I = ItemId;

// HideResult: the item writes no Result. ShowMoreInfoButton: a renal item with an
// interpretation, which the renal screen shows only through "More Info".
enum Extra { NoExtra, HideResult, ShowMoreInfoButton };

// The renal and liver entries: Proceed enables the groups of the analytes
// the item reads (filled in from its descriptor below).
ScreenSettings enablesInputs(Extra extra = NoExtra)
{
    return {{}, {}, extra == HideResult, extra == ShowMoreInfoButton, true};
}

ScreenSettings disables(std::vector<ControlsOf> controls, Extra extra = NoExtra)
{
    return {{}, std::move(controls), extra == HideResult, extra == ShowMoreInfoButton, false};
}

const std::vector<CatalogueCategory>& categoryTable()
{
    static const std::vector<CatalogueCategory> table{
        {QT_TRANSLATE_NOOP("quarvex::Catalogue", "Cholesterol and Coronary Heart Disease"),
         ScreenId::Heart},
        {QT_TRANSLATE_NOOP("quarvex::Catalogue", "Liver Functions"), ScreenId::Liver},
        {QT_TRANSLATE_NOOP("quarvex::Catalogue", "Renal & Urinary System"), ScreenId::Kidney},
    };
    return table;
}

// Category, position, selector name, explanation, screen title, item,
// what Proceed does to the screen.
const std::vector<TestItem>& itemTable()
{
    // clang-format off
    static const std::vector<TestItem> table = [] {
        std::vector<TestItem> entries{
        {0, 0, QT_TRANSLATE_NOOP("quarvex::Catalogue", "Cholesterol Level Interpretation"),
         QT_TRANSLATE_NOOP("quarvex::Catalogue", "Total cholesterol, LDL cholesterol, and HDL cholesterol levels are correlated with risk of coronary artery disease. Patients with ischemic heart disease can reduce their risk by changes in the serum levels of these lipids."),
         QT_TRANSLATE_NOOP("quarvex::Catalogue", "Cholesterol Level Interpretation"), I::CholesterolLevels,
         disables({}, HideResult)},
        {0, 1, QT_TRANSLATE_NOOP("quarvex::Catalogue", "Total Cholesterol-to-HDL Cholesterol Ratio"),
         QT_TRANSLATE_NOOP("quarvex::Catalogue", "The total cholesterol-to-HDL cholesterol ratio can be used to assess the risk of coronary artery disease as compared to that of 'Average Americans'."),
         QT_TRANSLATE_NOOP("quarvex::Catalogue", "Total Cholesterol-to-HDL Cholesterol Ratio"), I::CholesterolHdlRatio,
         disables({{A::LDL, GroupControls}})},
        {0, 2, QT_TRANSLATE_NOOP("quarvex::Catalogue", "LDL Cholesterol-to-HDL Cholesterol Ratio"),
         QT_TRANSLATE_NOOP("quarvex::Catalogue", "The ratio of LDL cholesterol to HDL cholesterol can be used to assess a risk for coronary vascular disease."),
         QT_TRANSLATE_NOOP("quarvex::Catalogue", "LDL Cholesterol-to-HDL Cholesterol Ratio"), I::LdlHdlRatio,
         disables({{A::Gender, ValueControl}, {A::Chol, ValueControl | UnitControl}})},
        {0, 3, QT_TRANSLATE_NOOP("quarvex::Catalogue", "NCEP Adult Treatment Panel III Classification of Serum Lipids"),
         QT_TRANSLATE_NOOP("quarvex::Catalogue", "The Adult Treatment Panel III (ATP III) of the National Cholesterol Eduction Program (NCEP) revised the interpretation of serum lipid values and provided goals for LDL cholesterol based on the number of risk factors for coronary heart disease (CHD)."),
         QT_TRANSLATE_NOOP("quarvex::Catalogue", "Adult Treatment Panel III Classification"), I::Adult3,
         disables({{A::Gender, ValueControl}}, HideResult)},
        {0, 4, QT_TRANSLATE_NOOP("quarvex::Catalogue", "Non-HDL Cholesterol"),
         QT_TRANSLATE_NOOP("quarvex::Catalogue", "Non-HDL cholesterol is total cholesterol less HDL cholesterol: the cholesterol of every lipoprotein but HDL. It complements the LDL classes, needs no triglycerides, and is classed by the National Lipid Association (2014) from below 130 mg/dL (desirable) to 220 mg/dL or more (very high)."),
         QT_TRANSLATE_NOOP("quarvex::Catalogue", "Non-HDL Cholesterol"), I::NonHdlCholesterol,
         disables({{A::Gender, ValueControl}, {A::LDL, GroupControls}})},
        {0, 5, QT_TRANSLATE_NOOP("quarvex::Catalogue", "LDL Cholesterol (Friedewald)"),
         QT_TRANSLATE_NOOP("quarvex::Catalogue", "Calculates LDL cholesterol from total cholesterol, HDL cholesterol and triglycerides as most laboratories do, by the estimate of Friedewald, Levy and Fredrickson (1972): TC - HDL - TG/5 in mg/dL, not valid above 400 mg/dL of triglycerides. Classed by ATP III; the Worked Steps compare it with Sampson's equation, and the overview's with a typed LDL."),
         QT_TRANSLATE_NOOP("quarvex::Catalogue", "LDL Cholesterol (Friedewald)"), I::LdlFriedewald,
         disables({{A::Gender, ValueControl}, {A::LDL, GroupControls}})},
        {0, 6, QT_TRANSLATE_NOOP("quarvex::Catalogue", "LDL Cholesterol (Sampson)"),
         QT_TRANSLATE_NOOP("quarvex::Catalogue", "Calculates LDL cholesterol by the equation of Sampson and colleagues (2020), which replaces Friedewald's estimate where triglycerides are high: it holds up to 800 mg/dL of triglycerides. Classed by ATP III; the Worked Steps compare it with Friedewald's estimate, and the overview's with a typed LDL."),
         QT_TRANSLATE_NOOP("quarvex::Catalogue", "LDL Cholesterol (Sampson)"), I::LdlSampson,
         disables({{A::Gender, ValueControl}, {A::LDL, GroupControls}})},
        {1, 0, QT_TRANSLATE_NOOP("quarvex::Catalogue", "AST-to-ALT (SGOT-to-SGPT) Ratio"),
         QT_TRANSLATE_NOOP("quarvex::Catalogue", "The ratio of the aminotransferases correlates with the etiology of liver disease."),
         QT_TRANSLATE_NOOP("quarvex::Catalogue", "AST-to-ALT (SGOT-to-SGPT) Ratio"), I::AstAltRatio,
         enablesInputs()},
        {1, 1, QT_TRANSLATE_NOOP("quarvex::Catalogue", "Serum Albumin-to-Globulin Ratio"),
         QT_TRANSLATE_NOOP("quarvex::Catalogue", "The ratio of albumin to globulin can help identify disorders of serum proteins."),
         QT_TRANSLATE_NOOP("quarvex::Catalogue", "Serum Albumin-to-Globulin Ratio"), I::AlbuminGlobulinRatio,
         enablesInputs()},
        {1, 2, QT_TRANSLATE_NOOP("quarvex::Catalogue", "Serum Direct -to- Total Bilirubin Ratio"),
         QT_TRANSLATE_NOOP("quarvex::Catalogue", "The ratio of direct to total serum bilirubin can help in predicting the cause of jaundice. The total serum bilirubin must exceed 2.5 mg/dl to produce clinical jaundice."),
         QT_TRANSLATE_NOOP("quarvex::Catalogue", "Serum Direct -to- Total Bilirubin Ratio"), I::BilirubinRatio,
         enablesInputs()},
        {1, 3, QT_TRANSLATE_NOOP("quarvex::Catalogue", "Serum Ferritin and Estimate of Body Iron Stores"),
         QT_TRANSLATE_NOOP("quarvex::Catalogue", "Ferritin consists of a protein shell (apoferritin) surrounding variable amounts of iron complexed as ferric hydroxide-phosphate. Ferritin present in the serum contains approximately 20-25% iron. Serum ferritin concentrations in normal individuals and iron deficient patients correlate well with total body iron stores."),
         QT_TRANSLATE_NOOP("quarvex::Catalogue", "Serum Ferritin and Estimate of Iron Stores"), I::FerritinStores,
         enablesInputs(HideResult)},
        {1, 4, QT_TRANSLATE_NOOP("quarvex::Catalogue", "Serum Transferrin Saturation"),
         QT_TRANSLATE_NOOP("quarvex::Catalogue", "Serum transferrin is a transport protein for serum iron. The degree of its saturation by iron varies with different disorders involving iron."),
         QT_TRANSLATE_NOOP("quarvex::Catalogue", "Serum Transferrin Saturation"), I::TransferrinSaturation,
         enablesInputs()},
        {1, 5, QT_TRANSLATE_NOOP("quarvex::Catalogue", "Total Iron Binding Capacity (TIBC) Calculated"),
         QT_TRANSLATE_NOOP("quarvex::Catalogue", "Calculates the Total Iron Binding Capacity (TIBC) from serum transferrin."),
         QT_TRANSLATE_NOOP("quarvex::Catalogue", "Total Iron Binding Capacity (TIBC)"), I::TibcCalculated,
         enablesInputs()},
        {1, 6, QT_TRANSLATE_NOOP("quarvex::Catalogue", "Transferrin Calculated"),
         QT_TRANSLATE_NOOP("quarvex::Catalogue", "Serum transferrin is a transport protein for serum iron."),
         QT_TRANSLATE_NOOP("quarvex::Catalogue", "Transferrin"), I::TransferrinCalculated,
         enablesInputs()},
        {2, 0, QT_TRANSLATE_NOOP("quarvex::Catalogue", "Amylase Clearance to Creatinine Clearance"),
         QT_TRANSLATE_NOOP("quarvex::Catalogue", "The amylase-creatinine clearance may be calculated if random simultaneously collected serum and urine samples are analyzed for both creatinine and amylase. May be used to diagnose acute pancreatitis as well as the effect of burns, diabetic ketoacidosis, acute defects in renal tubular function, severe renal insufficiency, dudodenal perforation, and pancreatic cancer."),
         QT_TRANSLATE_NOOP("quarvex::Catalogue", "Amylase Clearance to Creatinine Clearance"), I::AmylaseClearance,
         enablesInputs(ShowMoreInfoButton)},
        {2, 1, QT_TRANSLATE_NOOP("quarvex::Catalogue", "Creatinine Clearance Estimated"),
         QT_TRANSLATE_NOOP("quarvex::Catalogue", "Estimation of creatinine clearance based on age, body weight, and serum creatinine levels. Uses the method of Cockcroft and Gault (1976)."),
         QT_TRANSLATE_NOOP("quarvex::Catalogue", "Creatinine Clearance Estimated"), I::CreatinineClearance,
         enablesInputs(ShowMoreInfoButton)},
        {2, 2, QT_TRANSLATE_NOOP("quarvex::Catalogue", "Fractional Potassium Excretion"),
         QT_TRANSLATE_NOOP("quarvex::Catalogue", "The fractional excretion of potassium normalizes urinary potassium excretion rate for the glomerular filtration rate."),
         QT_TRANSLATE_NOOP("quarvex::Catalogue", "Fractional Potassium Excretion"), I::FractionalPotassiumExcretion,
         enablesInputs()},
        {2, 3, QT_TRANSLATE_NOOP("quarvex::Catalogue", "Fractional Sodium Excretion"),
         QT_TRANSLATE_NOOP("quarvex::Catalogue", "The fractional sodium excretion is an index of renal ability to conserve sodium and represents the percent of filtered sodium to reach the urine."),
         QT_TRANSLATE_NOOP("quarvex::Catalogue", "Fractional Sodium Excretion"), I::FractionalSodiumExcretion,
         enablesInputs()},
        {2, 4, QT_TRANSLATE_NOOP("quarvex::Catalogue", "Glomerular Filtration Rate (GFR)"),
         QT_TRANSLATE_NOOP("quarvex::Catalogue", "The glomerular filtration rate (GFR) reflects the amount of plasma filtered each minute. A decrease in GFR reflects deterioration of renal function."),
         QT_TRANSLATE_NOOP("quarvex::Catalogue", "Glomerular Filtration Rate (GFR)"), I::CreatinineClearance,
         enablesInputs(ShowMoreInfoButton)},
        {2, 5, QT_TRANSLATE_NOOP("quarvex::Catalogue", "Phosphorus Clearance Estimated"),
         QT_TRANSLATE_NOOP("quarvex::Catalogue", "The renal phosphorus clearance is analogous to the creatinine clearance except that serum and urine phosphorus levels are used in place of the corresponding creatinine values."),
         QT_TRANSLATE_NOOP("quarvex::Catalogue", "Phosphorus Clearance Estimated"), I::PhosphorusClearance,
         enablesInputs()},
        {2, 6, QT_TRANSLATE_NOOP("quarvex::Catalogue", "Renal Calcium Clearance to Creatinine Clearance"),
         QT_TRANSLATE_NOOP("quarvex::Catalogue", "The ratio of renal calcium clearance to creatinine clearance can be useful in diagnosing some patients with hypercalcemia."),
         QT_TRANSLATE_NOOP("quarvex::Catalogue", "Renal Calcium to Creatinine Clearance"), I::RenalCalciumClearance,
         enablesInputs()},
        {2, 7, QT_TRANSLATE_NOOP("quarvex::Catalogue", "Renal Failure Index (RFI)"),
         QT_TRANSLATE_NOOP("quarvex::Catalogue", "The renal failure index measures sodium conservation and concentrating ability. It is chiefly of use in oliguric patients for the early differentiation of prerenal azotemia from acute tubular necrosis."),
         QT_TRANSLATE_NOOP("quarvex::Catalogue", "Renal Failure Index (RFI)"), I::RenalFailureIndex,
         enablesInputs()},
        {2, 8, QT_TRANSLATE_NOOP("quarvex::Catalogue", "Urea Nitrogen and Creatinine Ratios"),
         QT_TRANSLATE_NOOP("quarvex::Catalogue", "A group of three tests for determining renal function. Includes a serum BUN to Serum Creatinine Ratio, Urine Creatinine to Serum Creatinine Ratio, and Urine Urea Nitrogen to Serum Urea Nitrogen Ratio."),
         QT_TRANSLATE_NOOP("quarvex::Catalogue", "Urea Nitrogen and Creatinine Ratios"), I::UreaCreatinineRatios,
         enablesInputs(ShowMoreInfoButton)},
        {2, 9, QT_TRANSLATE_NOOP("quarvex::Catalogue", "Uric Acid-to-Creatinine Ratio"),
         QT_TRANSLATE_NOOP("quarvex::Catalogue", "The ratio of uric acid to creatinine can help distinguish patients with acute renal failure due to hyperuricemia from patients with renal failure due to other causes."),
         QT_TRANSLATE_NOOP("quarvex::Catalogue", "Uric Acid-to-Creatinine Ratio"), I::UrateCreatinineRatio,
         enablesInputs(ShowMoreInfoButton)},
        {2, 10, QT_TRANSLATE_NOOP("quarvex::Catalogue", "Urinary Potassium Excretion Rate"),
         QT_TRANSLATE_NOOP("quarvex::Catalogue", "Measurement of the urinary potassium excretion rate in a timed specimen can be used to distinguish renal from nonrenal cause of hypokalemia."),
         QT_TRANSLATE_NOOP("quarvex::Catalogue", "Urinary Potassium Excretion Rate"), I::UrinaryPotassiumExcretion,
         enablesInputs(ShowMoreInfoButton)},
        {2, 11, QT_TRANSLATE_NOOP("quarvex::Catalogue", "Urine Protein to Urine Creatinine Ratio"),
         QT_TRANSLATE_NOOP("quarvex::Catalogue", "The ratio of urine protein to urine creatinine ratio reliably detects significant proteinuria and is useful in assessing patients with proteinuria."),
         QT_TRANSLATE_NOOP("quarvex::Catalogue", "Urine Protein to Urine Creatinine Ratio"), I::UrineProteinCreatinineRatio,
         enablesInputs(ShowMoreInfoButton)},
        {2, 12, QT_TRANSLATE_NOOP("quarvex::Catalogue", "eGFR (CKD-EPI 2021)"),
         QT_TRANSLATE_NOOP("quarvex::Catalogue", "Estimates the glomerular filtration rate, normalised to 1.73 m2 of body surface, from age, gender and serum creatinine by the race-free CKD-EPI equation of Inker and colleagues (2021), the eGFR that laboratories report today, and gives its KDIGO 2012 category G1 to G5. It stands beside the Cockcroft and Gault creatinine clearance (1976), which is in mL/min and still used for drug dosing. For adults."),
         QT_TRANSLATE_NOOP("quarvex::Catalogue", "eGFR (CKD-EPI 2021)"), I::EgfrCkdEpi,
         enablesInputs(ShowMoreInfoButton)},
        {2, 13, QT_TRANSLATE_NOOP("quarvex::Catalogue", "Proteinuria Category (KDIGO)"),
         QT_TRANSLATE_NOOP("quarvex::Catalogue", "Gives the urine protein to creatinine ratio in mg/g and its KDIGO 2012 category: A1 below 150, A2 150 to 500, A3 above 500 mg/g. It complements the ratio in mg/mg, whose older bands KDIGO does not use."),
         QT_TRANSLATE_NOOP("quarvex::Catalogue", "Proteinuria Category (KDIGO)"), I::ProteinuriaCategory,
         enablesInputs(ShowMoreInfoButton)},
        {2, 14, QT_TRANSLATE_NOOP("quarvex::Catalogue", "Fractional Urea Excretion"),
         QT_TRANSLATE_NOOP("quarvex::Catalogue", "The fractional urea excretion is the percent of filtered urea that reaches the urine. Like the fractional sodium excretion it separates prerenal from intrinsic acute kidney injury, and it keeps its meaning in patients on diuretics (Carvounis and colleagues, 2002): 35 % or less suggests a prerenal cause."),
         QT_TRANSLATE_NOOP("quarvex::Catalogue", "Fractional Urea Excretion"), I::FractionalUreaExcretion,
         enablesInputs(ShowMoreInfoButton)},
        };
        for (TestItem& entry : entries) {
            const std::span<const AnalyteId> inputs = entry.descriptor().checks();
            if (entry.settings.enablesItemInputs) {
                entry.settings.enabledGroups.assign(inputs.begin(), inputs.end());
            } else if (std::find(inputs.begin(), inputs.end(), A::Triglycerides) == inputs.end()) {
                // The lipid screen starts with every group on: triglycerides
                // take input only for an item that reads them.
                entry.settings.disabledControls.push_back({A::Triglycerides, GroupControls});
            }
        }
        return entries;
    }();
    // clang-format on
    return table;
}

} // namespace

QString CatalogueCategory::shownText() const
{
    return QCoreApplication::translate(CatalogueContext, text);
}

QString TestItem::shownName() const
{
    return QCoreApplication::translate(CatalogueContext, selectorName);
}

QString TestItem::shownExplanation() const
{
    return QCoreApplication::translate(CatalogueContext, explanation);
}

QString TestItem::shownScreenTitle() const
{
    return QCoreApplication::translate(CatalogueContext, screenTitle);
}

std::span<const CatalogueCategory> categories()
{
    return categoryTable();
}

std::span<const TestItem> catalogue()
{
    return itemTable();
}

std::span<const TestItem> categoryItems(int category)
{
    const std::vector<TestItem>& items = itemTable();
    auto first = items.begin();
    while (first != items.end() && first->category != category)
        ++first;
    auto last = first;
    while (last != items.end() && last->category == category)
        ++last;
    return {first, last};
}

const TestItem* catalogueItem(int category, int position)
{
    const std::span<const TestItem> items = categoryItems(category);
    if (position < 0 || position >= int(items.size()))
        return nullptr;
    return &items[size_t(position)];
}

std::span<const TestItem> screenItems(ScreenId screen)
{
    for (const CatalogueCategory& category : categories()) {
        if (category.screen == screen)
            return categoryItems(int(&category - categories().data()));
    }
    return {};
}

} // namespace quarvex
