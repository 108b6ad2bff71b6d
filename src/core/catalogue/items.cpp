#include "catalogue/items.h"

namespace quarvex {

namespace {

// clang-format off
constexpr OverviewItem Items[]{
    {"Cholesterol Level Interpretation", GeneralResults},
    {"Total Cholesterol-to-HDL Cholesterol Ratio", CholHDL},
    {"LDL Cholesterol-to-HDL Cholesterol Ratio", LDLHDL},
    {"Adult Treatment Panel III Classification", Adult3},
    {"Amylase Clearance to Creatinine Clearance", AmylaseClearance},
    {"Creatinine Clearance Estimated (GFR)", CreatinineClearanceEstimated},
    {"Fractional Potassium Excretion", FractionalPotassiumExcretion},
    {"Renal Calcium Clearance to Creatinine Clearance", RenalCalciumClearance},
    {"Renal Failure Index (RFI)", RFI},
    {"Fractional Sodium Excretion", FractionalSodiumExcretion},
    {"Phosphorus Clearance Estimated", PhosphorusClearanceEstimated},
    {"Uric Acid-to-Creatinine Ratio", UrateCreatinineRatio},
    {"Urinary Potassium Excretion Rate", UrinaryPotassiumExcretion},
    {"Urea Nitrogen and Creatinine Ratios", UreaCreatinineRatios},
    {"Urine Protein to Urine Creatinine Ratio", UrineProteinCreatinineRatio},
    {"AST-to-ALT (SGOT-to-SGPT) Ratio", ASTALT},
    {"Serum Albumin-to-Globulin Ratio", AlbuminGlobulin},
    {"Serum Direct -to- Total Bilirubin Ratio", Bilirubin},
    {"Serum Ferritin and Estimate of Iron Stores", FerritinStores},
    {"Serum Transferrin Saturation", TransferrinSat},
    {"Total Iron Binding Capacity (TIBC)", TIBCCalculated},
    {"Transferrin", TransferrinCalculated},
};
// clang-format on

} // namespace

std::span<const OverviewItem> overviewItems()
{
    return Items;
}

} // namespace quarvex
