#include "practice/scenarios.h"

#include "calc/items.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cmath>

namespace quarvex {

namespace {

using A = AnalyteId;
using R = Rule;

constexpr ValueRule range(A id, double low, double high, const char* basis = "",
                          bool reasoned = true)
{
    return {id, R::Range, low, high, A::Age, 0.0, 0.0, basis, reasoned};
}
constexpr ValueRule logRange(A id, double low, double high, const char* basis = "",
                             bool reasoned = true)
{
    return {id, R::LogRange, low, high, A::Age, 0.0, 0.0, basis, reasoned};
}
constexpr ValueRule relation(A id, Rule rule, double low, double high, A of, const char* basis = "",
                             bool reasoned = true)
{
    return {id, rule, low, high, of, 0.0, 0.0, basis, reasoned};
}
constexpr ValueRule gfr(double low, double high, const char* basis = "U14 R10")
{
    return {A::SerumCreatinine, R::FromGfr, low, high, A::Age, 0.0, 0.0, basis, false};
}
constexpr ValueRule bySex(A id, double menLow, double menHigh, double womenLow, double womenHigh,
                          const char* basis, bool reasoned = false)
{
    return {id, R::SexRange, menLow, menHigh, A::Age, womenLow, womenHigh, basis, reasoned};
}
constexpr ValueRule fractional(A urine, double low, double high, A serum, const char* basis = "",
                               bool reasoned = true)
{
    return relation(urine, R::Fractional, low, high, serum, basis, reasoned);
}

// The healthy adult: every analyte, in the order the relations need. The
// reference intervals come from the plausibility table's sources; the ratios
// of healthy urine are estimates of this program where marked.
// clang-format off
constexpr ValueRule Healthy[] = {
    relation(A::Weight, R::FromBmi, 19.0, 30.0, A::Age),
    gfr(80.0, 115.0),
    range(A::SerumSodium, 136.0, 144.0, "R47", false),
    range(A::SerumPotassium, 3.6, 4.9, "R47", false),
    range(A::SerumCalcium, 8.6, 10.2, "R47", false),
    range(A::SerumPhosphorus, 2.6, 4.4, "R47", false),
    bySex(A::SerumUrate, 3.6, 7.0, 2.7, 5.9, "R63"),
    relation(A::SerumUrea, R::TimesOf, 8.0, 22.0, A::SerumCreatinine, "R19 R77"), // BUN/Cr about 10-20
    logRange(A::UrineCreatinine, 30.0, 250.0, "R89"),
    fractional(A::UrineSodium, 0.004, 0.01, A::SerumSodium, "R73"),
    fractional(A::UrinePotassium, 0.06, 0.2, A::SerumPotassium, "R70"),
    fractional(A::UrineCalcium, 0.008, 0.02, A::SerumCalcium, "R17 R72"),
    fractional(A::UrineUrea, 0.4, 0.6, A::SerumUrea, "R12 R73"),
    relation(A::UrineUrate, R::PerUrineCr, 0.2, 0.55, A::UrineCreatinine, "R48", false),
    relation(A::UrineProtein, R::PerUrineCr, 0.03, 0.12, A::UrineCreatinine, "R20 R78"),
    range(A::UrineVolume, 800.0, 2000.0, "R95 R96"),
    relation(A::UrinePhosphorus, R::Clearance, 5.0, 15.0, A::SerumPhosphorus, "R14"),
    range(A::SerumAmylase, 30.0, 100.0, "R48", false),
    fractional(A::UrineAmylase, 0.015, 0.045, A::SerumAmylase, "R5 R7", false),
    range(A::Triglycerides, 60.0, 145.0, "U15"),
    bySex(A::HDL, 40.0, 62.0, 48.0, 80.0, "R23", true),
    range(A::LDL, 70.0, 129.0, "R23"),
    relation(A::Chol, R::LipidSum, 0.0, 0.0, A::LDL, "U11"),
    range(A::ALT, 10.0, 30.0, "R35 R100"),
    relation(A::AST, R::TimesOf, 0.85, 1.25, A::ALT, "R31 R33"),
    range(A::BilirubinTotal, 0.3, 1.1, "R47"),
    relation(A::BilirubinDirect, R::TimesOf, 0.1, 0.3, A::BilirubinTotal, "R99 R100"),
    range(A::Albumin, 3.6, 4.8, "R47 R101"),
    range(A::Globulin, 2.3, 3.4, "R47", false),
    range(A::TIBC, 260.0, 400.0, "R83"),
    relation(A::Iron, R::TimesOf, 0.2, 0.45, A::TIBC, "R60 R86"),          // transferrin saturation
    relation(A::Transferrin, R::TimesOf, 0.68, 0.72, A::TIBC, "R42 R87"), // transferrin from TIBC
    bySex(A::Ferritin, 30.0, 250.0, 20.0, 120.0, "R22 R86"),
};

// Kidney pictures. Creatinine comes from a target eGFR (CKD-EPI 2021, KDIGO
// categories [R10]); urea from a BUN/creatinine ratio; urine sodium, urea
// and potassium from fractional excretions ([R73][R74][R12]).
constexpr ValueRule CkdG2[] = {
    gfr(60.0, 89.0),
    relation(A::SerumUrea, R::TimesOf, 10.0, 22.0, A::SerumCreatinine, "R19 R77"),
    relation(A::UrineProtein, R::PerUrineCr, 0.05, 0.5, A::UrineCreatinine, "R78"),
};
constexpr ValueRule CkdG3a[] = {
    gfr(45.0, 59.0),
    range(A::SerumPhosphorus, 2.8, 4.8),
    relation(A::SerumUrea, R::TimesOf, 10.0, 22.0, A::SerumCreatinine, "R19 R77"),
    fractional(A::UrineSodium, 0.008, 0.025, A::SerumSodium),
    relation(A::UrineProtein, R::PerUrineCr, 0.08, 1.5, A::UrineCreatinine, "R78"),
};
constexpr ValueRule CkdG3b[] = {
    gfr(30.0, 44.0),
    range(A::SerumPhosphorus, 3.0, 5.2),
    bySex(A::SerumUrate, 5.0, 9.0, 4.5, 8.0, "R63", true),
    relation(A::SerumUrea, R::TimesOf, 10.0, 22.0, A::SerumCreatinine, "R19 R77"),
    logRange(A::UrineCreatinine, 30.0, 150.0, "R89"),
    fractional(A::UrineSodium, 0.01, 0.04, A::SerumSodium),
    relation(A::UrineProtein, R::PerUrineCr, 0.1, 2.5, A::UrineCreatinine, "R78"),
};
constexpr ValueRule CkdG4[] = {
    gfr(15.0, 29.0),
    range(A::SerumPotassium, 4.2, 5.6),
    range(A::SerumPhosphorus, 3.5, 6.5, "R46"),
    relation(A::SerumUrea, R::TimesOf, 10.0, 22.0, A::SerumCreatinine, "R19 R77"),
    logRange(A::UrineCreatinine, 30.0, 120.0, "R89"),
    fractional(A::UrineSodium, 0.02, 0.06, A::SerumSodium),
    fractional(A::UrinePotassium, 0.2, 0.5, A::SerumPotassium),
    fractional(A::UrineUrea, 0.45, 0.7, A::SerumUrea),
    relation(A::UrineProtein, R::PerUrineCr, 0.2, 3.0, A::UrineCreatinine, "R78"),
};
constexpr ValueRule CkdG5[] = {
    gfr(6.0, 14.0),
    range(A::SerumPotassium, 4.5, 6.2, "R45"),
    range(A::SerumCalcium, 7.5, 9.5),
    range(A::SerumPhosphorus, 4.5, 8.9, "R46"),
    relation(A::SerumUrea, R::TimesOf, 8.0, 16.0, A::SerumCreatinine, "R46"),
    logRange(A::UrineCreatinine, 25.0, 90.0, "R89"),
    fractional(A::UrineSodium, 0.05, 0.15, A::SerumSodium),
    fractional(A::UrinePotassium, 0.3, 0.8, A::SerumPotassium),
    fractional(A::UrineUrea, 0.5, 0.75, A::SerumUrea),
    relation(A::UrineProtein, R::PerUrineCr, 0.3, 3.0, A::UrineCreatinine, "R78"),
    range(A::UrineVolume, 600.0, 2000.0),
};
constexpr ValueRule PrerenalAki[] = {
    gfr(20.0, 55.0),
    range(A::SerumSodium, 134.0, 148.0),
    relation(A::SerumUrea, R::TimesOf, 21.0, 40.0, A::SerumCreatinine, "R19 R77 R18", false),
    relation(A::UrineCreatinine, R::TimesOf, 42.0, 90.0, A::SerumCreatinine, "R3 R73", false),
    fractional(A::UrineSodium, 0.001, 0.009, A::SerumSodium, "R2 R73", false),
    fractional(A::UrineUrea, 0.15, 0.34, A::SerumUrea, "R12 R73", false),
    fractional(A::UrinePotassium, 0.05, 0.2, A::SerumPotassium),
    range(A::UrineVolume, 300.0, 800.0, "R95"),
};
constexpr ValueRule TubularNecrosis[] = {
    gfr(8.0, 35.0),
    relation(A::SerumUrea, R::TimesOf, 6.0, 15.0, A::SerumCreatinine, "R19 R77"),
    relation(A::UrineCreatinine, R::TimesOf, 3.0, 12.0, A::SerumCreatinine, "R3 R73"),
    fractional(A::UrineSodium, 0.025, 0.08, A::SerumSodium, "R2 R73 R74", false),
    fractional(A::UrineUrea, 0.52, 0.75, A::SerumUrea, "R12 R73"),
    fractional(A::UrinePotassium, 0.2, 0.6, A::SerumPotassium),
    range(A::SerumPotassium, 4.0, 6.0),
    range(A::UrineVolume, 200.0, 900.0, "R95"),
};
constexpr ValueRule Nephrotic[] = {
    gfr(60.0, 110.0),
    relation(A::UrineProtein, R::PerUrineCr, 3.6, 10.0, A::UrineCreatinine, "R20", false),
    range(A::Albumin, 1.5, 2.8),
    range(A::Globulin, 2.0, 3.2),
    range(A::Triglycerides, 150.0, 380.0),
    range(A::LDL, 160.0, 300.0),
    range(A::SerumCalcium, 7.6, 9.0),
};
constexpr ValueRule SiadhLowUrate[] = {
    range(A::SerumSodium, 118.0, 130.0, "R45"),
    bySex(A::SerumUrate, 1.2, 3.0, 1.0, 2.5, "", true),
    relation(A::SerumUrea, R::TimesOf, 4.0, 9.5, A::SerumCreatinine, "R19 R77"),
    logRange(A::UrineCreatinine, 40.0, 200.0),
    fractional(A::UrineSodium, 0.008, 0.03, A::SerumSodium, "R73"),
    relation(A::UrineUrate, R::PerUrineCr, 0.4, 0.9, A::UrineCreatinine),
};
constexpr ValueRule HypokalaemiaRenal[] = {
    range(A::SerumPotassium, 2.3, 3.3, "R45 R90"),
    fractional(A::UrinePotassium, 0.12, 0.35, A::SerumPotassium, "R70"),
    range(A::UrineVolume, 1500.0, 3000.0),
};
constexpr ValueRule HypokalaemiaExtrarenal[] = {
    range(A::SerumPotassium, 2.3, 3.3, "R45 R90"),
    logRange(A::UrineCreatinine, 40.0, 110.0),
    fractional(A::UrinePotassium, 0.01, 0.05, A::SerumPotassium, "R70", false),
    range(A::UrineVolume, 700.0, 1400.0, "R76"),
};
constexpr ValueRule TumourLysis[] = {
    gfr(15.0, 50.0),
    range(A::SerumUrate, 12.0, 19.0, "R57"),
    range(A::SerumPotassium, 4.8, 6.0),
    range(A::SerumPhosphorus, 5.0, 8.9, "R46"),
    range(A::SerumCalcium, 7.0, 8.6),
    relation(A::UrineUrate, R::PerUrineCr, 1.05, 1.8, A::UrineCreatinine, "R4 R57", false),
};

// Lipid pictures: LDL, HDL and triglycerides drawn, total cholesterol made
// consistent with them (Friedewald's relation [U11]).
constexpr ValueRule Hypertriglyceridaemia[] = {
    logRange(A::Triglycerides, 250.0, 1500.0, "U11 U12"),
    bySex(A::HDL, 22.0, 40.0, 25.0, 45.0, "R23", true),
    range(A::LDL, 60.0, 150.0),
};
constexpr ValueRule FamilialHypercholesterolaemia[] = {
    range(A::LDL, 190.0, 400.0, "R23 R97"),
    bySex(A::HDL, 38.0, 60.0, 45.0, 70.0, "R23", true),
    range(A::Triglycerides, 70.0, 180.0),
};
constexpr ValueRule LowHdlMetabolic[] = {
    relation(A::Weight, R::FromBmi, 29.0, 40.0, A::Age),
    bySex(A::HDL, 22.0, 39.0, 25.0, 45.0, "R23"),
    range(A::Triglycerides, 150.0, 350.0, "U15"),
    range(A::LDL, 90.0, 170.0),
};
constexpr ValueRule LipidLowering[] = {
    logRange(A::LDL, 4.0, 60.0),
    bySex(A::HDL, 40.0, 70.0, 48.0, 85.0, "R23", true),
    range(A::Triglycerides, 50.0, 130.0),
};

// Liver pictures: AST from ALT by the De Ritis ratio of the picture
// ([R31][R33]); direct bilirubin as a fraction of the total ([R7][R59]).
constexpr ValueRule Cholestasis[] = {
    range(A::ALT, 60.0, 300.0),
    relation(A::AST, R::TimesOf, 0.66, 0.95, A::ALT, "R33"),
    range(A::BilirubinTotal, 2.5, 15.0, "R37 R46"),
    relation(A::BilirubinDirect, R::TimesOf, 0.6, 0.85, A::BilirubinTotal, "R7"),
    range(A::Albumin, 3.2, 4.5),
};
constexpr ValueRule ViralHepatitis[] = {
    logRange(A::ALT, 400.0, 3000.0),
    relation(A::AST, R::TimesOf, 0.4, 0.78, A::ALT, "R33"),
    range(A::BilirubinTotal, 2.0, 12.0, "R37"),
    relation(A::BilirubinDirect, R::TimesOf, 0.3, 0.6, A::BilirubinTotal, "R7"),
    range(A::Albumin, 3.2, 4.4),
};
constexpr ValueRule AlcoholicLiver[] = {
    range(A::ALT, 20.0, 80.0),
    relation(A::AST, R::TimesOf, 1.6, 3.2, A::ALT, "R33"),
    range(A::BilirubinTotal, 1.0, 8.0),
    relation(A::BilirubinDirect, R::TimesOf, 0.3, 0.6, A::BilirubinTotal, "R7"),
    range(A::Albumin, 2.3, 3.5),
    range(A::Globulin, 3.4, 5.0),
    range(A::Triglycerides, 100.0, 300.0),
};
constexpr ValueRule Haemolysis[] = {
    range(A::BilirubinTotal, 1.5, 5.0, "R37"),
    relation(A::BilirubinDirect, R::TimesOf, 0.05, 0.18, A::BilirubinTotal, "R7"),
    relation(A::AST, R::TimesOf, 1.0, 2.0, A::ALT),
    range(A::SerumPotassium, 3.8, 5.3),
};

// Iron pictures: iron from TIBC by the transferrin saturation ([R41][R60]).
constexpr ValueRule IronDeficiency[] = {
    range(A::TIBC, 400.0, 550.0, "R60 R83"),
    relation(A::Iron, R::TimesOf, 0.02, 0.12, A::TIBC, "R60"),
    logRange(A::Ferritin, 3.0, 14.0, "R38 R39"),
};
constexpr ValueRule ChronicDiseaseAnaemia[] = {
    range(A::TIBC, 150.0, 245.0),
    relation(A::Iron, R::TimesOf, 0.07, 0.16, A::TIBC),
    logRange(A::Ferritin, 100.0, 600.0, "R39"),
    range(A::Albumin, 3.0, 3.8),
    range(A::Globulin, 3.2, 4.5),
};
constexpr ValueRule Haemochromatosis[] = {
    range(A::TIBC, 200.0, 300.0),
    relation(A::Iron, R::TimesOf, 0.56, 0.95, A::TIBC, "R41"),
    logRange(A::Ferritin, 300.0, 3000.0, "R41"),
    range(A::ALT, 25.0, 90.0),
};

// Amylase pictures: urine amylase from the amylase to creatinine clearance
// ratio (normal 1-5 %, pancreatitis above 5 %, macroamylasaemia below 1 % [R7][R5]).
constexpr ValueRule Pancreatitis[] = {
    logRange(A::SerumAmylase, 300.0, 3000.0, "R8 R9"),
    fractional(A::UrineAmylase, 0.055, 0.15, A::SerumAmylase, "R7"),
};
constexpr ValueRule Macroamylasaemia[] = {
    range(A::SerumAmylase, 120.0, 500.0),
    fractional(A::UrineAmylase, 0.002, 0.009, A::SerumAmylase, "R7"),
};
// clang-format on

constexpr unsigned Renal = KidneyPanel | MineralPanel;

// clang-format off
constexpr Scenario Table[] = {
    {"healthy", QT_TRANSLATE_NOOP("quarvex::Scenario", "Healthy adult"), QT_TRANSLATE_NOOP("quarvex::Scenario", "an adult without known disease"), "", 18, 80, Sexes::Both, AllPanels, Healthy},
    {"ckd-g2", QT_TRANSLATE_NOOP("quarvex::Scenario", "CKD G2"), QT_TRANSLATE_NOOP("quarvex::Scenario", "chronic kidney disease, eGFR 60-89"), "seen in the kidney clinic", 35, 90, Sexes::Both, Renal | LipidPanel, CkdG2},
    {"ckd-g3a", QT_TRANSLATE_NOOP("quarvex::Scenario", "CKD G3a"), QT_TRANSLATE_NOOP("quarvex::Scenario", "chronic kidney disease, eGFR 45-59"), "seen in the kidney clinic", 40, 90, Sexes::Both, Renal | LipidPanel, CkdG3a},
    {"ckd-g3b", QT_TRANSLATE_NOOP("quarvex::Scenario", "CKD G3b"), QT_TRANSLATE_NOOP("quarvex::Scenario", "chronic kidney disease, eGFR 30-44"), "seen in the kidney clinic", 40, 90, Sexes::Both, Renal | LipidPanel, CkdG3b},
    {"ckd-g4", QT_TRANSLATE_NOOP("quarvex::Scenario", "CKD G4"), QT_TRANSLATE_NOOP("quarvex::Scenario", "chronic kidney disease, eGFR 15-29"), "seen in the kidney clinic", 40, 90, Sexes::Both, Renal, CkdG4},
    {"ckd-g5", QT_TRANSLATE_NOOP("quarvex::Scenario", "CKD G5"), QT_TRANSLATE_NOOP("quarvex::Scenario", "kidney failure, eGFR below 15"), "seen in the kidney clinic", 25, 85, Sexes::Both, Renal, CkdG5},
    {"prerenal-aki", QT_TRANSLATE_NOOP("quarvex::Scenario", "Prerenal acute kidney injury"), QT_TRANSLATE_NOOP("quarvex::Scenario", "BUN/creatinine above 20, FENa below 1 %, FEUrea below 35 %, concentrated urine"), "admitted after three days of vomiting", 25, 95, Sexes::Both, KidneyPanel | PancreasPanel, PrerenalAki, true},
    {"acute-tubular-necrosis", QT_TRANSLATE_NOOP("quarvex::Scenario", "Acute tubular necrosis"), QT_TRANSLATE_NOOP("quarvex::Scenario", "FENa above 2 %, FEUrea above 50 %, dilute urine"), "on the ward after a week of septic shock", 25, 90, Sexes::Both, KidneyPanel, TubularNecrosis, true},
    {"nephrotic-syndrome", QT_TRANSLATE_NOOP("quarvex::Scenario", "Nephrotic syndrome"), QT_TRANSLATE_NOOP("quarvex::Scenario", "heavy proteinuria, low albumin, raised LDL"), "with swollen ankles for a month", 18, 80, Sexes::Both, KidneyPanel | LipidPanel | LiverPanel, Nephrotic},
    {"siadh-low-urate", QT_TRANSLATE_NOOP("quarvex::Scenario", "SIADH-like hyponatraemia"), QT_TRANSLATE_NOOP("quarvex::Scenario", "low sodium, low urate and urea, urine sodium not low"), "admitted with confusion", 40, 90, Sexes::Both, Renal, SiadhLowUrate},
    {"hypokalaemia-renal", QT_TRANSLATE_NOOP("quarvex::Scenario", "Hypokalaemia, renal loss"), QT_TRANSLATE_NOOP("quarvex::Scenario", "low potassium with potassium still in the urine"), "taking a diuretic for high blood pressure", 30, 85, Sexes::Both, KidneyPanel, HypokalaemiaRenal},
    {"hypokalaemia-extrarenal", QT_TRANSLATE_NOOP("quarvex::Scenario", "Hypokalaemia, extrarenal loss"), QT_TRANSLATE_NOOP("quarvex::Scenario", "low potassium with little potassium in the urine"), "after a week of diarrhoea", 18, 85, Sexes::Both, KidneyPanel, HypokalaemiaExtrarenal},
    {"tumour-lysis", QT_TRANSLATE_NOOP("quarvex::Scenario", "Tumour lysis"), QT_TRANSLATE_NOOP("quarvex::Scenario", "very high urate, urine urate above urine creatinine"), "two days after starting chemotherapy for lymphoma", 18, 80, Sexes::Both, Renal, TumourLysis, true},
    {"hypertriglyceridaemia", QT_TRANSLATE_NOOP("quarvex::Scenario", "Hypertriglyceridaemia"), QT_TRANSLATE_NOOP("quarvex::Scenario", "triglycerides 250-1500 mg/dL, low HDL"), "with poorly controlled type 2 diabetes", 25, 75, Sexes::Both, LipidPanel, Hypertriglyceridaemia},
    {"familial-hypercholesterolaemia", QT_TRANSLATE_NOOP("quarvex::Scenario", "Familial hypercholesterolaemia"), QT_TRANSLATE_NOOP("quarvex::Scenario", "LDL 190-400 mg/dL"), "whose father had a heart attack at 45", 18, 70, Sexes::Both, LipidPanel, FamilialHypercholesterolaemia},
    {"low-hdl-metabolic", QT_TRANSLATE_NOOP("quarvex::Scenario", "Low HDL, metabolic syndrome"), QT_TRANSLATE_NOOP("quarvex::Scenario", "low HDL, raised triglycerides, high BMI"), "with central obesity", 30, 80, Sexes::Both, LipidPanel, LowHdlMetabolic},
    {"lipid-lowering", QT_TRANSLATE_NOOP("quarvex::Scenario", "On lipid-lowering treatment"), QT_TRANSLATE_NOOP("quarvex::Scenario", "very low LDL on a statin and a PCSK9 inhibitor"), "on a statin and a PCSK9 inhibitor", 35, 85, Sexes::Both, LipidPanel, LipidLowering},
    {"cholestasis", QT_TRANSLATE_NOOP("quarvex::Scenario", "Cholestasis"), QT_TRANSLATE_NOOP("quarvex::Scenario", "raised bilirubin, mostly direct"), "with itching for two weeks", 25, 90, Sexes::Both, LiverPanel, Cholestasis},
    {"viral-hepatitis", QT_TRANSLATE_NOOP("quarvex::Scenario", "Acute viral hepatitis"), QT_TRANSLATE_NOOP("quarvex::Scenario", "ALT in the hundreds or thousands, AST/ALT below 0.8"), "after a week of nausea and dark urine", 18, 70, Sexes::Both, LiverPanel, ViralHepatitis},
    {"alcoholic-liver-disease", QT_TRANSLATE_NOOP("quarvex::Scenario", "Alcoholic liver disease"), QT_TRANSLATE_NOOP("quarvex::Scenario", "AST/ALT above 1.5, low albumin"), "who drinks a bottle of wine a day", 30, 80, Sexes::Both, LiverPanel | LipidPanel, AlcoholicLiver},
    {"haemolysis", QT_TRANSLATE_NOOP("quarvex::Scenario", "Haemolysis"), QT_TRANSLATE_NOOP("quarvex::Scenario", "raised bilirubin, mostly indirect"), "with tiredness and yellow eyes", 18, 80, Sexes::Both, LiverPanel | IronPanel, Haemolysis},
    {"iron-deficiency", QT_TRANSLATE_NOOP("quarvex::Scenario", "Iron deficiency"), QT_TRANSLATE_NOOP("quarvex::Scenario", "low ferritin, low saturation, high TIBC"), "who has felt tired for months", 18, 85, Sexes::Both, IronPanel, IronDeficiency},
    {"chronic-disease-anaemia", QT_TRANSLATE_NOOP("quarvex::Scenario", "Anaemia of chronic disease"), QT_TRANSLATE_NOOP("quarvex::Scenario", "low saturation and TIBC, normal or high ferritin"), "with long-standing rheumatoid arthritis", 30, 90, Sexes::Both, IronPanel | LiverPanel, ChronicDiseaseAnaemia},
    {"haemochromatosis", QT_TRANSLATE_NOOP("quarvex::Scenario", "Haemochromatosis"), QT_TRANSLATE_NOOP("quarvex::Scenario", "saturation above 55 %, high ferritin"), "with joint pains and tiredness", 30, 75, Sexes::Both, IronPanel | LiverPanel, Haemochromatosis},
    {"acute-pancreatitis", QT_TRANSLATE_NOOP("quarvex::Scenario", "Acute pancreatitis"), QT_TRANSLATE_NOOP("quarvex::Scenario", "serum amylase 300-3000 U/L, clearance ratio above 5 %"), "with severe upper abdominal pain", 25, 85, Sexes::Both, PancreasPanel | KidneyPanel, Pancreatitis},
    {"macroamylasaemia", QT_TRANSLATE_NOOP("quarvex::Scenario", "Macroamylasaemia"), QT_TRANSLATE_NOOP("quarvex::Scenario", "raised serum amylase, clearance ratio below 1 %"), "with a raised amylase found at a routine check", 25, 85, Sexes::Both, PancreasPanel | KidneyPanel, Macroamylasaemia},
};
// clang-format on

// The person of a case text and a clause of presenting context after it, a
// template for each sex of the person, so that a translation can make the
// clause agree with the person ("…, der mit Verwirrtheit aufgenommen wurde").
struct ClauseTemplate {
    const char* source;
    const char* comment;
};
struct ContextTemplates {
    const char* clause;
    ClauseTemplate woman;
    ClauseTemplate man;
    ClauseTemplate patient;
};
// clang-format off
constexpr ContextTemplates Contexts[] = {
    {"seen in the kidney clinic",
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 seen in the kidney clinic", "a woman"),
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 seen in the kidney clinic", "a man"),
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 seen in the kidney clinic", "a patient")},
    {"admitted after three days of vomiting",
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 admitted after three days of vomiting", "a woman"),
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 admitted after three days of vomiting", "a man"),
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 admitted after three days of vomiting", "a patient")},
    {"on the ward after a week of septic shock",
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 on the ward after a week of septic shock", "a woman"),
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 on the ward after a week of septic shock", "a man"),
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 on the ward after a week of septic shock", "a patient")},
    {"with swollen ankles for a month",
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 with swollen ankles for a month", "a woman"),
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 with swollen ankles for a month", "a man"),
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 with swollen ankles for a month", "a patient")},
    {"admitted with confusion",
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 admitted with confusion", "a woman"),
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 admitted with confusion", "a man"),
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 admitted with confusion", "a patient")},
    {"taking a diuretic for high blood pressure",
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 taking a diuretic for high blood pressure", "a woman"),
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 taking a diuretic for high blood pressure", "a man"),
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 taking a diuretic for high blood pressure", "a patient")},
    {"after a week of diarrhoea",
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 after a week of diarrhoea", "a woman"),
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 after a week of diarrhoea", "a man"),
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 after a week of diarrhoea", "a patient")},
    {"two days after starting chemotherapy for lymphoma",
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 two days after starting chemotherapy for lymphoma", "a woman"),
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 two days after starting chemotherapy for lymphoma", "a man"),
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 two days after starting chemotherapy for lymphoma", "a patient")},
    {"with poorly controlled type 2 diabetes",
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 with poorly controlled type 2 diabetes", "a woman"),
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 with poorly controlled type 2 diabetes", "a man"),
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 with poorly controlled type 2 diabetes", "a patient")},
    {"whose father had a heart attack at 45",
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 whose father had a heart attack at 45", "a woman"),
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 whose father had a heart attack at 45", "a man"),
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 whose father had a heart attack at 45", "a patient")},
    {"with central obesity",
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 with central obesity", "a woman"),
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 with central obesity", "a man"),
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 with central obesity", "a patient")},
    {"on a statin and a PCSK9 inhibitor",
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 on a statin and a PCSK9 inhibitor", "a woman"),
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 on a statin and a PCSK9 inhibitor", "a man"),
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 on a statin and a PCSK9 inhibitor", "a patient")},
    {"with itching for two weeks",
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 with itching for two weeks", "a woman"),
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 with itching for two weeks", "a man"),
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 with itching for two weeks", "a patient")},
    {"after a week of nausea and dark urine",
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 after a week of nausea and dark urine", "a woman"),
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 after a week of nausea and dark urine", "a man"),
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 after a week of nausea and dark urine", "a patient")},
    {"who drinks a bottle of wine a day",
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 who drinks a bottle of wine a day", "a woman"),
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 who drinks a bottle of wine a day", "a man"),
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 who drinks a bottle of wine a day", "a patient")},
    {"with tiredness and yellow eyes",
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 with tiredness and yellow eyes", "a woman"),
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 with tiredness and yellow eyes", "a man"),
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 with tiredness and yellow eyes", "a patient")},
    {"who has felt tired for months",
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 who has felt tired for months", "a woman"),
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 who has felt tired for months", "a man"),
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 who has felt tired for months", "a patient")},
    {"with long-standing rheumatoid arthritis",
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 with long-standing rheumatoid arthritis", "a woman"),
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 with long-standing rheumatoid arthritis", "a man"),
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 with long-standing rheumatoid arthritis", "a patient")},
    {"with joint pains and tiredness",
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 with joint pains and tiredness", "a woman"),
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 with joint pains and tiredness", "a man"),
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 with joint pains and tiredness", "a patient")},
    {"with severe upper abdominal pain",
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 with severe upper abdominal pain", "a woman"),
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 with severe upper abdominal pain", "a man"),
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 with severe upper abdominal pain", "a patient")},
    {"with a raised amylase found at a routine check",
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 with a raised amylase found at a routine check", "a woman"),
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 with a raised amylase found at a routine check", "a man"),
     QT_TRANSLATE_NOOP3("quarvex::Scenario", "%1 with a raised amylase found at a routine check", "a patient")},
};
// clang-format on

// The panel of each analyte; 0 for one every scenario reports (age, weight, gender).
unsigned panelOf(AnalyteId id)
{
    switch (id) {
    case A::Age:
    case A::Weight:
    case A::Gender:
        return 0;
    case A::SerumCreatinine:
    case A::UrineCreatinine:
    case A::SerumSodium:
    case A::UrineSodium:
    case A::SerumPotassium:
    case A::UrinePotassium:
    case A::SerumUrea:
    case A::UrineUrea:
    case A::UrineProtein:
    case A::UrineVolume:
        return KidneyPanel;
    case A::SerumCalcium:
    case A::UrineCalcium:
    case A::SerumPhosphorus:
    case A::UrinePhosphorus:
    case A::SerumUrate:
    case A::UrineUrate:
        return MineralPanel;
    case A::Chol:
    case A::HDL:
    case A::LDL:
    case A::Triglycerides:
        return LipidPanel;
    case A::AST:
    case A::ALT:
    case A::BilirubinDirect:
    case A::BilirubinTotal:
    case A::Albumin:
    case A::Globulin:
        return LiverPanel;
    case A::Iron:
    case A::TIBC:
    case A::Ferritin:
    case A::Transferrin:
        return IronPanel;
    case A::SerumAmylase:
    case A::UrineAmylase:
        return PancreasPanel;
    }
    return 0;
}

// Heights in cm for the weight from a BMI: the middle of adult heights,
// an estimate of this program.
constexpr double MenHeight[2] = {160.0, 192.0};
constexpr double WomenHeight[2] = {150.0, 178.0};

// The CKD-EPI 2021 constants (the same as the eGFR item's formula, [U14]).
constexpr double EpiFactor = 142.0;
constexpr double EpiAge = 0.9938;
constexpr double EpiWomen = 1.012;
constexpr double EpiAbove = -1.200;
constexpr double EpiKappaMen = 0.9, EpiKappaWomen = 0.7;
constexpr double EpiAlphaMen = -0.302, EpiAlphaWomen = -0.241;

constexpr AnalyteId Order[] = {
    A::Age,
    A::Gender,
    A::Weight,
    A::SerumCreatinine,
    A::SerumSodium,
    A::SerumPotassium,
    A::SerumCalcium,
    A::SerumPhosphorus,
    A::SerumUrate,
    A::SerumUrea,
    A::UrineCreatinine,
    A::UrineSodium,
    A::UrinePotassium,
    A::UrineCalcium,
    A::UrineUrea,
    A::UrineUrate,
    A::UrineProtein,
    A::UrineVolume,
    A::UrinePhosphorus,
    A::SerumAmylase,
    A::UrineAmylase,
    A::Triglycerides,
    A::HDL,
    A::LDL,
    A::Chol,
    A::ALT,
    A::AST,
    A::BilirubinTotal,
    A::BilirubinDirect,
    A::Albumin,
    A::Globulin,
    A::TIBC,
    A::Iron,
    A::Transferrin,
    A::Ferritin,
};
static_assert(std::size(Order) == AnalyteCount, "every analyte is drawn once");

} // namespace

std::span<const Scenario> scenarios()
{
    return Table;
}

const Scenario* findScenario(QStringView id)
{
    for (const Scenario& s : Table) {
        if (id.trimmed().compare(QLatin1String(s.id), Qt::CaseInsensitive) == 0)
            return &s;
    }
    return nullptr;
}

QStringList scenarioIds()
{
    QStringList ids;
    for (const Scenario& s : Table)
        ids << QString::fromLatin1(s.id);
    return ids;
}

const ValueRule* scenarioRule(const Scenario& scenario, AnalyteId id)
{
    for (const ValueRule& r : scenario.rules) {
        if (r.id == id)
            return &r;
    }
    const unsigned panel = panelOf(id);
    if (panel != 0 && !(scenario.panels & panel))
        return nullptr;
    for (const ValueRule& r : Healthy) {
        if (r.id == id)
            return &r;
    }
    return nullptr;
}

bool reportsAll(const Scenario& scenario, std::span<const AnalyteId> ids)
{
    return std::all_of(ids.begin(), ids.end(), [&](AnalyteId id) {
        return id == A::Age || id == A::Gender || scenarioRule(scenario, id);
    });
}

bool supports(const Scenario& scenario, ItemId id)
{
    QList<AnalyteId> inputs;
    for (AnalyteId a : item(id).checks())
        inputs << a;
    const bool gfrEstimate = id == ItemId::CreatinineClearance || id == ItemId::EgfrCkdEpi;
    return reportsAll(scenario, inputs) && !(gfrEstimate && scenario.acute);
}

QString shownPersonWithContext(const QString& person, const QString& clause, const QString& gender)
{
    for (const ContextTemplates& c : Contexts) {
        if (clause != QLatin1String(c.clause))
            continue;
        const ClauseTemplate& t = gender == QLatin1String(GenderFemale) ? c.woman
                                  : gender == QLatin1String(GenderMale) ? c.man
                                                                        : c.patient;
        return QCoreApplication::translate("quarvex::Scenario", t.source, t.comment).arg(person);
    }
    return clause.isEmpty() ? person : person + QLatin1Char(' ') + clause;
}

std::span<const AnalyteId> drawOrder()
{
    return Order;
}

QList<AnalyteId> readsOf(const ValueRule& rule)
{
    switch (rule.rule) {
    case Rule::TimesOf:
        return {rule.of};
    case Rule::Fractional:
        return {rule.of, A::UrineCreatinine, A::SerumCreatinine};
    case Rule::PerUrineCr:
        return {A::UrineCreatinine};
    case Rule::Clearance:
        return {rule.of, A::UrineVolume};
    case Rule::LipidSum:
        return {A::LDL, A::HDL, A::Triglycerides};
    case Rule::Range:
    case Rule::LogRange:
    case Rule::FromGfr:
    case Rule::FromBmi:
    case Rule::SexRange:
        return {};
    }
    return {};
}

double creatinineForGfr(double gfr, int age, bool male)
{
    const double kappa = male ? EpiKappaMen : EpiKappaWomen;
    const double alpha = male ? EpiAlphaMen : EpiAlphaWomen;
    // The eGFR at creatinine = κ; above it the −1.200 branch holds, below it α.
    const double atKappa = EpiFactor * std::pow(EpiAge, age) * (male ? 1.0 : EpiWomen);
    const double exponent = gfr <= atKappa ? EpiAbove : alpha;
    return kappa * std::pow(gfr / atKappa, 1.0 / exponent);
}

double drawByRule(const ValueRule& rule, const ScenarioPatient& p, PracticeRandom& random)
{
    const auto at = [&](AnalyteId id) { return p.values[size_t(id)]; };
    const double u = random.unit();
    const double between = rule.low + (rule.high - rule.low) * u;
    switch (rule.rule) {
    case Rule::Range:
        return between;
    case Rule::LogRange:
        return rule.low * std::pow(rule.high / rule.low, u);
    case Rule::SexRange:
        return p.male ? between : rule.low2 + (rule.high2 - rule.low2) * u;
    case Rule::FromGfr:
        return creatinineForGfr(between, p.age, p.male);
    case Rule::TimesOf:
        return at(rule.of) * between;
    case Rule::Fractional:
        return between * at(rule.of) * at(A::UrineCreatinine) / at(A::SerumCreatinine);
    case Rule::PerUrineCr:
        // Protein in g/L over creatinine in mg/dL: mg/mg × mg/dL ÷ 100.
        return between * at(A::UrineCreatinine) / (rule.id == A::UrineProtein ? 100.0 : 1.0);
    case Rule::Clearance:
        return between * at(rule.of) * 1440.0 / at(A::UrineVolume);
    case Rule::LipidSum:
        return at(A::LDL) + at(A::HDL) + at(A::Triglycerides) / 5.0;
    case Rule::FromBmi: {
        const double* height = p.male ? MenHeight : WomenHeight;
        const double metres = (height[0] + (height[1] - height[0]) * random.unit()) / 100.0;
        return between * metres * metres;
    }
    }
    return between;
}

} // namespace quarvex
