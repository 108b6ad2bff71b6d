#include "overview/frmdata.h"

#include "app/keyboard.h"
#include "app/metrics.h"
#include "cases/casefile.h"
#include "practice/scenarios.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTabWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace quarvex {

namespace {

using A = AnalyteId;

// A titled group of fields on a tab page, placed in a column of the page's grid.
struct Section {
    const char* objectName;
    const char* heading;
    int column; // 0 left, 1 right
    int row;    // grid row of the heading
    std::initializer_list<AnalyteId> fields;
};

// clang-format off
const Section BloodSections[] = {
    {"IronStudiesLabel", QT_TRANSLATE_NOOP("quarvex::DataEntryWindow", "Iron Studies"), 0, 0, {A::Iron, A::Ferritin, A::TIBC, A::Transferrin}},
    {"MineralsLabel", QT_TRANSLATE_NOOP("quarvex::DataEntryWindow", "Minerals"), 0, 5, {A::SerumCalcium, A::SerumPhosphorus, A::SerumPotassium, A::SerumSodium}},
    {"KidneyLabel", QT_TRANSLATE_NOOP("quarvex::DataEntryWindow", "Kidney Function"), 0, 10, {A::SerumCreatinine, A::SerumUrate, A::SerumUrea}},
    {"LipidsLabel", QT_TRANSLATE_NOOP("quarvex::DataEntryWindow", "Lipids"), 1, 0, {A::Chol, A::HDL, A::LDL, A::Triglycerides}},
    {"LiverLabel", QT_TRANSLATE_NOOP("quarvex::DataEntryWindow", "Liver Functions"), 1, 5, {A::Albumin, A::SerumAmylase, A::ALT, A::AST, A::BilirubinDirect, A::BilirubinTotal, A::Globulin}},
};
const Section UrineSections[] = {
    {"Label1", QT_TRANSLATE_NOOP("quarvex::DataEntryWindow", "Urine Sample (24-hour)"), 0, 0, {A::UrineAmylase, A::UrineCalcium, A::UrineCreatinine, A::UrineProtein, A::UrinePotassium, A::UrineSodium, A::UrineUrea, A::UrineVolume, A::UrinePhosphorus, A::UrineUrate}},
};
const AnalyteId TopRow[] = {A::Age, A::Gender, A::Weight};
// clang-format on

// Grid columns of one section column: caption, value, unit; a gap between the
// two section columns.
constexpr int ColumnsPerSection = 4;

QLabel* heading(const char* objectName, const char* text, QWidget* parent)
{
    auto* label = new QLabel(QCoreApplication::translate("quarvex::DataEntryWindow", text), parent);
    label->setObjectName(QString::fromLatin1(objectName));
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * metrics::DataHeadingScale);
    label->setFont(font);
    return label;
}

int valueWidth(const QWidget* w)
{
    return w->fontMetrics().horizontalAdvance(QStringLiteral("00000.00")) + 16;
}

// Lays out the value and unit widgets of one analyte in grid row `row`.
void placeAnalyte(QGridLayout* grid, const AnalyteWidgets& w, int row, int column)
{
    grid->addWidget(w.caption, row, column);
    QWidget* value = w.valueWidget();
    if (w.value)
        value->setFixedWidth(valueWidth(value));
    grid->addWidget(value, row, column + 1);
    if (QWidget* unit = w.unitWidget())
        grid->addWidget(unit, row, column + 2);
}

QWidget* buildPage(const char* objectName, std::span<const Section> sections, AnalyteForm& form,
                   QList<QWidget*>& tabChain)
{
    auto* page = new QWidget;
    page->setObjectName(QString::fromLatin1(objectName));
    auto* grid = new QGridLayout(page);
    grid->setVerticalSpacing(4);
    int lastRow = 0;
    for (int column : {0, 1}) {
        for (const Section& s : sections) {
            if (s.column != column)
                continue;
            const int gridColumn = s.column * ColumnsPerSection;
            int row = s.row;
            grid->addWidget(heading(s.objectName, s.heading, page), row, gridColumn, 1, 3);
            for (AnalyteId id : s.fields) {
                const AnalyteWidgets& w = form.add(id, page);
                placeAnalyte(grid, w, ++row, gridColumn);
                tabChain << w.valueWidget();
                if (w.unitList)
                    tabChain << w.unitList;
            }
            lastRow = std::max(lastRow, row);
        }
    }
    const bool twoColumns = std::any_of(sections.begin(), sections.end(),
                                        [](const Section& s) { return s.column == 1; });
    if (twoColumns)
        grid->setColumnMinimumWidth(ColumnsPerSection - 1, 24);
    grid->setRowStretch(lastRow + 1, 1);
    grid->setColumnStretch(twoColumns ? 2 * ColumnsPerSection : ColumnsPerSection, 1);
    return page;
}

