#include "overview/items.h"

namespace quarvex {

namespace {

using A = AnalyteId;

const std::vector<OverviewItem>& table() {
    // clang-format off
    static const std::vector<OverviewItem> items{
        {"Cholesterol Level Interpretation", {A::Gender, A::Chol, A::HDL, A::LDL}, GeneralResults},
        {"Total Cholesterol-to-HDL Cholesterol Ratio", {A::Gender, A::Chol, A::HDL}, CholHDL},
        {"LDL Cholesterol-to-HDL Cholesterol Ratio", {A::HDL, A::LDL}, LDLHDL},
        {"Adult Treatment Panel III Classification", {A::Chol, A::HDL, A::LDL}, Adult3},
        {"Amylase Clearance to Creatinine Clearance", {A::SerumAmylase, A::UrineAmylase, A::SerumCreatinine, A::UrineCreatinine}, AmylaseClearance},
        {"Creatinine Clearance Estimated (GFR)", {A::Age, A::Weight, A::Gender, A::SerumCreatinine}, CreatinineClearanceEstimated},
        {"Fractional Potassium Excretion", {A::SerumCreatinine, A::UrineCreatinine, A::SerumPotassium, A::UrinePotassium}, FractionalPotassiumExcretion},
        {"Renal Calcium Clearance to Creatinine Clearance", {A::SerumCreatinine, A::UrineCreatinine, A::SerumCalcium, A::UrineCalcium}, RenalCalciumClearance},
        {"Renal Failure Index (RFI)", {A::SerumCreatinine, A::UrineCreatinine, A::UrineSodium}, RFI},
        {"Fractional Sodium Excretion", {A::SerumCreatinine, A::UrineCreatinine, A::SerumSodium, A::UrineSodium}, FractionalSodiumExcretion},
        {"Phosphorus Clearance Estimated", {A::Age, A::Weight, A::Gender, A::SerumPhosphorus}, PhosphorusClearanceEstimated},
        {"Uric Acid-to-Creatinine Ratio", {A::SerumCreatinine, A::SerumUrate}, UrateCreatinineRatio},
        {"Urinary Potassium Excretion Rate", {A::UrineVolume, A::UrinePotassium}, UrinaryPotassiumExcretion},
        {"Urea Nitrogen and Creatinine Ratios", {A::SerumCreatinine, A::UrineCreatinine, A::SerumUrea, A::UrineUrea}, UreaCreatinineRatios},
        {"Urine Protein to Urine Creatinine Ratio", {A::UrineCreatinine, A::UrineProtein}, UrineProteinCreatinineRatio},
        {"AST-to-ALT (SGOT-to-SGPT) Ratio", {A::AST, A::ALT}, ASTALT},
        {"Serum Albumin-to-Globulin Ratio", {A::Albumin, A::Globulin}, AlbuminGlobulin},
        {"Serum Direct -to- Total Bilirubin Ratio", {A::BilirubinDirect, A::BilirubinTotal}, Bilirubin},
        {"Serum Ferritin and Estimate of Iron Stores", {A::Ferritin}, FerritinStores},
        {"Serum Transferrin Saturation", {A::Iron, A::TIBC}, TransferrinSat},
        {"Total Iron Binding Capacity (TIBC)", {A::Transferrin}, TIBCCalculated},
        {"Transferrin", {A::TIBC}, TransferrinCalculated},
    };
    // clang-format on
    return items;
}

} // namespace

std::span<const OverviewItem> overviewItems() {
    return table();
}

} // namespace quarvex
