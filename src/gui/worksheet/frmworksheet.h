#pragma once

#include "practice/worksheet.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace quarvex {

class ClassGradeWindow;
class Dialogs;
struct PrintedWorksheet;

// frmWorksheet: a teacher chooses the items, exercises per item, level,
// versions (one per student), title and seed, and prints the sheets and their
// answer key, or saves them as PDF; the key after all versions or apart, with
// or without the worked steps. The sheet file (the settings, to grade or
// print again later) and the class file to fill in are saved from here too.
// The settings are kept for the next time it opens while the program runs.
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
    bool workedSteps() const;
    void setWorkedSteps(bool on);
    // The line under the buttons that says what was saved last.
    QString status() const;

    void print();
    void saveAsPdf();
    void saveSheet();
    void openSheet();
    void saveClassCsv();
    // Save for Moodle…: the exercises as Moodle XML questions, named by their codes.
    void saveForMoodle();
    // Grade class…: a filled class file graded against the sheet, shown in a
    // window of its own (returned; nothing when cancelled or not graded).
    ClassGradeWindow* gradeClass();

    // Writes the pages to a PDF file, replacing it only once fully written;
    // on a failure returns why. `pages` gets the number of pages written.
    static std::optional<QString> writePdf(const PrintedWorksheet& pages, const QString& path,
                                           int* pageCount = nullptr);

    // Forgets the settings kept from the last time (for tests).
    static void forgetSettings();

protected:
    void done(int result) override;

private:
    // The settings, or nothing after telling the teacher what is missing.
    std::optional<WorksheetSettings> checkedSettings();
    void updateCount();
    // Asks where to save a file, proposing `name` in the last folder used.
    QString askSavePath(const char* title, const QString& name, const char* filter,
                        const QString& suffix);
    bool saveFile(const QString& path, const QByteArray& bytes, const char* title);

    Dialogs& m_dialogs;
    QListWidget* m_items = nullptr;
    QSpinBox* m_count = nullptr;
    QComboBox* m_level = nullptr;
    QSpinBox* m_versions = nullptr;
    QLineEdit* m_title = nullptr;
    QLineEdit* m_seed = nullptr;
    QRadioButton* m_keyAfter = nullptr;
    QRadioButton* m_keyApart = nullptr;
    QCheckBox* m_workedSteps = nullptr;
    QLabel* m_checkedCount = nullptr;
    QLabel* m_status = nullptr;
    QString m_folder;                          // where the last file went
    std::optional<WorksheetSettings> m_opened; // the sheet opened last
};

} // namespace quarvex
