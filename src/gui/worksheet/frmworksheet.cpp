#include "worksheet/frmworksheet.h"

#include "app/dialogs.h"
#include "app/named.h"
#include "app/qtdialogs.h"
#include "calc/items.h"
#include "overview/export.h"
#include "practice/classgrade.h"
#include "practice/moodlexml.h"
#include "practice/practicejson.h"
#include "practice/worksheetpages.h"
#include "sheetprinter.h"
#include "worksheet/classgradewindow.h"
#include "worksheet/worksheetdialog.h"

#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QRegularExpressionValidator>
#include <QSaveFile>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>

namespace quarvex {

namespace {

constexpr const char* PdfFilter =
    QT_TRANSLATE_NOOP("quarvex::WorksheetDialog", "PDF documents (*.pdf)");
constexpr const char* PdfTitle =
    QT_TRANSLATE_NOOP("quarvex::WorksheetDialog", "Save Worksheet as PDF");
constexpr const char* KeyPdfTitle =
    QT_TRANSLATE_NOOP("quarvex::WorksheetDialog", "Save Answer Key as PDF");
constexpr const char* SheetFilter =
    QT_TRANSLATE_NOOP("quarvex::WorksheetDialog", "Worksheet files (*.json)");
constexpr const char* SaveSheetTitle = QT_TRANSLATE_NOOP("quarvex::WorksheetDialog", "Save Sheet");
constexpr const char* OpenSheetTitle = QT_TRANSLATE_NOOP("quarvex::WorksheetDialog", "Open Sheet");
constexpr const char* CsvFilter =
    QT_TRANSLATE_NOOP("quarvex::WorksheetDialog", "CSV files (*.csv)");
constexpr const char* ClassCsvTitle =
    QT_TRANSLATE_NOOP("quarvex::WorksheetDialog", "Save Class CSV");
constexpr const char* MoodleFilter =
    QT_TRANSLATE_NOOP("quarvex::WorksheetDialog", "Moodle XML files (*.xml)");
constexpr const char* MoodleTitle =
    QT_TRANSLATE_NOOP("quarvex::WorksheetDialog", "Save for Moodle");

// What the dialog was left with, kept while the program runs.
struct Remembered {
    WorksheetSettings settings;
    bool keyApart = false;
    bool workedSteps = true;
    QString folder;
};
std::optional<Remembered>& remembered()
{
    static std::optional<Remembered> kept;
    return kept;
}

} // namespace

WorksheetDialog::WorksheetDialog(Dialogs& dialogs, std::optional<ItemId> preselected,
                                 QWidget* parent)
    : QDialog(parent)
    , m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("frmWorksheet"));
    setWindowTitle(tr("Worksheet"));
    setAccessibleName(tr("Worksheet"));

    m_items = named(new QListWidget(this), "ItemList", tr("Items"));
    for (const ItemDescriptor& d : overviewItems()) {
        auto* entry = new QListWidgetItem(d.shownListText(), m_items);
        entry->setData(Qt::UserRole, int(d.id));
        entry->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        entry->setCheckState(preselected == d.id ? Qt::Checked : Qt::Unchecked);
        if (preselected == d.id)
            m_items->setCurrentItem(entry);
    }
    m_items->setMinimumHeight(m_items->fontMetrics().lineSpacing() * 8);
    // Wide enough for the longest item with its check box: never scrolled sideways.
    m_items->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_items->setMinimumWidth(m_items->sizeHintForColumn(0) + 2 * m_items->frameWidth() +
                             m_items->style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                             m_items->fontMetrics().averageCharWidth() * 2);
    auto* itemsLabel = new QLabel(tr("&Items:"), this);
    itemsLabel->setObjectName(QStringLiteral("ItemsLabel"));
    itemsLabel->setBuddy(m_items);

    m_count = named(new QSpinBox(this), "CountSpin", tr("Exercises per item"));
    m_count->setRange(1, MaxWorksheetCount);
    m_count->setValue(2);
    m_level = named(new QComboBox(this), "LevelCombo", tr("Level"));
    m_level->addItems({tr("1: conversions given"), tr("2: conversions asked too"),
                       tr("3: only results and interpretations")});
    m_versions = named(new QSpinBox(this), "VersionsSpin", tr("Versions"));
    m_versions->setRange(1, MaxWorksheetVersions);
    m_versions->setValue(30);
    m_title = named(new QLineEdit(this), "TitleEdit", tr("Title"));
    m_title->setText(QCoreApplication::translate("quarvex::Worksheet", DefaultWorksheetTitle));
    m_seed = named(new QLineEdit(this), "SeedEdit", tr("Seed"));
    m_seed->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{1,16}")), m_seed));
    // A short seed, easy to note down with the sheets.
    m_seed->setText(QString::number(QRandomGenerator::global()->bounded(1, 1000000)));

    auto* form = new QFormLayout;
    form->setObjectName(QStringLiteral("SettingsForm"));
    form->addRow(tr("&Exercises per item:"), m_count);
    form->addRow(tr("&Level:"), m_level);
    form->addRow(tr("&Versions (one per student):"), m_versions);
    form->addRow(tr("&Title:"), m_title);
    form->addRow(tr("&Seed:"), m_seed);

    auto* key = new QGroupBox(tr("Answer key"), this);
    key->setObjectName(QStringLiteral("KeyGroup"));
    key->setAccessibleName(key->title());
    m_keyAfter = named(new QRadioButton(tr("After all ve&rsions"), key), "KeyAfterRadio",
                       tr("Answer key after all versions"));
    m_keyApart = named(new QRadioButton(tr("As a se&parate document"), key), "KeyApartRadio",
                       tr("Answer key as a separate document"));
    m_keyAfter->setChecked(true);
    m_workedSteps = named(new QCheckBox(tr("With &worked steps"), key), "WorkedStepsCheck",
                          tr("Answer key with worked steps"));
    m_workedSteps->setChecked(true);
    auto* keyLayout = new QVBoxLayout(key);
    keyLayout->addWidget(m_keyAfter);
    keyLayout->addWidget(m_keyApart);
    keyLayout->addWidget(m_workedSteps);

    m_checkedCount = named(new QLabel(this), "CheckedCountLabel", tr("Items checked"));
    m_status = named(new QLabel(this), "StatusLabel", tr("Status"));
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* print = named(new QPushButton(tr("Print\u2026"), this), "PrintButton", tr("Print"));
    print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    print->setAutoDefault(false);
    auto* pdf =
        named(new QPushButton(tr("Save as P&DF\u2026"), this), "PdfButton", tr("Save as PDF"));
    pdf->setAutoDefault(false);
    auto* close = named(new QPushButton(tr("Close"), this), "CloseButton", tr("Close"));
    close->setAutoDefault(false);
    auto* saveSheet =
        named(new QPushButton(tr("Sa&ve sheet\u2026"), this), "SaveSheetButton", tr("Save sheet"));
    saveSheet->setAutoDefault(false);
    auto* openSheet =
        named(new QPushButton(tr("&Open sheet\u2026"), this), "OpenSheetButton", tr("Open sheet"));
    openSheet->setAutoDefault(false);
    auto* classCsv = named(new QPushButton(tr("Save class &CSV\u2026"), this), "ClassCsvButton",
                           tr("Save class CSV"));
    classCsv->setAutoDefault(false);
    auto* moodle = named(new QPushButton(tr("Save for &Moodle\u2026"), this), "MoodleButton",
                         tr("Save for Moodle"));
    moodle->setToolTip(tr("Saves the exercises as Moodle questions (Moodle XML), to import in a "
                          "course's question bank"));
    moodle->setAutoDefault(false);
    auto* grade = named(new QPushButton(tr("&Grade class\u2026"), this), "GradeClassButton",
                        tr("Grade class"));
    grade->setToolTip(tr("Grades a filled class file (CSV) against this sheet and shows a row "
                         "per student"));
    grade->setAutoDefault(false);
    connect(print, &QPushButton::clicked, this, &WorksheetDialog::print);
    connect(pdf, &QPushButton::clicked, this, &WorksheetDialog::saveAsPdf);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(saveSheet, &QPushButton::clicked, this, &WorksheetDialog::saveSheet);
    connect(openSheet, &QPushButton::clicked, this, &WorksheetDialog::openSheet);
    connect(classCsv, &QPushButton::clicked, this, &WorksheetDialog::saveClassCsv);
    connect(moodle, &QPushButton::clicked, this, &WorksheetDialog::saveForMoodle);
    connect(grade, &QPushButton::clicked, this, &WorksheetDialog::gradeClass);
    connect(m_items, &QListWidget::itemChanged, this, &WorksheetDialog::updateCount);

    // The items above the settings, so that the dialog stays narrow enough
    // for a small screen at twice the scale.
    auto* settingsRow = new QHBoxLayout;
    settingsRow->addLayout(form, 1);
    settingsRow->addWidget(key, 0, Qt::AlignTop);
    auto* files = new QHBoxLayout;
    files->addWidget(saveSheet);
    files->addWidget(openSheet);
    files->addWidget(classCsv);
    files->addWidget(moodle);
    files->addWidget(grade);
    files->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(print);
    buttons->addWidget(pdf);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* itemsRow = new QHBoxLayout;
    itemsRow->addWidget(itemsLabel);
    itemsRow->addStretch(1);
    itemsRow->addWidget(m_checkedCount);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(itemsRow);
    layout->addWidget(m_items, 1);
    layout->addLayout(settingsRow);
    layout->addLayout(files);
    layout->addLayout(buttons);
    layout->addWidget(m_status);

    setTabOrder(m_items, m_count);
    setTabOrder(m_count, m_level);
    setTabOrder(m_level, m_versions);
    setTabOrder(m_versions, m_title);
    setTabOrder(m_title, m_seed);
    setTabOrder(m_seed, m_keyAfter);
    setTabOrder(m_keyAfter, m_keyApart);
    setTabOrder(m_keyApart, m_workedSteps);
    setTabOrder(m_workedSteps, saveSheet);
    setTabOrder(saveSheet, openSheet);
    setTabOrder(openSheet, classCsv);
    setTabOrder(classCsv, moodle);
    setTabOrder(moodle, grade);
    setTabOrder(grade, print);
    setTabOrder(print, pdf);
    setTabOrder(pdf, close);

    // The settings of the last time, with the item this was opened on.
    if (const std::optional<Remembered>& kept = remembered()) {
        WorksheetSettings s = kept->settings;
        if (preselected && !s.items.contains(*preselected))
            s.items << *preselected;
        setSettings(s);
        setKeyApart(kept->keyApart);
        setWorkedSteps(kept->workedSteps);
        m_folder = kept->folder;
    }
    updateCount();
    m_items->setFocus();
}

