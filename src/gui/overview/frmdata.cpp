#include "overview/frmdata.h"

#include "app/keyboard.h"
#include "app/metrics.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
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
    {"IronStudiesLabel", "Iron Studies", 0, 0, {A::Iron, A::Ferritin, A::TIBC, A::Transferrin}},
    {"MineralsLabel", "Minerals", 0, 5, {A::SerumCalcium, A::SerumPhosphorus, A::SerumPotassium, A::SerumSodium}},
    {"LipidsLabel", "Lipids", 0, 10, {A::Chol, A::HDL, A::LDL}},
    {"KidneyLabel", "Kidney Function", 1, 0, {A::SerumCreatinine, A::SerumUrate, A::SerumUrea}},
    {"LiverLabel", "Liver Functions", 1, 5, {A::Albumin, A::SerumAmylase, A::ALT, A::AST, A::BilirubinDirect, A::BilirubinTotal, A::Globulin}},
};
const Section UrineSections[] = {
    {"Label1", "Urine Sample (24-hour)", 0, 0, {A::UrineAmylase, A::UrineCalcium, A::UrineCreatinine, A::UrineProtein, A::UrinePotassium, A::UrineSodium, A::UrineUrea, A::UrineVolume, A::UrinePhosphorus, A::UrineUrate}},
};
const AnalyteId TopRow[] = {A::Age, A::Gender, A::Weight};
// clang-format on

// Grid columns of one section column: caption, value, unit; a gap between the
// two section columns.
constexpr int ColumnsPerSection = 4;

QLabel* heading(const char* objectName, const char* text, QWidget* parent)
{
    auto* label = new QLabel(QString::fromLatin1(text), parent);
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

QPushButton* button(const char* objectName, const char* text, QWidget* parent)
{
    auto* b = new QPushButton(QString::fromLatin1(text), parent);
    b->setObjectName(QString::fromLatin1(objectName));
    b->setAutoDefault(false);
    return b;
}

} // namespace

DataEntryWindow::DataEntryWindow()
{
    setObjectName(QStringLiteral("frmData"));
    setWindowTitle(QStringLiteral("Data Entry"));

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
    const QString blood = QStringLiteral("Blood");
    const QString urine = QStringLiteral("Urine");
    m_tabs->addTab(buildPage("Frame1_1", BloodSections, m_form, tabChain), blood);
    m_tabs->addTab(buildPage("Frame1_2", UrineSections, m_form, tabChain), urine);
    // A screen reader names each page after its tab.
    m_tabs->widget(0)->setAccessibleName(blood);
    m_tabs->widget(1)->setAccessibleName(urine);
    m_tabs->setCurrentIndex(0);
    setProperty("CurrentFrame", m_currentFrame);
    connect(m_tabs, &QTabWidget::currentChanged, this, &DataEntryWindow::tabClicked);

    QPushButton* clear = button("ClearButton", "Clear", this);
    QPushButton* ok = button("OKbutton", "OK", this);
    QPushButton* exit = button("EXITbutton", "EXIT", this);
    connect(clear, &QPushButton::clicked, this, &DataEntryWindow::clearFields);
    connect(ok, &QPushButton::clicked, this, &DataEntryWindow::listRequested);
    connect(exit, &QPushButton::clicked, this, &QWidget::close);
    tabChain << clear << ok << exit;
    pressDefaultOnEnter(this, ok);

    m_errors = new QLineEdit(QStringLiteral("0"), this);
    m_errors->setObjectName(QStringLiteral("Errors"));
    m_errors->setAccessibleName(QStringLiteral("Error count"));
    m_errors->setFocusPolicy(Qt::NoFocus);
    m_errors->setVisible(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(clear);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(exit);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_tabs, 1);
    layout->addLayout(buttons);

    for (qsizetype i = 1; i < tabChain.size(); ++i)
        setTabOrder(tabChain.at(i - 1), tabChain.at(i));
    m_form.widgets(A::Age).value->setFocus();
    m_marks = new FieldMarks(m_form, this);
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
}

} // namespace quarvex
