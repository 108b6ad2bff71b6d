#pragma once

#include "practice/worksheet.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace quarvex {

class Dialogs;
struct PrintedWorksheet;

// frmWorksheet: a teacher chooses the items, exercises per item, level,
// versions (one per student), title and seed, and prints the sheets and their
// answer key, or saves them as PDF; the key after all versions or apart.
class WorksheetDialog : public QDialog
{
    Q_OBJECT

public:
    WorksheetDialog(Dialogs& dialogs, std::optional<ItemId> preselected, QWidget* parent = nullptr);

    // What the controls say, the items in the list's order; the seed is 0
    // when its text is not a number.
    WorksheetSettings settings() const;
    void setSettings(const WorksheetSettings& settings);
    bool keyApart() const;
    void setKeyApart(bool apart);

    void print();
    void saveAsPdf();

    // Writes the pages to a PDF file, replacing it only once fully written;
    // on a failure returns why.
    static std::optional<QString> writePdf(const PrintedWorksheet& pages, const QString& path);

private:
    // The settings, or nothing after telling the teacher what is missing.
    std::optional<WorksheetSettings> checkedSettings();
    QString footer() const;

    Dialogs& m_dialogs;
    QListWidget* m_items = nullptr;
    QSpinBox* m_count = nullptr;
    QComboBox* m_level = nullptr;
    QSpinBox* m_versions = nullptr;
    QLineEdit* m_title = nullptr;
    QLineEdit* m_seed = nullptr;
    QRadioButton* m_keyAfter = nullptr;
    QRadioButton* m_keyApart = nullptr;
    QString m_folder; // where the last PDF went
};

} // namespace quarvex