void WorksheetDialog::forgetSettings()
{
    remembered().reset();
}

void WorksheetDialog::done(int result)
{
    remembered() = Remembered{settings(), keyApart(), workedSteps(), m_folder};
    QDialog::done(result);
}

void WorksheetDialog::updateCount()
{
    int checked = 0;
    for (int i = 0; i < m_items->count(); ++i)
        checked += m_items->item(i)->checkState() == Qt::Checked ? 1 : 0;
    m_checkedCount->setText(tr("%1 of %2 items checked").arg(checked).arg(m_items->count()));
}

bool WorksheetDialog::workedSteps() const
{
    return m_workedSteps->isChecked();
}

void WorksheetDialog::setWorkedSteps(bool on)
{
    m_workedSteps->setChecked(on);
}

QString WorksheetDialog::status() const
{
    return m_status->text();
}

WorksheetSettings WorksheetDialog::settings() const
{
    WorksheetSettings s;
    for (int i = 0; i < m_items->count(); ++i) {
        if (m_items->item(i)->checkState() == Qt::Checked)
            s.items << ItemId(m_items->item(i)->data(Qt::UserRole).toInt());
    }
    s.count = m_count->value();
    s.level = m_level->currentIndex() + 1;
    s.versions = m_versions->value();
    s.title = m_title->text().trimmed();
    bool ok = false;
    s.seed = m_seed->text().toULongLong(&ok);
    if (!ok)
        s.seed = 0;
    return s;
}

