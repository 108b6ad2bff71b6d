#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace quarvex {

// The code printed beside every exercise of a worksheet, e.g. "K7Q4-12-1C":
// the sheet's id (four characters, the first a letter), the version, the
// exercise's number on the version (both from 1, without leading zeros) and a
// check character.
//
// Codes use 29 characters: the digits and the 19 capitals that do not read
// like a digit (no B, G, I, L, O, S, Z). The sheet id starts with a letter,
// so a spreadsheet keeps a code as text rather than reading a number or a
// date into it.
//
// The check character makes the weighted sum of the whole code zero modulo
// the prime 29, with the weights the powers of 2 counted from the end (the
// construction of the pure systems of ISO/IEC 7064, such as MOD 11-2 and
// MOD 37-2, over this alphabet; a hyphen counts as 0). Because 29 is prime
// and 2 generates every nonzero remainder, it catches every single changed
// character and every swap of two neighbouring ones; together with the
// code's form (a hyphen moved makes a field start with 0, be empty or change
// length) no such slip gives another valid code. (Luhn mod N misses the swap
// of the alphabet's first and last characters.)
inline constexpr char CodeAlphabet[] = "0123456789ACDEFHJKMNPQRTUVWXY";
inline constexpr int CodeRadix = 29;
inline constexpr int SheetIdLength = 4;
inline constexpr int MaxCodeNumber = 999; // the largest version or exercise number

struct ExerciseCode {
    QString sheet;    // the sheet id
    int version = 1;  // from 1
    int exercise = 1; // from 1, the exercise's place on its version
};

// The sheet id for a 64-bit hash: four code characters, the first a letter.
QString sheetIdFromHash(quint64 hash);

// Whether the text is a sheet id as sheetIdFromHash makes them.
bool isSheetId(QStringView text);

// The code of an exercise; the sheet must be a sheet id and the numbers from
// 1 to MaxCodeNumber.
QString exerciseCode(const ExerciseCode& code);

// A code read back, or why it cannot be one: a form that is not a code's, or
// a check character that does not fit (a code mistyped). Spaces around the
// code are ignored, and small letters read as capitals.
struct CodeReading {
    std::optional<ExerciseCode> code;
    QString problem;
};
CodeReading readExerciseCode(QStringView text);

} // namespace quarvex