QPushButton* button(const char* objectName, const QString& text, QWidget* parent)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(objectName));
    b->setAutoDefault(false);
    return b;
}

} // namespace

DataEntryWindow::DataEntryWindow()
{
    setObjectName(QStringLiteral("frmData"));
    setWindowTitle(tr("Data Entry"));

    QList<QWidget*> tabChain;

    auto* top = new QGridLayout;
    int column = 0;
    for (AnalyteId id : TopRow) {
        const AnalyteWidgets& w = m_form.add(id, this);
        placeAnalyte(top, w, 0, column);
        column += w.unitWidget() ? 3 : 2;
        tabChain << w.valueWidget();
        if (w.unitList)
            tabChain << w.unitList;
        if (column < 7)
            top->setColumnMinimumWidth(column++, 12);
    }
    top->setColumnStretch(column, 1);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("TabStrip1"));
    tabChain << m_tabs; // its focus goes to the tab bar
    const QString blood = tr("Blood");
    const QString urine = tr("Urine");
    m_tabs->addTab(buildPage("Frame1_1", BloodSections, m_form, tabChain), blood);
    m_tabs->addTab(buildPage("Frame1_2", UrineSections, m_form, tabChain), urine);
    // A screen reader names each page after its tab.
    m_tabs->widget(0)->setAccessibleName(blood);
    m_tabs->widget(1)->setAccessibleName(urine);
    m_tabs->setCurrentIndex(0);
    setProperty("CurrentFrame", m_currentFrame);
    connect(m_tabs, &QTabWidget::currentChanged, this, &DataEntryWindow::tabClicked);

    QPushButton* clear = button("ClearButton", tr("Clear"), this);
    QPushButton* open = button("OpenCaseButton", tr("Open Case\u2026"), this);
    QPushButton* save = button("SaveCaseButton", tr("Save Case"), this);
    QPushButton* saveAs = button("SaveCaseAsButton", tr("Save Case As\u2026"), this);
    QPushButton* example = button("ExampleCaseButton", tr("Example Case"), this);
    example->setAccessibleName(tr("Example Case"));
    example->setToolTip(tr("Fill the fields with a patient of a clinical scenario"));
    auto* scenarioMenu = new QMenu(example);
    scenarioMenu->setObjectName(QStringLiteral("ExampleCaseMenu"));
    scenarioMenu->setAccessibleName(tr("Clinical scenarios"));
    for (const Scenario& scenario : scenarios()) {
        const QString id = QString::fromLatin1(scenario.id);
        QAction* action = scenarioMenu->addAction(
            QCoreApplication::translate("quarvex::Scenario", scenario.title));
        action->setObjectName(QStringLiteral("Scenario_") + id);
        action->setToolTip(QCoreApplication::translate("quarvex::Scenario", scenario.line));
        connect(action, &QAction::triggered, this, [this, id] { Q_EMIT exampleCaseRequested(id); });
    }
    example->setMenu(scenarioMenu);
    QPushButton* ok = button("OKbutton", tr("OK"), this);
    QPushButton* exit = button("EXITbutton", tr("EXIT"), this);
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    saveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    connect(clear, &QPushButton::clicked, this, &DataEntryWindow::clearRequested);
    connect(open, &QPushButton::clicked, this, &DataEntryWindow::openCaseRequested);
    connect(save, &QPushButton::clicked, this, &DataEntryWindow::saveCaseRequested);
    connect(saveAs, &QPushButton::clicked, this, &DataEntryWindow::saveCaseAsRequested);
    connect(ok, &QPushButton::clicked, this, &DataEntryWindow::listRequested);
    connect(exit, &QPushButton::clicked, this, &QWidget::close);
    tabChain << clear << open << save << saveAs << example << ok << exit;
    pressDefaultOnEnter(this, ok);

    m_caseLabel = new QLabel(this);
    m_caseLabel->setObjectName(QStringLiteral("CaseLabel"));
    m_caseLabel->setAccessibleName(tr("Case"));
    m_caseLabel->setTextFormat(Qt::PlainText);

    m_errors = new QLineEdit(QStringLiteral("0"), this);
    m_errors->setObjectName(QStringLiteral("Errors"));
    m_errors->setAccessibleName(tr("Error count"));
    m_errors->setFocusPolicy(Qt::NoFocus);
    m_errors->setVisible(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(clear);
    buttons->addSpacing(12);
    buttons->addWidget(open);
    buttons->addWidget(save);
    buttons->addWidget(saveAs);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(exit);

    auto* layout = new QVBoxLayout(this);
    // The case's name, and beside it a patient of a scenario to start from.
    auto* caseRow = new QHBoxLayout;
    caseRow->addWidget(m_caseLabel, 1);
    caseRow->addWidget(example);
    layout->addLayout(caseRow);
    layout->addLayout(top);
    layout->addWidget(m_tabs, 1);
    layout->addLayout(buttons);

    for (qsizetype i = 1; i < tabChain.size(); ++i)
        setTabOrder(tabChain.at(i - 1), tabChain.at(i));
    m_form.widgets(A::Age).value->setFocus();
    m_marks = new FieldMarks(m_form, this);

    // Every edit of a field may make the case differ from its file; a case
    // file dropped on a field opens like one dropped anywhere else.
    for (AnalyteId id : m_form.order()) {
        const AnalyteWidgets& w = m_form.widgets(id);
        if (w.value)
            connect(w.value, &QLineEdit::textChanged, this, &DataEntryWindow::fieldsEdited);
        for (QComboBox* box : {w.choice, w.unitList}) {
            if (box)
                connect(box, &QComboBox::editTextChanged, this, &DataEntryWindow::fieldsEdited);
        }
    }
    for (QLineEdit* edit : findChildren<QLineEdit*>())
        edit->installEventFilter(this);
    setAcceptDrops(true);
    m_savedTexts = fieldTexts();
    showCaseState();
}

