#pragma once

#include "analytes/analyte.h"
#include "analytes/fields.h"
#include "analytes/findings.h"

#include <QList>
#include <QLocale>

#include <array>
#include <optional>
#include <span>

namespace quarvex {

// One input of a calculation: its texts as typed and its value brought to the
// formula unit by the exact text of its own unit field.
struct ConvertedInput {
    AnalyteId id;
    QString valueText;
    QString unitText;
    double typed = 0.0;               // the value as typed (NaN if it does not read as a number)
    double converted = 0.0;           // in the formula unit
    const UnitChoice* unit = nullptr; // the matching unit choice, if any
};

// Every analyte of a screen read once: each value and unit text taken from the
// fields a single time, read as a number in the locale, converted, and
// checked. Items, checks and calculations all work from this one reading, so
// a value can never count one way for an item's checks and another for its
// calculation.
class Inputs
{
public:
    explicit Inputs(const Fields& fields, const QLocale& locale = QLocale());

    const QLocale& locale() const { return m_locale; }

    // The reading of an analyte. Gender and a value that does not read as a
    // number have NaN as typed and converted value.
    const ConvertedInput& operator[](AnalyteId id) const { return m_inputs[size_t(id)]; }
    // Why the analyte's check fails, or nothing when it passes.
    const std::optional<Finding>& finding(AnalyteId id) const { return m_findings[size_t(id)]; }

    // The findings of the given checks, in check order (an item can be
    // computed when there are none).
    QList<Finding> findings(std::span<const AnalyteId> checks) const;

private:
    QLocale m_locale;
    std::array<ConvertedInput, AnalyteCount> m_inputs;
    std::array<std::optional<Finding>, AnalyteCount> m_findings;
};

} // namespace quarvex
