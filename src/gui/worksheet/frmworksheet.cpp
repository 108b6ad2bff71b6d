#include "worksheet/frmworksheet.h"

#include "app/dialogs.h"
#include "app/frmdisclaimer.h"
#include "app/qtdialogs.h"
#include "calc/items.h"
#include "overview/sheetprinter.h"
#include "practice/practicejson.h"
#include "practice/worksheetpages.h"
#include "worksheet/worksheetdialog.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPdfWriter>
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

constexpr const char* PdfFilter = "PDF documents (*.pdf)";
constexpr const char* PdfTitle = "Save Worksheet as PDF";
constexpr const char* KeyPdfTitle = "Save Answer Key as PDF";

template <class W>
W* named(W* widget, const char* objectName, const QString& accessibleName)
{
    widget->setObjectName(QString::fromLatin1(objectName));
    widget->setAccessibleName(accessibleName);
    return widget;
}

} // namespace

WorksheetDialog::WorksheetDialog(Dialogs& dialogs, std::optional<ItemId> preselected,
                                 QWidget* parent)
    : QDialog(parent)
    , m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("frmWorksheet"));
    setWindowTitle(QStringLiteral("Worksheet"));
    setAccessibleName(QStringLiteral("Worksheet"));

    m_items = named(new QListWidget(this), "ItemList", QStringLiteral("Items"));
    for (const ItemDescriptor& d : overviewItems()) {
        auto* entry = new QListWidgetItem(QString::fromLatin1(d.listText), m_items);
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
    auto* itemsLabel = new QLabel(QStringLiteral("&Items:"), this);
    itemsLabel->setObjectName(QStringLiteral("ItemsLabel"));
    itemsLabel->setBuddy(m_items);

    m_count = named(new QSpinBox(this), "CountSpin", QStringLiteral("Exercises per item"));
    m_count->setRange(1, MaxWorksheetCount);
    m_count->setValue(2);
    m_level = named(new QComboBox(this), "LevelCombo", QStringLiteral("Level"));
    m_level->addItems({QStringLiteral("1: conversions given"),
                       QStringLiteral("2: conversions asked too"),
                       QStringLiteral("3: only results and interpretations")});
    m_versions = named(new QSpinBox(this), "VersionsSpin", QStringLiteral("Versions"));
    m_versions->setRange(1, MaxWorksheetVersions);
    m_versions->setValue(30);
    m_title = named(new QLineEdit(this), "TitleEdit", QStringLiteral("Title"));
    m_title->setText(QString::fromLatin1(DefaultWorksheetTitle));
    m_seed = named(new QLineEdit(this), "SeedEdit", QStringLiteral("Seed"));
    m_seed->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{1,16}")), m_seed));
    // A short seed, easy to note down with the sheets.
    m_seed->setText(QString::number(QRandomGenerator::global()->bounded(1, 1000000)));

    auto* form = new QFormLayout;
    form->setObjectName(QStringLiteral("SettingsForm"));
    form->addRow(QStringLiteral("&Exercises per item:"), m_count);
    form->addRow(QStringLiteral("&Level:"), m_level);
    form->addRow(QStringLiteral("&Versions (one per student):"), m_versions);
    form->addRow(QStringLiteral("&Title:"), m_title);
    form->addRow(QStringLiteral("&Seed:"), m_seed);

    auto* key = new QGroupBox(QStringLiteral("Answer key"), this);
    key->setObjectName(QStringLiteral("KeyGroup"));
    key->setAccessibleName(key->title());
    m_keyAfter = named(new QRadioButton(QStringLiteral("After all ve&rsions"), key),
                       "KeyAfterRadio", QStringLiteral("Answer key after all versions"));
    m_keyApart = named(new QRadioButton(QStringLiteral("As a se&parate document"), key),
                       "KeyApartRadio", QStringLiteral("Answer key as a separate document"));
    m_keyAfter->setChecked(true);
    auto* keyLayout = new QVBoxLayout(key);
    keyLayout->addWidget(m_keyAfter);
    keyLayout->addWidget(m_keyApart);

    auto* print = named(new QPushButton(QStringLiteral("Print\u2026"), this), "PrintButton",
                        QStringLiteral("Print"));
    print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    print->setAutoDefault(false);
    auto* pdf = named(new QPushButton(QStringLiteral("Save as P&DF\u2026"), this), "PdfButton",
                      QStringLiteral("Save as PDF"));
    pdf->setAutoDefault(false);
    auto* close = named(new QPushButton(QStringLiteral("Close"), this), "CloseButton",
                        QStringLiteral("Close"));
    close->setAutoDefault(false);
    connect(print, &QPushButton::clicked, this, &WorksheetDialog::print);
    connect(pdf, &QPushButton::clicked, this, &WorksheetDialog::saveAsPdf);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    // The items above the settings, so that the dialog stays narrow enough
    // for a small screen at twice the scale.
    auto* settingsRow = new QHBoxLayout;
    settingsRow->addLayout(form, 1);
    settingsRow->addWidget(key, 0, Qt::AlignTop);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(print);
    buttons->addWidget(pdf);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(itemsLabel);
    layout->addWidget(m_items, 1);
    layout->addLayout(settingsRow);
    layout->addLayout(buttons);

    setTabOrder(m_items, m_count);
    setTabOrder(m_count, m_level);
    setTabOrder(m_level, m_versions);
    setTabOrder(m_versions, m_title);
    setTabOrder(m_title, m_seed);
    setTabOrder(m_seed, m_keyAfter);
    setTabOrder(m_keyAfter, m_keyApart);
    setTabOrder(m_keyApart, print);
    setTabOrder(print, pdf);
    setTabOrder(pdf, close);
    m_items->setFocus();
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
        problem =
            QStringLiteral("The seed must be a whole number from 0 to %1.").arg(MaxPracticeSeed);
    else if (s.items.isEmpty())
        problem = QStringLiteral("Choose at least one item for the worksheet.");
    if (!problem.isEmpty()) {
        m_dialogs.beep();
        m_dialogs.message(problem, MessageIcon::Warning, windowTitle());
        return std::nullopt;
    }
    return s;
}

