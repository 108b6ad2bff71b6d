#pragma once

#include "app/analytewidgets.h"

#include <QComboBox>
#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;

namespace quarvex {

// The category list of the selector: an editable drop-down list in which
// only a category picked from the list counts as chosen (with the mouse, the
// arrow keys or the wheel); text typed into it chooses no category.
class CategoryBox final : public ChoiceList
{
    Q_OBJECT
public:
    explicit CategoryBox(QWidget* parent = nullptr);

    // The position of the chosen category, or -1 when none is chosen (at
    // start and after the user typed into the text part).
    int chosen() const { return m_chosen; }

    void showPopup() override;

Q_SIGNALS:
    void categoryChosen(int position);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void onActivated(int index);

    int m_chosen = -1;
    bool m_typed = false;
};

// frmMain, the Quick Calculator selector: a category, one of its test items,
// then "Explain" (frmExplain) or "Proceed" (the category's calculator screen).
class SelectorWindow final : public QWidget
{
    Q_OBJECT
public:
    SelectorWindow();

    void chooseCategory(int position);
    void chooseItem();
    void explain();
    void proceed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int itemPosition() const;

    QLabel* m_categoryLabel;
    CategoryBox* m_category;
    QListWidget* m_subCat;
    QPushButton* m_proceed;
    QPushButton* m_explain;
};

} // namespace quarvex
