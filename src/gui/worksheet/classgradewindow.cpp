#include "worksheet/classgradewindow.h"

#include "app/dialogs.h"
#include "app/named.h"
#include "app/scrollfit.h"
#include "calc/items.h"
#include "overview/export.h"
#include "practice/itemkeys.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include <cmath>

namespace quarvex {

namespace {

constexpr const char* CsvFilter =
    QT_TRANSLATE_NOOP("quarvex::ClassGradeWindow", "CSV files (*.csv)");
constexpr const char* SaveTitle = QT_TRANSLATE_NOOP("quarvex::ClassGradeWindow", "Save Gradebook");

} // namespace

ClassGradeModel::ClassGradeModel(ClassGradebook gradebook, const QLocale& locale, QObject* parent)
    : QAbstractTableModel(parent)
    , m_gradebook(std::move(gradebook))
    , m_locale(locale)
{
    m_locale.setNumberOptions(QLocale::OmitGroupSeparator);
}

int ClassGradeModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_gradebook.students.size());
}

int ClassGradeModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : firstItemColumn() + int(m_gradebook.items.size());
}

QVariant ClassGradeModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const GradebookRow& row = m_gradebook.students[index.row()];
    const int identities = int(m_gradebook.identityColumns.size());
    const int column = index.column();
    if (role == Qt::TextAlignmentRole)
        return column > identities ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    if (column == 0)
        return row.student;
    if (column <= identities)
        return row.identity.value(column - 1);
    if (column == identities + 1)
        return row.exercises;
    if (column == identities + 2)
        return m_locale.toString(row.totalPercent(), 'f', 2);
    const std::optional<double> value = row.itemPercent(column - firstItemColumn());
    return value ? m_locale.toString(*value, 'f', 2) : QString();
}

QVariant ClassGradeModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if ((role != Qt::DisplayRole && role != Qt::ToolTipRole) || orientation != Qt::Horizontal ||
        section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    const int identities = int(m_gradebook.identityColumns.size());
    if (role == Qt::ToolTipRole && section < firstItemColumn())
        return {};
    if (section == 0)
        return tr("Student");
    if (section <= identities)
        return m_gradebook.identityColumns[section - 1];
    if (section == identities + 1)
        return tr("Exercises");
    if (section == identities + 2)
        return tr("Total (%)");
    // The item's id, as the gradebook heads its column; its name as the tip.
    const ItemId id = m_gradebook.items[section - firstItemColumn()];
    return role == Qt::ToolTipRole ? item(id).shownListText() : itemKey(id);
}

