#pragma once

#include "calc/outcome.h"

#include <QTableWidget>
#include <QWidget>

class QLabel;
class QPushButton;

namespace quarvex {

// FlexGrid: a read-only three-column grid (test item, result, interpretation)
// whose rows wrap their text and grow to fit it. Whole rows are selected;
// Ctrl+C copies the selected rows as tab-separated lines.
class ResultGrid final : public QTableWidget
{
    Q_OBJECT
public:
    explicit ResultGrid(QWidget* parent = nullptr);

    void appendRow(const ResultRow& row);
    ResultRow row(int index) const;
    // The selected rows, top to bottom, one tab-separated line each.
    QString selectedRowsText() const;
    void copySelection() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitColumns();
    void fitRows();

    int m_itemWidth = 0;   // what the longest test item text needs
    int m_resultWidth = 0; // what a long result text needs
};

// frmResult, "Test Results": the result rows of the computable items.
class FrmResult final : public QWidget
{
    Q_OBJECT
public:
    FrmResult();

    ResultGrid* grid() const { return m_grid; }
    QSize sizeHint() const override;

private:
    void alignHeadings();

    ResultGrid* m_grid = nullptr;
    QList<QLabel*> m_headings;
};

} // namespace quarvex