QString WorksheetDialog::footer() const
{
    QStringList lines = displayText(disclaimerText()).split(QLatin1Char('\n'));
    for (QString& line : lines)
        line = line.trimmed();
    return lines.join(QLatin1Char('\n'));
}

void WorksheetDialog::print()
{
    const std::optional<WorksheetSettings> s = checkedSettings();
    if (!s)
        return;
    const Worksheet sheet = makeWorksheet(*s, QLocale());
    PrintedWorksheet pages = worksheetSheets(sheet, footer());
    const PrintedWorksheet key = worksheetKey(sheet, footer());
    if (!keyApart())
        pages.sections += key.sections;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(sheetPageLayout(QLocale()));
    printer.setDocName(pages.documentTitle);
    printer.setCreator(QStringLiteral("Quarvex"));
    if (!m_dialogs.choosePrinter(printer))
        return;
    // A key apart is a print job of its own, on the printer chosen.
    if (printWorksheet(pages, printer) == 0 || (keyApart() && printWorksheet(key, printer) == 0)) {
        m_dialogs.beep();
        m_dialogs.message(QStringLiteral("The worksheet could not be printed."),
                          MessageIcon::Critical, windowTitle());
    }
}

void WorksheetDialog::saveAsPdf()
{
    const std::optional<WorksheetSettings> s = checkedSettings();
    if (!s)
        return;
    const QString folder = m_folder.isEmpty() ? QDir::homePath() : m_folder;
    const auto ask = [this](const char* title, const QString& proposed) {
        QString path = m_dialogs.fileName(FileDialogMode::Save, QString::fromLatin1(title),
                                          proposed, QString::fromLatin1(PdfFilter));
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
    const Worksheet sheet = makeWorksheet(*s, QLocale());
    PrintedWorksheet pages = worksheetSheets(sheet, footer());
    const PrintedWorksheet key = worksheetKey(sheet, footer());
    if (!keyApart())
        pages.sections += key.sections;
    const std::pair<QString, const PrintedWorksheet*> documents[] = {{path, &pages},
                                                                     {keyPath, &key}};
    for (const auto& [target, document] : documents) {
        if (target.isEmpty())
            continue;
        if (const std::optional<QString> failure = writePdf(*document, target)) {
            m_dialogs.beep();
            m_dialogs.message(QStringLiteral("The worksheet could not be saved to %1.\r\r%2")
                                  .arg(QDir::toNativeSeparators(target), *failure),
                              MessageIcon::Critical, QString::fromLatin1(PdfTitle));
            return;
        }
    }
    m_folder = QFileInfo(path).absolutePath();
}

std::optional<QString> WorksheetDialog::writePdf(const PrintedWorksheet& pages, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    int count = 0;
    {
        QPdfWriter writer(&file);
        writer.setPageLayout(sheetPageLayout(QLocale()));
        writer.setTitle(pages.documentTitle);
        writer.setCreator(QStringLiteral("Quarvex"));
        count = printWorksheet(pages, writer);
    }
    if (count == 0) {
        file.cancelWriting();
        return QStringLiteral("The pages could not be drawn.");
    }
    if (!file.commit())
        return file.errorString();
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