void WorksheetDialog::setSettings(const WorksheetSettings& s)
{
    for (int i = 0; i < m_items->count(); ++i) {
        const auto id = ItemId(m_items->item(i)->data(Qt::UserRole).toInt());
        m_items->item(i)->setCheckState(s.items.contains(id) ? Qt::Checked : Qt::Unchecked);
    }
    m_count->setValue(s.count);
    m_level->setCurrentIndex(s.level - 1);
    m_versions->setValue(s.versions);
    m_title->setText(s.title);
    m_seed->setText(QString::number(s.seed));
}

bool WorksheetDialog::keyApart() const
{
    return m_keyApart->isChecked();
}

void WorksheetDialog::setKeyApart(bool apart)
{
    (apart ? m_keyApart : m_keyAfter)->setChecked(true);
}

std::optional<WorksheetSettings> WorksheetDialog::checkedSettings()
{
    WorksheetSettings s = settings();
    bool ok = false;
    const quint64 seed = m_seed->text().toULongLong(&ok);
    QString problem;
    if (!ok || seed > MaxPracticeSeed)
        problem = tr("The seed must be a whole number from 0 to %1.").arg(MaxPracticeSeed);
    else if (s.items.isEmpty())
        problem = tr("Choose at least one item for the worksheet.");
    if (!problem.isEmpty()) {
        m_dialogs.beep();
        m_dialogs.message(problem, MessageIcon::Warning, windowTitle());
        return std::nullopt;
    }
    return s;
}

