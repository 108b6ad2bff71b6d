#include "app/frmdisclaimer.h"

#include "app/frmswitchboard.h"
#include "app/keyboard.h"
#include "app/metrics.h"
#include "app/qtdialogs.h"
#include "app/scrollfit.h"
#include "app/windows.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

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

DisclaimerWindow::DisclaimerWindow(const QString& casePath)
    : m_casePath(casePath)
{
    setObjectName(QStringLiteral("frmDisclaimer"));
    setWindowTitle(tr("Disclaimer"));

    auto* label = new QLabel(displayText(disclaimerText()), this);
    label->setObjectName(QStringLiteral("Label"));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* proceed = new QPushButton(tr("Continue"), this);
    proceed->setObjectName(QStringLiteral("CommandButton0"));
    proceed->setAutoDefault(true);
    proceed->setDefault(true);
    auto* exit = new QPushButton(tr("Exit"), this);
    exit->setObjectName(QStringLiteral("CommandButton1"));
    exit->setAutoDefault(true);

    connect(proceed, &QPushButton::clicked, this, &DisclaimerWindow::proceed);
    connect(exit, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(proceed);
    buttons->addWidget(exit);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 16);
    layout->setSpacing(16);
    layout->addWidget(label, 1);
    layout->addLayout(buttons);

    pressDefaultOnEnter(this, proceed);
    keepWrappedTextWhole(label, metrics::DisclaimerTextWidth);
    resize(560, 0);
    proceed->setFocus();
}

void DisclaimerWindow::proceed()
{
    SwitchboardWindow* switchboard = showWindow<SwitchboardWindow>();
    if (!m_casePath.isEmpty())
        switchboard->openCase(m_casePath);
    close();
}

} // namespace quarvex
