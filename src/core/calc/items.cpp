#include "calc/items.h"

#include <array>

namespace quarvex {

namespace {

using A = AnalyteId;
using I = ItemId;

// clang-format off
constexpr ItemDescriptor Items[]{
    {I::CholesterolLevels, "Cholesterol Level Interpretation", GeneralResults,
     {A::Gender, A::Chol, A::HDL, A::LDL},
     {"Total Cholesterol", "HDL Cholesterol", "LDL Cholesterol"}, InputOrder::Formulas},
    {I::CholesterolHdlRatio, "Total Cholesterol-to-HDL Cholesterol Ratio", CholHDL,
     {A::Gender, A::Chol, A::HDL},
     {"Total Cholesterol-to-HDL Cholesterol Ratio"}, InputOrder::Formulas},
    {I::LdlHdlRatio, "LDL Cholesterol-to-HDL Cholesterol Ratio", LDLHDL,
     {A::HDL, A::LDL},
     {"LDL to HDL ratio"}, InputOrder::Formulas},
    {I::Adult3, "Adult Treatment Panel III Classification", Adult3,
     {A::Chol, A::HDL, A::LDL},
     {"ATP3: Total Cholesterol", "ATP3 :HDL Cholesterol", "ATP3: LDL Cholesterol"}, InputOrder::Formulas},
    {I::AmylaseClearance, "Amylase Clearance to Creatinine Clearance", AmylaseClearance,
     {A::SerumAmylase, A::UrineAmylase, A::SerumCreatinine, A::UrineCreatinine},
     {"Amylase Clearance"}},
    {I::CreatinineClearance, "Creatinine Clearance Estimated (GFR)", CreatinineClearanceEstimated,
     {A::Age, A::Weight, A::Gender, A::SerumCreatinine},
     {"Creatinine Clearance (GFR)"}},
    {I::FractionalPotassiumExcretion, "Fractional Potassium Excretion", FractionalPotassiumExcretion,
     {A::SerumCreatinine, A::UrineCreatinine, A::SerumPotassium, A::UrinePotassium},
     {"Fractional Potassium Excretion"}},
    {I::RenalCalciumClearance, "Renal Calcium Clearance to Creatinine Clearance", RenalCalciumClearance,
     {A::SerumCreatinine, A::UrineCreatinine, A::SerumCalcium, A::UrineCalcium},
     {"Renal Calcium Clearance"}},
    {I::RenalFailureIndex, "Renal Failure Index (RFI)", RFI,
     {A::SerumCreatinine, A::UrineCreatinine, A::UrineSodium},
     {"Renal Failure Index"}},
    {I::FractionalSodiumExcretion, "Fractional Sodium Excretion", FractionalSodiumExcretion,
     {A::SerumCreatinine, A::UrineCreatinine, A::SerumSodium, A::UrineSodium},
     {"Fractional Sodium Excretion"}},
    {I::PhosphorusClearance, "Phosphorus Clearance Estimated", PhosphorusClearanceEstimated,
     {A::SerumPhosphorus, A::UrinePhosphorus, A::UrineVolume},
     {"Phosphorus Clearance"}},
    {I::UrateCreatinineRatio, "Uric Acid-to-Creatinine Ratio", UrateCreatinineRatio,
     {A::UrineCreatinine, A::UrineUrate},
     {"Urate to Creatinine Ratio"}},
    {I::UrinaryPotassiumExcretion, "Urinary Potassium Excretion Rate", UrinaryPotassiumExcretion,
     {A::UrineVolume, A::UrinePotassium},
     {"Urinary Potassium Excretion"}},
    {I::UreaCreatinineRatios, "Urea Nitrogen and Creatinine Ratios", UreaCreatinineRatios,
     {A::SerumCreatinine, A::UrineCreatinine, A::SerumUrea, A::UrineUrea},
     {"Urea to Creatinine Ratio", "Creatinine to Creatinine Ratio", "Urea to Urea Ratio"}},
    {I::UrineProteinCreatinineRatio, "Urine Protein to Urine Creatinine Ratio", UrineProteinCreatinineRatio,
     {A::UrineCreatinine, A::UrineProtein},
     {"Urine Protein to Creatinine Ratio"}},
    {I::AstAltRatio, "AST-to-ALT (SGOT-to-SGPT) Ratio", ASTALT,
     {A::AST, A::ALT},
     {"AST to ALT ratio"}},
    {I::AlbuminGlobulinRatio, "Serum Albumin-to-Globulin Ratio", AlbuminGlobulin,
     {A::Albumin, A::Globulin},
     {"Albumin to Globulin ratio"}},
    {I::BilirubinRatio, "Serum Direct -to- Total Bilirubin Ratio", Bilirubin,
     {A::BilirubinDirect, A::BilirubinTotal},
     {"Bilirubin to Bilirubin ratio"}},
    {I::FerritinStores, "Serum Ferritin and Estimate of Iron Stores", FerritinStores,
     {A::Ferritin},
     {"Ferritin Stores"}},
    {I::TransferrinSaturation, "Serum Transferrin Saturation", TransferrinSat,
     {A::Iron, A::TIBC},
     {"Transferrin Saturation"}},
    {I::TibcCalculated, "Total Iron Binding Capacity (TIBC)", TIBCCalculated,
     {A::Transferrin},
     {"Total Iron Binding Capacity"}},
    {I::TransferrinCalculated, "Transferrin", TransferrinCalculated,
     {A::TIBC},
     {"Transferrin Calculated"}},
};

constexpr FormulaLimit Limits[] = {
    {I::CreatinineClearance, A::Age, CockcroftGaultAgeLimit, "Age: the formula needs an age below 140"},
};
// clang-format on

static_assert(std::size(Items) == size_t(ItemCount));

constexpr bool limitsOnCheckedAnalytes()
{
    for (const FormulaLimit& limit : Limits) {
        bool checked = false;
        for (AnalyteId id : Items[size_t(limit.item)].checkList.items)
            checked = checked || id == limit.analyte;
        if (!checked)
            return false;
    }
    return true;
}
static_assert(limitsOnCheckedAnalytes(), "a formula limit must be on one of its item's checks");

std::optional<Finding> limitFinding(ItemId item, AnalyteId id, const Inputs& inputs)
{
    for (const FormulaLimit& limit : Limits) {
        if (limit.item == item && limit.analyte == id && !(inputs[id].converted < limit.below))
            return Finding{id, FindingKind::OutsideFormula, QString::fromLatin1(limit.text)};
    }
    return std::nullopt;
}

static_assert(listedInIdOrder(Items), "the item table must list the items in ItemId order");

// The row names of every item as strings, made once per thread: each
// computed item names its rows, case after case, and copies of strings that
// other threads copy too would make their reference counts travel between
// processor caches.
const QStringList& rowNameTexts(ItemId id)
{
    thread_local const std::array<QStringList, ItemCount> texts = [] {
        std::array<QStringList, ItemCount> out;
        for (const ItemDescriptor& item : Items) {
            for (const char* name : item.rowNames())
                out[size_t(item.id)] << QString::fromLatin1(name);
        }
        return out;
    }();
    return texts[size_t(id)];
}

} // namespace

std::span<const ItemDescriptor> overviewItems()
{
    return Items;
}

const ItemDescriptor& item(ItemId id)
{
    return Items[size_t(id)];
}

std::span<const FormulaLimit> formulaLimits()
{
    return Limits;
}

QList<Finding> ItemDescriptor::findings(const Inputs& inputs) const
{
    QList<Finding> out;
    for (AnalyteId check : checks()) {
        if (const std::optional<Finding>& f = inputs.finding(check))
            out << *f;
        else if (std::optional<Finding> f = limitFinding(id, check, inputs))
            out << *f;
    }
    return out;
}

Outcome ItemDescriptor::compute(const Inputs& inputs) const
{
    Outcome outcome = calculation(inputs);
    QList<AnalyteId> order;
    if (inputOrder == InputOrder::Formulas) {
        for (const RowWorking& row : outcome.working) {
            for (const FormulaOp& op :
                 row.formula ? row.formula->ops : std::span<const FormulaOp>()) {
                if (op.kind == FormulaOp::Input && !order.contains(op.input))
                    order << op.input;
            }
        }
    }
    for (AnalyteId id : checks()) {
        if (!order.contains(id))
            order << id;
    }
    outcome.inputs.reserve(order.size());
    for (AnalyteId id : order)
        outcome.inputs << inputs[id];
    const QStringList& names = rowNameTexts(id);
    Q_ASSERT(outcome.rows.size() == names.size());
    for (qsizetype i = 0; i < outcome.rows.size() && i < names.size(); ++i)
        outcome.rows[i].name = names.at(i);
    return outcome;
}

} // namespace quarvex
