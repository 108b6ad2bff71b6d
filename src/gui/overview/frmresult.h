#pragma once

#include <QTableView>
#include <QWidget>

class QAction;
class QCheckBox;
class QLabel;
class QPushButton;
class QSplitter;

namespace quarvex {

class ResultsModel;
class StepsView;

// FlexGrid: a read-only three-column grid (test item, result, interpretation)
// over a ResultsModel, whose rows wrap their text and grow to fit it. Whole
// rows are selected; Ctrl+C and the context menu's Copy both trigger
// copyAction(), which copies the selected rows as tab-separated lines.
class ResultGrid final : public QTableView
{
    Q_OBJECT
public:
    explicit ResultGrid(ResultsModel* model, QWidget* parent = nullptr);

    ResultsModel* rows() const { return m_rows; }
    QAction* copyAction() const { return m_copy; }
    // The selected rows, top to bottom, one tab-separated line each.
    QString selectedRowsText() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void copySelection() const;
    void fitColumns();
    void fitRows();

    ResultsModel* m_rows = nullptr;
    QAction* m_copy = nullptr;
    int m_itemWidth = 0;   // what the longest test item text needs
    int m_resultWidth = 0; // what a long result text needs
};

// frmResult, "Test Results": the result rows of the computable items.
class ResultsWindow final : public QWidget
{
    Q_OBJECT
public:
    ResultsWindow();

    ResultGrid* grid() const { return m_grid; }
    ResultsModel* rows() const { return m_rows; }
    // The "Check: ..." line above the grid: one line per hint, hidden when
    // there is none.
    QLabel* hintsLabel() const { return m_hints; }
    void setHints(const QStringList& texts);
    // Below the grid: the worked steps of the selected row's item.
    StepsView* steps() const { return m_steps; }
    QSplitter* splitter() const { return m_splitter; }
    QSize sizeHint() const override;
    // Whether printing and the PDF include the worked steps of every item.
    bool includeSteps() const;

Q_SIGNALS:
    void backRequested();
    void exportRequested();
    void closeRequested();
    void printRequested();
    void pdfRequested();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void alignHeadings();
    void showStepsOf(int row);

    ResultsModel* m_rows = nullptr;
    ResultGrid* m_grid = nullptr;
    QSplitter* m_splitter = nullptr;
    StepsView* m_steps = nullptr;
    QList<QLabel*> m_headings;
    QLabel* m_hints = nullptr;
    QCheckBox* m_includeSteps = nullptr;
    bool m_splitterPlaced = false;
};

} // namespace quarvex
