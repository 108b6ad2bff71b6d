// Reading a value text and running a check on it, under an English and a
// German locale: no text may crash, and every answer must hold together.
#include "analytes/inputs.h"
#include "analytes/number.h"
#include "fuzzsupport.h"

#include <cmath>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace quarvex;
    using namespace quarvex::fuzz;
    if (size < 2)
        return 0;
    const QLocale locale = localeOf(data[0]);
    const auto id = AnalyteId(data[1] % AnalyteCount);
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data + 2), qsizetype(size - 2));

    const NumberReading reading = readNumberText(text, locale);
    const std::optional<double> number = readNumber(text, locale);
    require(number.has_value() == (reading.status == NumberStatus::Ok));
    if (number)
        require(std::isfinite(*number) && *number == reading.value);
    if (reading.status == NumberStatus::Overflow)
        require(std::isinf(reading.value));
    if (reading.status == NumberStatus::Underflow)
        require(reading.value == 0.0);
    const WholeNumber whole = readWholeNumber(text, locale);
    require((whole.status == WholeNumberStatus::NotANumber) ==
            (reading.status == NumberStatus::NotANumber));
    if (whole.status == WholeNumberStatus::Ok)
        require(whole.rounded >= -32768 && whole.rounded <= 32767 &&
                std::fabs(whole.number - whole.rounded) <= 0.5 &&
                !(whole.number > 0.0 && whole.number < SmallestPositiveValue));
    if (whole.status == WholeNumberStatus::TooSmall)
        require(!std::signbit(whole.number) && whole.number < SmallestPositiveValue);

    const Analyte& a = analyte(id);
    MapFields fields;
    const QString unit =
        a.unitCount > 0 ? QString::fromLatin1(a.units[data[0] % a.unitCount].text) : QString();
    fields.set(id, text, unit);
    const Inputs inputs(fields, locale);
    const std::optional<Finding>& finding = inputs.finding(id);
    if (finding) {
        // A finding concerns its analyte and says so; a box always comes with
        // its beep, and only for a value that is not a whole number that fits
        // or is too small. A message never shows a control character.
        require(finding->analyte == id);
        require(finding->text.startsWith(a.accessibleName()));
        for (QChar c : finding->text)
            require(c.unicode() >= 0x20 && c.unicode() != 0x7f);
        const FindingAlert alert = alertFor(*finding);
        require(!alert.box || alert.beep);
        require(alert.box == (id != AnalyteId::Gender && !text.isEmpty() &&
                              whole.status != WholeNumberStatus::Ok));
    }
    if (!finding && id != AnalyteId::Gender) {
        require(number && *number >= SmallestPositiveValue);
        const ConvertedInput& input = inputs[id];
        require(input.typed == *number && !std::isnan(input.converted));
    }
    return 0;
}
