#include "overview/disclaimer.h"

#include <QCoreApplication>

namespace quarvex {

QString disclaimerText()
{
    static const char* const pieces[] = {
        QT_TRANSLATE_NOOP("quarvex::DisclaimerWindow",
                          "This software is intended only for educational and personal use."),
        QT_TRANSLATE_NOOP(
            "quarvex::DisclaimerWindow",
            " It is not intended for making clinical decisions pertaining to diagnosis, care, or "
            "management."),
        QT_TRANSLATE_NOOP(
            "quarvex::DisclaimerWindow",
            " Outcomes may vary with other sources and are impacted by newer developments in "
            "diagnostics and therapeutics."),
        QT_TRANSLATE_NOOP("quarvex::DisclaimerWindow", " These should be validated prior to use."),
        "\r",
        "\r",
        QT_TRANSLATE_NOOP("quarvex::DisclaimerWindow",
                          " Although every attempt has been made to provide the latest algorithms "
                          "possible and to "
                          "ensure the accuracy of calculations,"),
        QT_TRANSLATE_NOOP("quarvex::DisclaimerWindow",
                          " the author of this software is not liable for the results generated."),
        QT_TRANSLATE_NOOP(
            "quarvex::DisclaimerWindow",
            " Likewise, while every effort has been made to make sure this program won't interfere "
            "with the normal functioning of the"),
        QT_TRANSLATE_NOOP("quarvex::DisclaimerWindow",
                          " underlying operating system and other programs running,"),
        QT_TRANSLATE_NOOP("quarvex::DisclaimerWindow",
                          " the author of this software won't be responsible for any problems that "
                          "may occur either "
                          "directly or indirectly as a result of "),
        QT_TRANSLATE_NOOP("quarvex::DisclaimerWindow", " running this program."),
    };
    // The pieces are translated one by one, so a translation keeps the breaks.
    QString text;
    for (const char* piece : pieces)
        text += QCoreApplication::translate("quarvex::DisclaimerWindow", piece);
    return text;
}

} // namespace quarvex
