#include "practice/exercisecode.h"

#include <QStringList>

namespace quarvex {

namespace {

constexpr int Letters = 10; // the first letter's value in CodeAlphabet

// A character's value in the alphabet, 0 for a hyphen, or -1.
int valueOf(QChar c)
{
    if (c == QLatin1Char('-'))
        return 0;
    for (int i = 0; i < CodeRadix; ++i) {
        if (c == QLatin1Char(CodeAlphabet[i]))
            return i;
    }
    return -1;
}

// The check character that makes the weighted sum of body + check zero
// modulo 29; the check has weight 1, the character before it 2, then 4, ...
QChar checkCharacter(QStringView body)
{
    int sum = 0, weight = 2;
    for (qsizetype i = body.size() - 1; i >= 0; --i) {
        sum = (sum + valueOf(body[i]) * weight) % CodeRadix;
        weight = weight * 2 % CodeRadix;
    }
    return QLatin1Char(CodeAlphabet[(CodeRadix - sum) % CodeRadix]);
}

// A version or exercise number as a code writes it: digits, no leading zero.
std::optional<int> codeNumber(QStringView text)
{
    if (text.isEmpty() || text.size() > 3 || text.front() == QLatin1Char('0'))
        return std::nullopt;
    int n = 0;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        n = n * 10 + (c.unicode() - '0');
    }
    return n;
}

} // namespace

QString sheetIdFromHash(quint64 hash)
{
    QString id;
    id += QLatin1Char(CodeAlphabet[Letters + hash % (CodeRadix - Letters)]);
    hash /= CodeRadix - Letters;
    for (int i = 1; i < SheetIdLength; ++i) {
        id += QLatin1Char(CodeAlphabet[hash % CodeRadix]);
        hash /= CodeRadix;
    }
    return id;
}

bool isSheetId(QStringView text)
{
    if (text.size() != SheetIdLength || valueOf(text.front()) < Letters)
        return false;
    for (QChar c : text) {
        if (c == QLatin1Char('-') || valueOf(c) < 0)
            return false;
    }
    return true;
}

QString exerciseCode(const ExerciseCode& code)
{
    Q_ASSERT(isSheetId(code.sheet));
    Q_ASSERT(code.version >= 1 && code.version <= MaxCodeNumber);
    Q_ASSERT(code.exercise >= 1 && code.exercise <= MaxCodeNumber);
    const QString body = code.sheet + QLatin1Char('-') + QString::number(code.version) +
                         QLatin1Char('-') + QString::number(code.exercise);
    return body + checkCharacter(body);
}

CodeReading readExerciseCode(QStringView text)
{
    const QString code = text.trimmed().toString().toUpper();
    const auto notACode = [&] {
        return CodeReading{
            std::nullopt,
            QStringLiteral("\"%1\" is not an exercise code (such as K7Q4-12-1C: the sheet, the "
                           "version, the exercise and a check character)")
                .arg(code.left(40))};
    };
    const QStringList parts = code.split(QLatin1Char('-'));
    if (parts.size() != 3 || !isSheetId(parts[0]) || parts[2].size() < 2)
        return notACode();
    const std::optional<int> version = codeNumber(parts[1]);
    const std::optional<int> exercise = codeNumber(QStringView(parts[2]).chopped(1));
    const QChar check = parts[2].back();
    if (!version || !exercise || check == QLatin1Char('-') || valueOf(check) < 0)
        return notACode();
    if (checkCharacter(QStringView(code).chopped(1)) != check)
        return {std::nullopt,
                QStringLiteral("the exercise code %1 has a wrong check character: a character "
                               "is mistyped or two are swapped")
                    .arg(code)};
    return {ExerciseCode{parts[0], *version, *exercise}, {}};
}

} // namespace quarvex
