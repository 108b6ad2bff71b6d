#include "overview/frmresult.h"

#include "app/keyboard.h"
#include "app/metrics.h"
#include "overview/resultsmodel.h"
#include "steps/stepsview.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace quarvex {

ResultGrid::ResultGrid(ResultsModel* model, QWidget* parent)
    : QTableView(parent)
    , m_rows(model)
{
    setObjectName(QStringLiteral("FlexGrid"));
    setAccessibleName(tr("Test results"));
    setModel(model);
    // The headings stand above the grid as labels; the hidden header keeps
    // the model's headings for screen readers, which name each cell's column
    // by them.
    horizontalHeader()->hide();
    // Tab leaves the grid for the buttons; the arrow keys move within it.
    setTabKeyNavigation(false);
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setWordWrap(true);
    setTextElideMode(Qt::ElideNone);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAlternatingRowColors(true);
    setStyleSheet(QStringLiteral("QTableView::item { padding: 3px 4px; }"));

    // Test item and result fit their texts; the interpretation, which runs to
    // several hundred characters, takes the rest and is always the widest.
    const QFontMetrics fm = fontMetrics();
    horizontalHeader()->setMinimumSectionSize(metrics::GridMinimumColumnWidth);
    m_itemWidth = fm.horizontalAdvance(QStringLiteral("Creatinine to Creatinine Ratio")) + 16;
    m_resultWidth = fm.horizontalAdvance(QStringLiteral("9999.99 mEq/24 ")) + 16;
    fitColumns();
    horizontalHeader()->setStretchLastSection(true);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this,
            [this] { QTimer::singleShot(0, this, &ResultGrid::fitRows); });

    // New rows take the height their wrapped texts need.
    connect(model, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) {
                for (int row = first; row <= last; ++row)
                    resizeRowToContents(row);
            });
    connect(model, &QAbstractItemModel::modelReset, this, &ResultGrid::fitRows);

    m_copy = new QAction(tr("Copy"), this);
    m_copy->setObjectName(QStringLiteral("CopyAction"));
    m_copy->setShortcut(QKeySequence::Copy);
    m_copy->setShortcutContext(Qt::WidgetShortcut);
    connect(m_copy, &QAction::triggered, this, &ResultGrid::copySelection);
    addAction(m_copy);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

QString ResultGrid::selectedRowsText() const
{
    QList<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        rows << index.row();
    return m_rows->linesOf(rows);
}

void ResultGrid::copySelection() const
{
    const QString text = selectedRowsText();
    if (!text.isEmpty())
        QApplication::clipboard()->setText(text);
}

