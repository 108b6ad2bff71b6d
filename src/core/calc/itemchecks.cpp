#include "calc/calculations.h"

#include <vector>

namespace quarvex {

namespace {

using A = AnalyteId;

struct CalculationChecks {
    Calculation calculation;
    std::vector<AnalyteId> checks;
};

const std::vector<CalculationChecks>& table()
{
    // clang-format off
    static const std::vector<CalculationChecks> rows{
        {GeneralResults, {A::Gender, A::Chol, A::HDL, A::LDL}},
        {CholHDL, {A::Gender, A::Chol, A::HDL}},
        {LDLHDL, {A::HDL, A::LDL}},
        {Adult3, {A::Chol, A::HDL, A::LDL}},
        {AmylaseClearance, {A::SerumAmylase, A::UrineAmylase, A::SerumCreatinine, A::UrineCreatinine}},
        {CreatinineClearanceEstimated, {A::Age, A::Weight, A::Gender, A::SerumCreatinine}},
        {FractionalPotassiumExcretion, {A::SerumCreatinine, A::UrineCreatinine, A::SerumPotassium, A::UrinePotassium}},
        {RenalCalciumClearance, {A::SerumCreatinine, A::UrineCreatinine, A::SerumCalcium, A::UrineCalcium}},
        {RFI, {A::SerumCreatinine, A::UrineCreatinine, A::UrineSodium}},
        {FractionalSodiumExcretion, {A::SerumCreatinine, A::UrineCreatinine, A::SerumSodium, A::UrineSodium}},
        {PhosphorusClearanceEstimated, {A::Age, A::Weight, A::Gender, A::SerumPhosphorus}},
        {UrateCreatinineRatio, {A::SerumCreatinine, A::SerumUrate}},
        {UrinaryPotassiumExcretion, {A::UrineVolume, A::UrinePotassium}},
        {UreaCreatinineRatios, {A::SerumCreatinine, A::UrineCreatinine, A::SerumUrea, A::UrineUrea}},
        {UrineProteinCreatinineRatio, {A::UrineCreatinine, A::UrineProtein}},
        {ASTALT, {A::AST, A::ALT}},
        {AlbuminGlobulin, {A::Albumin, A::Globulin}},
        {Bilirubin, {A::BilirubinDirect, A::BilirubinTotal}},
        {FerritinStores, {A::Ferritin}},
        {TransferrinSat, {A::Iron, A::TIBC}},
        {TIBCCalculated, {A::Transferrin}},
        {TransferrinCalculated, {A::TIBC}},
    };
    // clang-format on
    return rows;
}

} // namespace

std::span<const AnalyteId> checksOf(Calculation calculation)
{
    for (const CalculationChecks& row : table()) {
        if (row.calculation == calculation)
            return row.checks;
    }
    return {};
}

} // namespace quarvex
