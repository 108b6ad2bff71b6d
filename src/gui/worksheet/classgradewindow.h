#pragma once

#include "practice/classgrade.h"

#include <QAbstractTableModel>
#include <QDialog>
#include <QLocale>

class QLabel;
class QPlainTextEdit;
class QTableView;

namespace quarvex {

class Dialogs;

// The gradebook as a table: a row per student; the columns Student, the
// identity columns (Email, ID number, ...), Exercises (graded), Total and one
// per item, the percentages with two decimals in the locale.
class ClassGradeModel final : public QAbstractTableModel
{
    Q_OBJECT

public:
    ClassGradeModel(ClassGradebook gradebook, const QLocale& locale, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    const ClassGradebook& gradebook() const { return m_gradebook; }

private:
    int firstItemColumn() const { return int(m_gradebook.identityColumns.size()) + 3; }

    ClassGradebook m_gradebook;
    QLocale m_locale;
};

// frmClassGrade: a class's answers graded against the worksheet's sheet: the
// per-student table, the slips and each step's share right, the problems
// reported (the lines skipped among them), and Save gradebook…, which writes
// the gradebook as quarvex-cli --grade --batch --gradebook does.
class ClassGradeWindow final : public QDialog
{
    Q_OBJECT

public:
    // `summary` as gradeClass returned it (status Done or BadRows), the
    // problems it reported, the class file's path for the title line.
    ClassGradeWindow(Dialogs& dialogs, const ClassGradeSummary& summary,
                     const QStringList& problems, const QString& classPath, const QString& folder,
                     const QLocale& locale, QWidget* parent = nullptr);

    ClassGradeModel* model() const { return m_model; }
    QStringList problems() const;
    QString summaryText() const;
    // Asks where to save the gradebook and saves it; true once saved.
    bool saveGradebook();

private:
    Dialogs& m_dialogs;
    ClassGradeModel* m_model = nullptr;
    QTableView* m_table = nullptr;
    QPlainTextEdit* m_summary = nullptr;
    QPlainTextEdit* m_problems = nullptr;
    QLabel* m_status = nullptr;
    QString m_folder;
    QString m_name; // proposed for the gradebook
    QLocale m_locale;
};

} // namespace quarvex
