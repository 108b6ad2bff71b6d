#pragma once

#include "practice/exercise.h"
#include "practice/grade.h"

#include <QByteArray>
#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QLocale>
#include <QString>

#include <optional>

namespace quarvex {

// The largest seed: a whole number that every JSON reader keeps exactly.
inline constexpr quint64 MaxPracticeSeed = (quint64(1) << 53) - 1;

// An exercise as JSON: item {id, name}, seed, level, generator, scenarios
// (the choice, where one was made), scenario (the case's), note (where the
// case misses the band aimed at), case (field → text as
// in a case file), caseText, and steps [{id, label, prompt, unit, kind,
// choices, tolerance, given}]; with answers each step's expected value too
// (a number, or the choice's text). A given step always carries its value.
QJsonObject exerciseJson(const Exercise& exercise, bool answers);

// Why an exercise's "generator" value cannot be used: absent (an earlier
// generator), or another version than GeneratorVersion; empty when it is
// this version. The exercise must then be made again, never graded against
// a different case.
QString generatorProblem(const QJsonValue& generator);

// What --grade reads: {"item", "seed", "level", "generator", "scenarios" (optional),
// "answers": {step id: number or text}}.
struct GradeRequest {
    ItemId item = ItemId::CreatinineClearance;
    quint64 seed = 0;
    int level = 1;
    QStringList scenarios;           // the scenario choice; empty: any
    QHash<QString, QString> answers; // JSON numbers written with a decimal point
};
// Reads a request; on a fault returns nothing and says why in `error`
// (a step id the exercise does not have is a fault too).
std::optional<GradeRequest> readGradeRequest(const QByteArray& json, QString& error);

// A grade as JSON: {"steps": [{id, correct, carried, expected, feedback, slip}],
// "correct", "right", "carried", "asked", "score"} (slip: the slip's id or null;
// score from 0 to 1; "right" the steps right from the case itself, "carried"
// those right from the learner's earlier answers, counted in "correct" unless
// they were not counted).
QJsonObject gradeJson(const Exercise& exercise, const Grade& grade);

// Every item's stable id and list text, in the overview's order.
QJsonArray itemListJson();

} // namespace quarvex
