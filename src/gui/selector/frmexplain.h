#pragma once

#include <QWidget>

class QLabel;

namespace quarvex {

// frmExplain: one word-wrapped text, the explanation of a test item or the
// interpretation behind the renal screen's "More Info". Fixed size, no
// minimise or maximise button; Escape closes it like the close box.
class ExplainWindow final : public QWidget
{
    Q_OBJECT
public:
    ExplainWindow();

    void setExplanation(const QString& text);
    QString explanation() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLabel* m_explanation;
};

} // namespace quarvex
