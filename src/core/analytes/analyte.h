#pragma once

#include <QString>

#include <array>
#include <span>

namespace quarvex {

// The 35 measured quantities a user can type in, in the order of the analyte table.
enum class AnalyteId : int {
    Age,
    Weight,
    Gender,
    SerumCreatinine,
    UrineCreatinine,
    SerumSodium,
    UrineSodium,
    SerumPotassium,
    UrinePotassium,
    SerumCalcium,
    UrineCalcium,
    SerumPhosphorus,
    UrinePhosphorus,
    SerumUrea,
    UrineUrea,
    SerumUrate,
    UrineUrate,
    SerumAmylase,
    UrineAmylase,
    UrineProtein,
    UrineVolume,
    Chol,
    HDL,
    LDL,
    Triglycerides,
    AST,
    ALT,
    BilirubinDirect,
    BilirubinTotal,
    Albumin,
    Globulin,
    Iron,
    TIBC,
    Ferritin,
    Transferrin,
};

inline constexpr int AnalyteCount = 35;

enum class UnitKind {
    None,  // Age and Gender: no unit field at all
    Fixed, // a fixed unit caption that nothing reads
    List,  // an editable unit list whose text the checks and calculations read
};

// One accepted unit text and how a value in it becomes the formula unit:
// value * multiply / divide (a factor of 1 is skipped, so the arithmetic is
// exactly that of the table: "multiply by 1000, then divide by 88.4").
struct UnitChoice {
    const char* text = nullptr;
    double multiply = 1.0;
    double divide = 1.0;
};

struct Analyte {
    AnalyteId id;
    const char* name;        // what it is, for people and screen readers: "Serum creatinine"
    const char* field;       // value field's object name: "SerumCreatinine"
    const char* caption;     // caption label text on the calculator screens: "Creatinine:"
    const char* dataCaption; // caption label text on the data entry screen
    UnitKind unitKind;
    const char* fixedUnit; // caption of a fixed unit, else nullptr
    std::array<UnitChoice, 3> units;
    int unitCount;
    bool beepsOnBadUnit; // an unrecognised unit sounds a beep

    std::span<const UnitChoice> unitChoices() const { return {units.data(), size_t(unitCount)}; }
    QString fieldName() const { return QString::fromLatin1(field); }
    QString unitFieldName() const { return QStringLiteral("Unit") + fieldName(); }
    QString labelName() const; // "SerumCreatinineLabel"; the HDL caption is "HDLLabell"
    QString checkName() const { return QStringLiteral("Check") + fieldName(); }
    QString accessibleName() const { return QString::fromLatin1(name); }
    QString unitAccessibleName() const { return accessibleName() + QStringLiteral(" unit"); }
    // The unit texts offered by the unit list (or Gender's "Male", "Female").
    QStringList listItems() const;

    // The name, the unit list's name and the captions in the language
    // installed, for the windows. The names above stay as they are for
    // everything that is written or read back (findings, exports, cases).
    QString shownName() const;
    QString shownUnitName() const;
    QString shownCaption() const;
    QString shownDataCaption() const;
};

// The translation context of the analytes' names and captions.
inline constexpr const char* AnalyteContext = "quarvex::Analyte";

std::span<const Analyte> analytes();
const Analyte& analyte(AnalyteId id);

// Whether a table lists its rows in the order of their ids (row i has id i),
// so that it can be indexed by id.
template <class Rows>
constexpr bool listedInIdOrder(const Rows& rows)
{
    int i = 0;
    for (const auto& row : rows) {
        if (int(row.id) != i++)
            return false;
    }
    return true;
}

// The gender choices, in list order.
inline constexpr const char* GenderMale = "Male";
inline constexpr const char* GenderFemale = "Female";

} // namespace quarvex
