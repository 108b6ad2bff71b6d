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