void WorksheetDialog::print()
{
    const std::optional<WorksheetSettings> s = checkedSettings();
    if (!s)
        return;
    const WorksheetDocuments documents =
        worksheetDocuments(makeWorksheet(*s, QLocale()), keyApart(), workedSteps());
    const PrintedWorksheet& pages = documents.sheets;
    const PrintedWorksheet& key = documents.key;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(sheetPageLayout(QLocale()));
    printer.setDocName(pages.documentTitle);
    printer.setCreator(QStringLiteral("Quarvex"));
    if (!m_dialogs.choosePrinter(printer))
        return;
    // A key apart is a print job of its own, on the printer chosen.
    if (printWorksheet(pages, printer) == 0 || (keyApart() && printWorksheet(key, printer) == 0)) {
        m_dialogs.beep();
        m_dialogs.message(tr("The worksheet could not be printed."), MessageIcon::Critical,
                          windowTitle());
    }
}

void WorksheetDialog::saveAsPdf()
{
    const std::optional<WorksheetSettings> s = checkedSettings();
    if (!s)
        return;
    const QString folder = m_folder.isEmpty() ? QDir::homePath() : m_folder;
    const auto ask = [this](const char* title, const QString& proposed) {
        QString path = m_dialogs.fileName(FileDialogMode::Save, tr(title), proposed, tr(PdfFilter));
        if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
            path += QStringLiteral(".pdf");
        return path;
    };
    const QString path =
        ask(PdfTitle, QDir(folder).filePath(QStringLiteral("worksheet-%1.pdf").arg(s->seed)));
    if (path.isEmpty())
        return;
    // The key apart is proposed beside the sheets.
    QString keyPath;
    if (keyApart()) {
        const QFileInfo sheets(path);
        keyPath = ask(KeyPdfTitle, sheets.dir().filePath(sheets.completeBaseName() +
                                                         QStringLiteral("-key.pdf")));
        if (keyPath.isEmpty())
            return;
    }
    const WorksheetDocuments documents =
        worksheetDocuments(makeWorksheet(*s, QLocale()), keyApart(), workedSteps());
    const std::pair<QString, const PrintedWorksheet*> files[] = {{path, &documents.sheets},
                                                                 {keyPath, &documents.key}};
    QStringList saved;
    for (const auto& [target, document] : files) {
        if (target.isEmpty())
            continue;
        int count = 0;
        if (const std::optional<QString> failure = writePdf(*document, target, &count)) {
            m_dialogs.beep();
            m_dialogs.message(tr("The worksheet could not be saved to %1.\r\r%2")
                                  .arg(QDir::toNativeSeparators(target), *failure),
                              MessageIcon::Critical, tr(PdfTitle));
            return;
        }
        //: A file saved and the number of its pages.
        saved << tr("%1 (%n pages)", nullptr, count).arg(QDir::toNativeSeparators(target));
    }
    m_folder = QFileInfo(path).absolutePath();
    //: The sheets and the key apart, each with its pages.
    m_status->setText(saved.size() == 2 ? tr("Saved %1 and %2.").arg(saved.at(0), saved.at(1))
                                        : tr("Saved %1.").arg(saved.value(0)));
}

