#include "app/frmswitchboard.h"

#include "app/frmabout.h"
#include "app/metrics.h"
#include "app/navigation.h"
#include "app/windows.h"
#include "overview/overviewwindows.h"
#include "practice/frmpractice.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quarvex {

namespace {

constexpr Qt::WindowFlags FixedDialog = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                        Qt::WindowCloseButtonHint |
                                        Qt::MSWindowsFixedSizeDialogHint;

QLabel* explanation(const char* name, const QString& text, QRadioButton* option, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    option->setAccessibleDescription(text);
    return label;
}

QPushButton* button(const char* name, const QString& text, QWidget* parent)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

} // namespace

SwitchboardWindow::SwitchboardWindow()
    : QDialog(nullptr, FixedDialog)
{
    setObjectName(QStringLiteral("frmSwitchboard"));
    setWindowTitle(tr("Quarvex Options"));

    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("Frame"));

    m_quick = new QRadioButton(tr("Quick Calculator"), frame);
    m_quick->setObjectName(QStringLiteral("Option1"));
    auto* label1 = explanation(
        "Label1", tr("Quickly calculate results for an individual test item."), m_quick, frame);
    m_overview = new QRadioButton(tr("Comprehensive Overview"), frame);
    m_overview->setObjectName(QStringLiteral("Option2"));
    auto* label2 = explanation(
        "Label2", tr("Enter data for results of multiple test items (results can be exported)."),
        m_overview, frame);
    m_practice = new QRadioButton(tr("Practice"), frame);
    m_practice->setObjectName(QStringLiteral("Option3"));
    auto* label3 = explanation(
        "Label3", tr("Work generated cases step by step; every step is checked and explained."),
        m_practice, frame);
    m_quick->setChecked(true);

    // The explanations sit under their options, indented to the option's text.
    const int indent =
        m_quick->sizeHint().width() - m_quick->fontMetrics().horizontalAdvance(m_quick->text());
    auto* options = new QVBoxLayout(frame);
    options->setSpacing(4);
    options->addWidget(m_quick);
    options->addWidget(label1);
    options->addSpacing(12);
    options->addWidget(m_overview);
    options->addWidget(label2);
    options->addSpacing(12);
    options->addWidget(m_practice);
    options->addWidget(label3);
    options->addStretch();
    label1->setContentsMargins(indent, 0, 0, 0);
    label2->setContentsMargins(indent, 0, 0, 0);
    label3->setContentsMargins(indent, 0, 0, 0);
    frame->setMinimumWidth(metrics::SwitchboardFrameWidth);

    auto* ok = button("OKButton", tr("OK"), this);
    auto* exit = button("ExitButton", tr("Exit"), this);
    auto* about = button("AboutButton", tr("About"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &SwitchboardWindow::openChosen);
    connect(exit, &QPushButton::clicked, this, &QWidget::close);
    connect(about, &QPushButton::clicked, this, [] { showWindow<AboutWindow>(); });

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(exit);
    buttons->addWidget(about);
    buttons->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(16);
    layout->addWidget(frame, 1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    m_quick->setFocus();
}

void SwitchboardWindow::openChosen()
{
    if (m_overview->isChecked())
        overviewWindows()->showDataEntry();
    else if (m_practice->isChecked())
        showPractice();
    else
        showSelector();
}

void SwitchboardWindow::openCase(const QString& path)
{
    m_overview->setChecked(true);
    OverviewWindows* overview = overviewWindows();
    overview->showDataEntry();
    overview->openCaseFile(path);
}

// The overview while any of its windows is open, else a new one.
OverviewWindows* SwitchboardWindow::overviewWindows()
{
    if (!m_overviewWindows) {
        m_overviewWindows = new OverviewWindows(dialogs(), QCoreApplication::instance());
        // A later OK starts afresh even before the old one is deleted.
        connect(m_overviewWindows, &OverviewWindows::finished, this,
                [this] { m_overviewWindows = nullptr; });
        connect(m_overviewWindows, &OverviewWindows::finished, m_overviewWindows,
                &QObject::deleteLater);
        if (!m_exportFolder.isEmpty())
            m_overviewWindows->setExportFolder(m_exportFolder);
        connect(m_overviewWindows, &OverviewWindows::exported, this,
                [this](const QString& path) { m_exportFolder = QFileInfo(path).absolutePath(); });
    }
    return m_overviewWindows;
}

void SwitchboardWindow::keyPressEvent(QKeyEvent* event)
{
    // Escape does not close the switchboard: closing it is what Exit is for.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace quarvex
