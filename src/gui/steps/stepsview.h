#pragma once

#include "calc/derivation.h"
#include "steps/bandpicture.h"

#include <QWidget>

#include <optional>

class QLabel;
class QScrollArea;
class QTextBrowser;
class QVBoxLayout;

namespace quarvex {

// The legend of a row's bands as rich text: every band on its own line,
// "A (up to 0.65): The AST to ALT ratio indicates …", the chosen one marked
// and in bold.
QString bandLegend(const DerivedRow& row, const QLocale& locale);

// The worked steps of one computed item: the steps as rich text, then a band
// picture with its legend for each row that has bands, all in one scrolled
// column (the text takes the height it needs, so text and pictures scroll
// together). Without a derivation it shows only a line of text ("Press
// Calculate first.").
class StepsView final : public QWidget
{
    Q_OBJECT
public:
    explicit StepsView(QWidget* parent = nullptr);

    void setDerivation(const Derivation& derivation);
    void showMessage(const QString& text);

    // The derivation shown, or nothing while a message stands.
    const std::optional<Derivation>& derivation() const { return m_derivation; }
    // The working of every row (the band tables are the pictures' legends).
    QTextBrowser* browser() const { return m_browser; }
    // The sources and notes, below the pictures.
    QTextBrowser* sources() const { return m_sources; }
    // The band pictures of the rows that have bands, in row order.
    QList<BandPicture*> pictures() const;
    QScrollArea* scrollArea() const { return m_scroll; }

    // The height the whole column takes at the given width: the text, then
    // every picture and legend.
    int contentHeight(int width) const;

private:
    void clearPictures();

    std::optional<Derivation> m_derivation;
    QScrollArea* m_scroll;
    QWidget* m_content;
    QTextBrowser* m_browser;
    QWidget* m_pictureBox;
    QVBoxLayout* m_pictureLayout;
    QTextBrowser* m_sources;
};

// "Worked Steps": the steps of the last successful Calculate of one screen,
// following later ones while open. It asks for the height of its whole
// content (the screen bounds it; at worst it shows the inputs and the first
// formula and scrolls). Escape closes it.
class WorkedStepsWindow final : public QWidget
{
    Q_OBJECT
public:
    explicit WorkedStepsWindow(QWidget* parent = nullptr);

    StepsView* view() const { return m_view; }
    // The derivation to show, or nothing for "Press Calculate first.".
    void follow(const std::optional<Derivation>& derivation);

    QSize sizeHint() const override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    StepsView* m_view;
};

} // namespace quarvex