ClassGradeWindow::ClassGradeWindow(Dialogs& dialogs, const ClassGradeSummary& summary,
                                   const QStringList& problems, const QString& classPath,
                                   const QString& folder, const QLocale& locale, QWidget* parent)
    : QDialog(parent)
    , m_dialogs(dialogs)
    , m_folder(folder)
    , m_name(QFileInfo(classPath).completeBaseName() + QStringLiteral("-gradebook.csv"))
    , m_locale(locale)
{
    setObjectName(QStringLiteral("frmClassGrade"));
    setWindowTitle(tr("Class Grades"));
    setAccessibleName(windowTitle());

    auto* file = named(new QLabel(tr("Graded %1. Students: %2.")
                                      .arg(QDir::toNativeSeparators(classPath))
                                      .arg(summary.students),
                                  this),
                       "ClassFileLabel", tr("Class file"));
    file->setWordWrap(true);
    file->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_model = new ClassGradeModel(summary.gradebook, locale, this);
    m_table = named(new QTableView(this), "GradesTable", tr("Grades per student"));
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->resizeColumnsToContents();
    // Every column in sight without scrolling sideways, as far as the screen allows.
    int columns = 2 * m_table->frameWidth() +
                  m_table->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_table);
    for (int c = 0; c < m_model->columnCount(); ++c)
        columns += m_table->columnWidth(c);
    // The room the screen leaves, less the window's margins (those of the style's layout).
    const int margins = 2 * style()->pixelMetric(QStyle::PM_LayoutLeftMargin, nullptr, this);
    const int room = roomOnScreen(this).width() - margins;
    const int width = std::min(std::max(columns, fontMetrics().averageCharWidth() * 60), room);
    m_table->setMinimumWidth(width);
    m_table->setMinimumHeight(m_table->horizontalHeader()->sizeHint().height() +
                              m_table->verticalHeader()->defaultSectionSize() * 3 +
                              2 * m_table->frameWidth());
    auto* tableLabel = new QLabel(tr("&Grades:"), this);
    tableLabel->setObjectName(QStringLiteral("GradesLabel"));
    tableLabel->setBuddy(m_table);

    // The slips by students and each step's share right; ids as the class file names them.
    QStringList lines;
    lines << tr("Exercises graded: %1; mean score %2.")
                 .arg(summary.exercises)
                 .arg(locale.toString(summary.meanScore, 'f', 2));
    if (summary.unused > 0)
        lines << tr("Rows with neither a student nor an answer, left out: %1.").arg(summary.unused);
    QStringList slips;
    for (const auto& [id, students] : summary.slips)
        slips << tr("%1 (students: %2)").arg(id).arg(students);
    lines << (slips.isEmpty() ? tr("No slips named.")
                              : tr("Slips: %1.").arg(slips.join(QStringLiteral(", "))));
    QString steps;
    for (qsizetype i = 0; i < summary.steps.size(); ++i) {
        const StepShare& share = summary.steps[i];
        if (i == 0 || share.item != summary.steps[i - 1].item) {
            if (!steps.isEmpty())
                lines << steps;
            steps = tr("Right, %1:").arg(item(share.item).shownListText());
        } else {
            steps += QLatin1Char(',');
        }
        steps += QLatin1Char(' ') +
                 tr("%1 %2 of %3 (%4 %)")
                     .arg(share.step)
                     .arg(share.right)
                     .arg(share.asked)
                     .arg(std::lround(100.0 * share.right / std::max(share.asked, 1)));
    }
    if (!steps.isEmpty())
        lines << steps;
    // In a box of its own, which scrolls where the screen has no room for all of it.
    m_summary = named(new QPlainTextEdit(lines.join(QLatin1Char('\n')), this), "SummaryText",
                      tr("Slips and steps right"));
    m_summary->setReadOnly(true);
    m_summary->setTabChangesFocus(true);
    m_summary->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int line = m_summary->fontMetrics().lineSpacing();
    m_summary->setMinimumHeight(line * 3 + 2 * m_summary->frameWidth());
    m_summary->setMaximumHeight(line * 10);
    auto* summaryLabel = new QLabel(tr("S&lips and steps right:"), this);
    summaryLabel->setObjectName(QStringLiteral("SummaryLabel"));
    summaryLabel->setBuddy(m_summary);
    keepWrappedTextWhole(file, width);

    m_problems = named(new QPlainTextEdit(problems.join(QLatin1Char('\n')), this), "ProblemsText",
                       tr("Problems"));
    m_problems->setReadOnly(true);
    m_problems->setTabChangesFocus(true);
    m_problems->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_problems->setMinimumHeight(m_problems->fontMetrics().lineSpacing() * 3 +
                                 2 * m_problems->frameWidth());
    m_problems->setMaximumHeight(m_problems->fontMetrics().lineSpacing() * 6);
    auto* problemsLabel =
        new QLabel(problems.isEmpty()
                       ? tr("&Problems: none.")
                       : tr("&Problems (lines skipped are not graded): %1").arg(problems.size()),
                   this);
    problemsLabel->setObjectName(QStringLiteral("ProblemsLabel"));
    problemsLabel->setBuddy(m_problems);
    m_problems->setVisible(!problems.isEmpty());

    m_status = named(new QLabel(this), "StatusLabel", tr("Status"));
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* save = named(new QPushButton(tr("&Save gradebook\u2026"), this), "SaveGradebookButton",
                       tr("Save gradebook"));
    save->setToolTip(tr("Saves a row per student as CSV, to import into a learning platform's "
                        "grades"));
    save->setAutoDefault(false);
    auto* close = named(new QPushButton(tr("Close"), this), "CloseButton", tr("Close"));
    close->setAutoDefault(false);
    connect(save, &QPushButton::clicked, this, &ClassGradeWindow::saveGradebook);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(save);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(file);
    layout->addWidget(tableLabel);
    layout->addWidget(m_table, 1);
    layout->addWidget(summaryLabel);
    layout->addWidget(m_summary, 1);
    layout->addWidget(problemsLabel);
    layout->addWidget(m_problems);
    layout->addLayout(buttons);
    layout->addWidget(m_status);
    setTabOrder(m_table, m_summary);
    setTabOrder(m_summary, m_problems);
    setTabOrder(m_problems, save);
    setTabOrder(save, close);
    m_table->setFocus();
}

QStringList ClassGradeWindow::problems() const
{
    return m_problems->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QString ClassGradeWindow::summaryText() const
{
    return m_summary->toPlainText();
}

bool ClassGradeWindow::saveGradebook()
{
    const QString folder = m_folder.isEmpty() ? QDir::homePath() : m_folder;
    QString path = m_dialogs.fileName(FileDialogMode::Save, tr(SaveTitle),
                                      QDir(folder).filePath(m_name), tr(CsvFilter));
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".csv");
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    writeGradebook(m_model->gradebook(), m_locale, bytes);
    if (const std::optional<QString> failure = saveBytes(path, bytes.data())) {
        m_dialogs.beep();
        m_dialogs.message(
            tr("%1 could not be saved.\r\r%2").arg(QDir::toNativeSeparators(path), *failure),
            MessageIcon::Critical, tr(SaveTitle));
        return false;
    }
    m_folder = QFileInfo(path).absolutePath();
    m_status->setText(tr("Saved the gradebook (students: %1) to %2.")
                          .arg(m_model->rowCount())
                          .arg(QDir::toNativeSeparators(path)));
    return true;
}

} // namespace quarvex
