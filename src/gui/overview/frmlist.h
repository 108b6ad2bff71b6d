#pragma once

#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;

namespace quarvex {

// The explanation that frmList shows when it is loaded.
inline constexpr const char* ListExplanation =
    "These are the items for which calculations can be made. If an item is missing it's because "
    "the required data wasn't entered or correctly put in. Click the cancel button to return to "
    "the Data Entry form and enter the missing or incorrect data. Press the OK button to continue "
    "with the calculations.";
// What it shows instead after a pass found no computable item.
inline constexpr const char* NoItemsExplanation =
    "There are no items for which calculations can be made because the required data wasn't "
    "entered or correctly put in. Click the cancel button to return to the Data Entry form and "
    "enter the missing or incorrect data.";

// frmList, "Test Results": the names of the computable items.
class ItemListWindow final : public QWidget
{
    Q_OBJECT
public:
    ItemListWindow();

    QListWidget* list() const { return m_list; }
    QPushButton* okButton() const { return m_ok; }
    QLabel* explainLabel() const { return m_explain; }

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
    QPushButton* m_cancel = nullptr;
};

} // namespace quarvex
