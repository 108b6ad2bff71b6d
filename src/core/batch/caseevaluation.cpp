#include "batch/caseevaluation.h"

#include "analytes/checks.h"
#include "catalogue/items.h"

#include <vector>

namespace quarvex {

namespace {

// The grid rows of each overview item, in item order.
// clang-format off
const std::vector<std::vector<const char*>> ItemRowNames{
    {"Total Cholesterol", "HDL Cholesterol", "LDL Cholesterol"},
    {"Total Cholesterol-to-HDL Cholesterol Ratio"},
    {"LDL to HDL ratio"},
    {"ATP3: Total Cholesterol", "ATP3 :HDL Cholesterol", "ATP3: LDL Cholesterol"},
    {"Amylase Clearance"},
    {"Creatinine Clearance (GFR)"},
    {"Fractional Potassium Excretion"},
    {"Renal Calcium Clearance"},
    {"Renal Failure Index"},
    {"Fractional Sodium Excretion"},
    {"Phosphorus Clearance"},
    {"Urate to Creatinine Ratio"},
    {"Urinary Potassium Excretion"},
    {"Urea to Creatinine Ratio", "Creatinine to Creatinine Ratio", "Urea to Urea Ratio"},
    {"Urine Protein to Creatinine Ratio"},
    {"AST to ALT ratio"},
    {"Albumin to Globulin ratio"},
    {"Bilirubin to Bilirubin ratio"},
    {"Ferritin Stores"},
    {"Transferrin Saturation"},
    {"Total Iron Binding Capacity"},
    {"Transferrin Calculated"},
};
// clang-format on

class SilentDialogs final : public Dialogs
{
public:
    void beep() override {}
    void message(const QString&, MessageIcon, const QString&) override {}
    QString input(const QString&, const QString&, const QString&) override { return {}; }
};

} // namespace

void ArrayFields::clear()
{
    m_values.fill(QString());
    m_units.fill(QString());
}

std::span<const QString> gridRowNames()
{
    static const std::vector<QString> names = [] {
        std::vector<QString> out;
        for (const auto& rows : ItemRowNames) {
            for (const char* name : rows)
                out.push_back(QString::fromLatin1(name));
        }
        return out;
    }();
    return names;
}

void CaseEvaluation::clear()
{
    cells.assign(gridRowNames().size(), Cells{});
    findings.clear();
    hints.clear();
}

void evaluateCase(const Fields& fields, const QLocale& locale, CaseEvaluation& out)
{
    out.clear();
    SilentDialogs dialogs;
    size_t first = 0;
    const auto items = overviewItems();
    for (size_t i = 0; i < items.size(); ++i) {
        const OverviewItem& item = items[i];
        const size_t count = ItemRowNames[i].size();
        if (evaluate(item.checks(), fields, dialogs, locale) == 0) {
            const QList<ResultRow> rows = item.calculation(fields, locale).rows;
            for (size_t r = 0; r < count && r < size_t(rows.size()); ++r)
                out.cells[first + r] = {rows[qsizetype(r)].result,
                                        rows[qsizetype(r)].interpretation};
        }
        first += count;
    }
}

} // namespace quarvex
