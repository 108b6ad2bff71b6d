#pragma once

#include "analytes/analyte.h"
#include "calc/itemid.h"
#include "practice/prng.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <span>

namespace quarvex {

// How a scenario's value of one analyte is drawn, in the analyte's formula
// unit. A relation reads values drawn before it (the analytes are drawn in
// the order of DrawOrder), as the case reports them.
enum class Rule {
    Range,      // uniform in [low, high]
    LogRange,   // uniform on a log scale in [low, high]
    FromGfr,    // serum creatinine for a CKD-EPI 2021 eGFR in [low, high], for age and sex
    TimesOf,    // `of` times a factor in [low, high]
    Fractional, // a urine value from a fractional excretion in [low, high] (not per cent):
                // urine = FE × serum(`of`) × urine creatinine / serum creatinine
    PerUrineCr, // urine creatinine (mg/dL) times a ratio in [low, high], in the analyte's
                // formula unit (protein: the ratio in mg/mg, the value in g/L)
    Clearance,  // urine phosphorus from a clearance in [low, high] mL/min:
                // urine = clearance × serum × 1440 / 24-hour volume
    LipidSum,   // total cholesterol = LDL + HDL + triglycerides / 5
    FromBmi,    // body weight from a BMI in [low, high] and a height for the sex
    SexRange,   // [low, high] for men, [low2, high2] for women
};

struct ValueRule {
    AnalyteId id;
    Rule rule;
    double low;
    double high;
    AnalyteId of = AnalyteId::Age;
    double low2 = 0.0;
    double high2 = 0.0;
    const char* basis = ""; // the reference ids the relation or range rests on; "" none
    bool reasoned = true;   // an estimate of this program where no source gives the range
};

// Which sexes a scenario's patients have.
enum class Sexes { Both, Men, Women };

// Groups of analytes a scenario reports: a scenario supports an item when it
// reports every input of the item.
enum Panel : unsigned {
    KidneyPanel = 1u << 0,   // creatinine, urea, sodium, potassium, urine volume and protein
    MineralPanel = 1u << 1,  // calcium, phosphorus, urate (serum and urine)
    LipidPanel = 1u << 2,    // total, HDL, LDL cholesterol, triglycerides
    LiverPanel = 1u << 3,    // AST, ALT, bilirubin, albumin, globulin
    IronPanel = 1u << 4,     // iron, TIBC, ferritin, transferrin
    PancreasPanel = 1u << 5, // serum and urine amylase
    AllPanels = 0x3f,
};

// A short clinical picture with the values that go with it. Analytes of the
// scenario's panels that it does not describe take the healthy scenario's rule.
struct Scenario {
    const char* id;      // stable: "prerenal-aki"
    const char* title;   // "Prerenal acute kidney injury"
    const char* line;    // one line for lists
    const char* context; // a clause of presenting context for the case text; "" none
    int ageLow;
    int ageHigh;
    Sexes sexes;
    unsigned panels;
    std::span<const ValueRule> rules;
    // The creatinine is rising, not at a steady state: no creatinine-based
    // estimate of GFR (Cockcroft–Gault, CKD-EPI) applies to the patient.
    bool acute = false;
};

std::span<const Scenario> scenarios();
const Scenario* findScenario(QStringView id);
// The scenario ids, in list order.
QStringList scenarioIds();

// The person of a case text ("A 67-year-old woman") with a scenario's clause
// of presenting context after it, in the language installed: "A 67-year-old
// woman admitted with confusion". Each sex ("Male", "Female", or empty for a
// patient) has its own template, so that a translation can make the clause
// agree with the person.
QString shownPersonWithContext(const QString& person, const QString& clause, const QString& gender);

// The rule for an analyte in a scenario: its own, else the healthy one when
// the analyte belongs to one of its panels; none when it does not report it.
const ValueRule* scenarioRule(const Scenario& scenario, AnalyteId id);

// Whether the scenario reports every analyte of the list (Gender always).
bool reportsAll(const Scenario& scenario, std::span<const AnalyteId> ids);

// Whether an item may be practised on the scenario's patients: the scenario
// reports its inputs, and a creatinine-based GFR estimate is not asked of a
// patient whose creatinine is not at a steady state.
bool supports(const Scenario& scenario, ItemId item);

// One drawn patient: the values in the formula unit, before they are reported.
struct ScenarioPatient {
    bool male = true;
    int age = 40;
    double values[AnalyteCount] = {};
    bool drawn[AnalyteCount] = {};
};

// The order in which a patient's analytes are drawn: every relation reads
// only analytes before it.
std::span<const AnalyteId> drawOrder();

// The values a rule reads (besides age and sex), each before it in drawOrder().
QList<AnalyteId> readsOf(const ValueRule& rule);

// Serum creatinine (mg/dL) that gives an eGFR by the CKD-EPI 2021 equation
// for the age and sex: the equation solved for creatinine.
double creatinineForGfr(double gfr, int age, bool male);

// A value by its rule for a patient whose values that the rule reads are
// drawn (as the case reports them, so that a relation holds on the numbers
// shown), in the formula unit.
double drawByRule(const ValueRule& rule, const ScenarioPatient& patient, PracticeRandom& random);

} // namespace quarvex