QString WorksheetDialog::askSavePath(const char* title, const QString& name, const char* filter,
                                     const QString& suffix)
{
    const QString folder = m_folder.isEmpty() ? QDir::homePath() : m_folder;
    QString path = m_dialogs.fileName(FileDialogMode::Save, tr(title), QDir(folder).filePath(name),
                                      tr(filter));
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += suffix;
    return path;
}

bool WorksheetDialog::saveFile(const QString& path, const QByteArray& bytes, const char* title)
{
    if (const std::optional<QString> failure = saveBytes(path, bytes)) {
        m_dialogs.beep();
        m_dialogs.message(
            tr("%1 could not be saved.\r\r%2").arg(QDir::toNativeSeparators(path), *failure),
            MessageIcon::Critical, tr(title));
        return false;
    }
    m_folder = QFileInfo(path).absolutePath();
    return true;
}

void WorksheetDialog::saveSheet()
{
    const std::optional<WorksheetSettings> s = checkedSettings();
    if (!s)
        return;
    const QString id = worksheetId(*s);
    const QString path = askSavePath(SaveSheetTitle, QStringLiteral("worksheet-%1.json").arg(id),
                                     SheetFilter, QStringLiteral(".json"));
    if (path.isEmpty())
        return;
    const QByteArray bytes =
        QJsonDocument(worksheetJson(makeWorksheet(*s, QLocale()))).toJson(QJsonDocument::Indented);
    if (saveFile(path, bytes, SaveSheetTitle))
        m_status->setText(tr("Saved sheet %1 to %2.").arg(id, QDir::toNativeSeparators(path)));
}

void WorksheetDialog::openSheet()
{
    const QString folder = m_folder.isEmpty() ? QDir::homePath() : m_folder;
    const QString path =
        m_dialogs.fileName(FileDialogMode::Open, tr(OpenSheetTitle), folder, tr(SheetFilter));
    if (path.isEmpty())
        return;
    QFile file(path);
    QString error;
    std::optional<WorksheetSettings> s;
    if (!file.open(QIODevice::ReadOnly))
        error = file.errorString();
    else if (file.size() > MaxSheetFileBytes)
        error = tr("The file is too large to be a sheet file.");
    else
        s = readWorksheetSettings(file.readAll(), error);
    if (!s) {
        m_dialogs.beep();
        m_dialogs.message(tr("%1 could not be opened as a sheet.\r\r%2")
                              .arg(QDir::toNativeSeparators(path), error),
                          MessageIcon::Critical, tr(OpenSheetTitle));
        return;
    }
    setSettings(*s);
    m_opened = s;
    m_folder = QFileInfo(path).absolutePath();
    m_status->setText(
        tr("Opened sheet %1 from %2.").arg(worksheetId(*s), QDir::toNativeSeparators(path)));
}

void WorksheetDialog::saveClassCsv()
{
    const std::optional<WorksheetSettings> s = checkedSettings();
    if (!s)
        return;
    const QString id = worksheetId(*s);
    const QString path = askSavePath(ClassCsvTitle, QStringLiteral("class-%1.csv").arg(id),
                                     CsvFilter, QStringLiteral(".csv"));
    if (path.isEmpty())
        return;
    const Worksheet sheet = makeWorksheet(*s, QLocale());
    if (saveFile(path, worksheetClassCsv(sheet), ClassCsvTitle))
        m_status->setText(tr("Saved the class file of sheet %1 (%2 rows) to %3.")
                              .arg(id)
                              .arg(s->versions * s->items.size() * s->count)
                              .arg(QDir::toNativeSeparators(path)));
}