void DataEntryWindow::tabClicked(int index)
{
    const int selected = index + 1;
    if (selected == m_currentFrame)
        return;
    m_currentFrame = selected;
    setProperty("CurrentFrame", m_currentFrame);
}

int DataEntryWindow::errors() const
{
    return m_errors->text().toInt();
}

void DataEntryWindow::setErrors(int errors)
{
    m_errors->setText(QString::number(errors));
}

void DataEntryWindow::clearFields()
{
    m_form.clear();
    setErrors(0);
    m_marks->clearMarks();
    m_marks->refresh();
    markSaved(QString());
}

QStringList DataEntryWindow::fieldTexts() const
{
    QStringList texts;
    for (AnalyteId id : m_form.order())
        texts << m_form.value(id) << m_form.unit(id);
    return texts;
}

bool DataEntryWindow::hasUnsavedChanges() const
{
    return fieldTexts() != m_savedTexts;
}

void DataEntryWindow::loadCase(const Fields& fields, const QString& path)
{
    for (AnalyteId id : m_form.order()) {
        m_form.setValue(id, fields.value(id));
        if (m_form.widgets(id).unitList)
            m_form.setUnit(id, fields.unit(id));
    }
    markSaved(path);
}

void DataEntryWindow::markSaved(const QString& path)
{
    m_casePath = path;
    m_savedTexts = fieldTexts();
    m_unsaved = false;
    showCaseState();
}

void DataEntryWindow::fieldsEdited()
{
    const bool unsaved = hasUnsavedChanges();
    if (unsaved == m_unsaved)
        return;
    m_unsaved = unsaved;
    showCaseState();
}

void DataEntryWindow::showCaseState()
{
    const QString name = m_casePath.isEmpty() ? tr("Untitled") : QFileInfo(m_casePath).fileName();
    const QString text =
        m_unsaved ? tr("Case: %1 (unsaved changes)").arg(name) : tr("Case: %1").arg(name);
    m_caseLabel->setText(text);
    m_caseLabel->setToolTip(QDir::toNativeSeparators(m_casePath));
    Q_EMIT caseStateChanged();
}

void DataEntryWindow::closeEvent(QCloseEvent* event)
{
    if (m_closeGuard && !m_closeGuard()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

QString DataEntryWindow::droppedCase(const QMimeData* data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1)
        return {};
    const QUrl url = data->urls().constFirst();
    if (!url.isLocalFile())
        return {};
    const QString path = url.toLocalFile();
    return QFileInfo(path).suffix().compare(QLatin1String(CaseSuffix), Qt::CaseInsensitive) == 0
               ? path
               : QString();
}

// Takes a drag or drop event that brings a case file; false leaves it to
// whoever it was meant for (a field takes dropped text).
bool DataEntryWindow::takeDrop(QEvent* event)
{
    auto* drop = static_cast<QDropEvent*>(event);
    const QString path = droppedCase(drop->mimeData());
    if (path.isEmpty())
        return false;
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (event->type() == QEvent::Drop) {
        // The question and the boxes that opening may show wait until the
        // drag is over.
        QMetaObject::invokeMethod(
            this, [this, path] { Q_EMIT caseDropped(path); }, Qt::QueuedConnection);
    }
    return true;
}

void DataEntryWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!takeDrop(event))
        QWidget::dragEnterEvent(event);
}

void DataEntryWindow::dragMoveEvent(QDragMoveEvent* event)
{
    if (!takeDrop(event))
        QWidget::dragMoveEvent(event);
}

void DataEntryWindow::dropEvent(QDropEvent* event)
{
    if (!takeDrop(event))
        QWidget::dropEvent(event);
}

bool DataEntryWindow::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        if (takeDrop(event))
            return true;
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace quarvex
