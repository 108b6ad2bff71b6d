#pragma once

#include <QStringList>
#include <QWidget>

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace quarvex {

// The explanation that frmList shows when it is loaded.
inline constexpr const char* ListExplanation = QT_TRANSLATE_NOOP(
    "quarvex::ItemListWindow",
    "These are the items for which calculations can be made. If an item is missing it's because "
    "the required data wasn't entered or correctly put in. Click the cancel button to return to "
    "the Data Entry form and enter the missing or incorrect data. Press the OK button to continue "
    "with the calculations.");
// What it shows instead after a pass found no computable item.
inline constexpr const char* NoItemsExplanation = QT_TRANSLATE_NOOP(
    "quarvex::ItemListWindow",
    "There are no items for which calculations can be made because the required data wasn't "
    "entered or correctly put in. Click the cancel button to return to the Data Entry form and "
    "enter the missing or incorrect data.");

// frmList, "Test Results": the names of the computable items.
class ItemListWindow final : public QWidget
{
    Q_OBJECT
public:
    ItemListWindow();

    QListWidget* list() const { return m_list; }
    QPushButton* okButton() const { return m_ok; }
    QLabel* explainLabel() const { return m_explain; }
    // "Cannot be computed": every other item with the reasons, read-only.
    QPlainTextEdit* missingView() const { return m_missing; }

    // Shows the result of a pass, replacing what an earlier one showed: the
    // computable items in the list and why the others are missing. With no
    // computable item OK is disabled and the explanation says why.
    void showItems(const QStringList& computable, const QStringList& missingLines);

Q_SIGNALS:
    // OK: compute the items and show their results.
    void resultsRequested();

protected:
    // Escape cancels, as the Cancel button does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    QListWidget* m_list = nullptr;
    QPushButton* m_ok = nullptr;
    QLabel* m_explain = nullptr;
    QLabel* m_missingHeading = nullptr;
    QPlainTextEdit* m_missing = nullptr;
    QPushButton* m_cancel = nullptr;
};

} // namespace quarvex