void ResultGrid::keyPressEvent(QKeyEvent* event)
{
    // The item view would copy the current cell alone.
    if (event->matches(QKeySequence::Copy)) {
        m_copy->trigger();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void ResultGrid::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    fitColumns();
}

void ResultGrid::fitColumns()
{
    // In a narrow window the first two columns give way, so the
    // interpretation keeps more than half of the width.
    const int width = viewport()->width();
    setColumnWidth(0, std::min(m_itemWidth, width * metrics::ItemColumnPercent / 100));
    setColumnWidth(1, std::min(m_resultWidth, width * metrics::ResultColumnPercent / 100));
    // The interpretation and the notes on it share the rest; the note column
    // stretches to the edge.
    const int rest = std::max(0, width - columnWidth(0) - columnWidth(1));
    setColumnWidth(2, std::max(metrics::GridMinimumColumnWidth,
                               rest * metrics::InterpretationSharePercent / 100));
}

void ResultGrid::fitRows()
{
    resizeRowsToContents();
}

namespace {

const char* const SelectRowText = QT_TRANSLATE_NOOP(
    "quarvex::ResultsWindow", "Select a row to see how its result was worked out.");

QPushButton* boldButton(const char* objectName, const char* text, QWidget* parent)
{
    auto* b = new QPushButton(QCoreApplication::translate("quarvex::ResultsWindow", text), parent);
    b->setObjectName(QString::fromLatin1(objectName));
    QFont font = b->font();
    font.setBold(true);
    b->setFont(font);
    b->setAutoDefault(false);
    return b;
}

} // namespace

ResultsWindow::ResultsWindow()
{
    setObjectName(QStringLiteral("frmResult"));
    setWindowTitle(tr("Test Results"));

    auto* headings = new QHBoxLayout;
    headings->setSpacing(0);
    const char* const texts[] = {QT_TR_NOOP("Test Item"), QT_TR_NOOP("Result"),
                                 QT_TR_NOOP("Interpretation"), QT_TR_NOOP("Note")};
    for (int i = 0; i < 4; ++i) {
        auto* label = new QLabel(tr(texts[i]), this);
        label->setObjectName(QStringLiteral("Label1_%1").arg(i));
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
        headings->addWidget(label, i == 3 ? 1 : 0);
        m_headings << label;
    }

    m_hints = new QLabel(this);
    m_hints->setObjectName(QStringLiteral("HintsLabel"));
    m_hints->setAccessibleName(tr("Values to check"));
    m_hints->setWordWrap(true);
    m_hints->setTextFormat(Qt::PlainText);
    m_hints->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_hints->hide();

    m_rows = new ResultsModel(this);
    m_grid = new ResultGrid(m_rows, this);
    connect(m_grid->horizontalHeader(), &QHeaderView::sectionResized, this,
            &ResultsWindow::alignHeadings);

    QPushButton* back =
        boldButton("BackButton", QT_TRANSLATE_NOOP("quarvex::ResultsWindow", "Back"), this);
    QPushButton* exportButton =
        boldButton("ExportButton", QT_TRANSLATE_NOOP("quarvex::ResultsWindow", "Export"), this);
    QPushButton* close =
        boldButton("CloseButton", QT_TRANSLATE_NOOP("quarvex::ResultsWindow", "Close"), this);
    auto* print = new QPushButton(tr("Print\u2026"), this);
    print->setObjectName(QStringLiteral("PrintButton"));
    print->setAutoDefault(false);
    print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    auto* pdf = new QPushButton(tr("Save as PDF\u2026"), this);
    pdf->setObjectName(QStringLiteral("PdfButton"));
    pdf->setAutoDefault(false);
    m_includeSteps = new QCheckBox(tr("Include worked steps"), this);
    m_includeSteps->setObjectName(QStringLiteral("StepsCheckBox"));
    m_includeSteps->setAccessibleName(m_includeSteps->text());
    connect(print, &QPushButton::clicked, this, &ResultsWindow::printRequested);
    connect(pdf, &QPushButton::clicked, this, &ResultsWindow::pdfRequested);
    connect(back, &QPushButton::clicked, this, &ResultsWindow::backRequested);
    connect(exportButton, &QPushButton::clicked, this, &ResultsWindow::exportRequested);
    connect(close, &QPushButton::clicked, this, &ResultsWindow::closeRequested);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(print);
    buttons->addWidget(pdf);
    buttons->addWidget(m_includeSteps);
    buttons->addStretch(1);
    buttons->addWidget(back);
    buttons->addWidget(exportButton);
    buttons->addWidget(close);

    // The grid with its headings above the worked steps of the selected
    // row's item; the user moves the line between them.
    auto* gridPane = new QWidget(this);
    gridPane->setObjectName(QStringLiteral("GridPane"));
    auto* gridLayout = new QVBoxLayout(gridPane);
    gridLayout->setContentsMargins(0, 0, 0, 0);
    gridLayout->addLayout(headings);
    gridLayout->addWidget(m_grid, 1);
    m_steps = new StepsView(this);
    m_steps->setObjectName(QStringLiteral("StepsPane"));
    m_steps->setAccessibleName(tr("Worked steps of the selected row"));
    m_steps->showMessage(tr(SelectRowText));
    m_steps->setMinimumHeight(m_steps->fontMetrics().lineSpacing() * 6);
    // The grid is never so narrow that the shares of the first two columns
    // cut their headings.
    const int scrollBar = m_grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    m_grid->setMinimumWidth(
        std::max({m_headings.at(0)->minimumSizeHint().width() * 100 / metrics::ItemColumnPercent,
                  m_headings.at(1)->minimumSizeHint().width() * 100 / metrics::ResultColumnPercent,
                  m_grid->minimumWidth()}) +
        2 * m_grid->frameWidth() + scrollBar + 32);
    m_splitter = new QSplitter(Qt::Vertical, this);
    m_splitter->setObjectName(QStringLiteral("ResultSplitter"));
    m_splitter->setAccessibleName(tr("Results and worked steps"));
    m_splitter->setChildrenCollapsible(false);
    m_splitter->addWidget(gridPane);
    m_splitter->addWidget(m_steps);
    m_splitter->setStretchFactor(0, 3);
    m_splitter->setStretchFactor(1, 2);
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { showStepsOf(current.row()); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_hints);
    layout->addWidget(m_splitter, 1);
    layout->addLayout(buttons);

    setTabOrder(print, pdf);
    setTabOrder(pdf, m_includeSteps);
    setTabOrder(m_includeSteps, back);
    setTabOrder(back, exportButton);
    setTabOrder(exportButton, close);
    setTabOrder(close, m_grid);
    back->setFocus();
    pressDefaultOnEnter(this, nullptr);
    alignHeadings();
}

void ResultsWindow::showStepsOf(int row)
{
    // The rows of one item share a derivation: moving between them keeps
    // the text where it is.
    const Derivation* derivation = m_rows->derivationOf(row);
    if (!derivation) {
        m_steps->showMessage(tr(SelectRowText));
        return;
    }
    m_steps->setDerivation(*derivation);
}

void ResultsWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_splitterPlaced)
        return;
    m_splitterPlaced = true;
    // The worked steps get two fifths of the height to start with (never
    // less than a third), the grid the rest; the user moves the line after.
    layout()->activate();
    const int total = m_splitter->height() - m_splitter->handleWidth();
    const int steps = std::max(total * 2 / 5, m_steps->minimumSizeHint().height());
    m_splitter->setSizes({total - steps, steps});
}

bool ResultsWindow::includeSteps() const
{
    return m_includeSteps->isChecked();
}

QSize ResultsWindow::sizeHint() const
{
    return {metrics::ResultWindowWidth, metrics::ResultWindowHeight};
}

void ResultsWindow::setHints(const QStringList& texts)
{
    QStringList lines;
    for (const QString& text : texts)
        lines << tr("Check: %1").arg(text);
    m_hints->setText(lines.join(QLatin1Char('\n')));
    m_hints->setAccessibleDescription(m_hints->text());
    m_hints->setVisible(!lines.isEmpty());
}

void ResultsWindow::alignHeadings()
{
    // Each heading stands above its column: the grid's frame, then the widths
    // of the columns before it.
    const int frame = m_grid->frameWidth();
    m_headings.at(0)->setFixedWidth(frame + m_grid->columnWidth(0));
    m_headings.at(1)->setFixedWidth(m_grid->columnWidth(1));
    m_headings.at(2)->setFixedWidth(m_grid->columnWidth(2));
    m_headings.at(0)->setIndent(frame + 3);
    m_headings.at(1)->setIndent(3);
    m_headings.at(2)->setIndent(3);
    m_headings.at(3)->setIndent(3);
}

} // namespace quarvex