void WorksheetDialog::saveForMoodle()
{
    const std::optional<WorksheetSettings> s = checkedSettings();
    if (!s)
        return;
    const QString id = worksheetId(*s);
    const QString path = askSavePath(MoodleTitle, QStringLiteral("moodle-%1.xml").arg(id),
                                     MoodleFilter, QStringLiteral(".xml"));
    if (path.isEmpty())
        return;
    // Each question is named by the code printed beside its exercise.
    const Worksheet sheet = makeWorksheet(*s, QLocale());
    const QList<MoodleQuestion> questions = worksheetMoodleQuestions(
        sheet, [&id](int version, int index) { return worksheetExerciseCode(id, version, index); });
    QBuffer xml;
    xml.open(QIODevice::WriteOnly);
    writeMoodleXml(xml, s->title, questions);
    if (saveFile(path, xml.data(), MoodleTitle))
        m_status->setText(tr("Saved sheet %1 for Moodle to %2 (questions: %3).")
                              .arg(id, QDir::toNativeSeparators(path))
                              .arg(questions.size()));
}

ClassGradeWindow* WorksheetDialog::gradeClass()
{
    std::optional<WorksheetSettings> s = checkedSettings();
    if (!s)
        return nullptr;
    // The scenarios of a sheet opened, which the controls do not show.
    if (m_opened) {
        WorksheetSettings withScenarios = *s;
        withScenarios.scenarios = m_opened->scenarios;
        if (worksheetId(withScenarios) == worksheetId(*m_opened))
            s = withScenarios;
    }
    const QString title = tr("Grade Class");
    const QString folder = m_folder.isEmpty() ? QDir::homePath() : m_folder;
    const QString path =
        m_dialogs.fileName(FileDialogMode::Open, title, folder, tr("CSV files (*.csv)"));
    if (path.isEmpty())
        return nullptr;
    QFile file(path);
    QStringList problems;
    ClassGradeSummary summary;
    if (!file.open(QIODevice::ReadOnly)) {
        summary.status = BatchSummary::Status::ReadFailed;
        summary.error = file.errorString();
    } else {
        ClassGradeOptions options;
        options.locale = QLocale();
        options.sheet = s;
        options.report = [&problems](const QString& problem) { problems << problem; };
        QBuffer graded; // the rows per exercise, which the window does not show
        graded.open(QIODevice::WriteOnly);
        summary = quarvex::gradeClass(file, graded, options);
    }
    using Status = BatchSummary::Status;
    if (summary.status != Status::Done && summary.status != Status::BadRows) {
        if (summary.status == Status::NoHeader)
            problems << tr("The file has no header row: the first row names the columns "
                           "Student, Code and the step ids.");
        else if (summary.status == Status::ReadFailed)
            problems << summary.error;
        else if (summary.status == Status::OutOfMemory)
            problems << tr("Memory ran out.");
        m_dialogs.beep();
        m_dialogs.detailedMessage(tr("%1 could not be graded.").arg(QDir::toNativeSeparators(path)),
                                  problems.join(QLatin1Char('\n')), MessageIcon::Critical, title);
        return nullptr;
    }
    m_folder = QFileInfo(path).absolutePath();
    m_status->setText(
        tr("Graded %1 against sheet %2.").arg(QDir::toNativeSeparators(path), worksheetId(*s)));
    auto* window =
        new ClassGradeWindow(m_dialogs, summary, problems, path, m_folder, QLocale(), this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return window;
}

std::optional<QString> WorksheetDialog::writePdf(const PrintedWorksheet& pages, const QString& path,
                                                 int* pageCount)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    const int count = writeWorksheetPdf(pages, file);
    if (count == 0) {
        file.cancelWriting();
        return tr("The pages could not be drawn.");
    }
    if (!file.commit())
        return file.errorString();
    if (pageCount)
        *pageCount = count;
    return std::nullopt;
}

WorksheetDialog* showWorksheetDialog(QWidget* parent, std::optional<ItemId> preselected)
{
    auto* dialog = new WorksheetDialog(dialogs(), preselected, parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
    return dialog;
}

} // namespace quarvex
