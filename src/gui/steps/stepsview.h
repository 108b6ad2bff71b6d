#pragma once

#include "calc/derivation.h"
#include "steps/bandpicture.h"

#include <QWidget>

#include <optional>

class QLabel;
class QTextBrowser;
class QVBoxLayout;

namespace quarvex {

// The band picture's view of a derived row: its bands with the word for a
// band without text, short names (a letter where the text is too long to
// write on the bar), the value and the chosen band.
BandScale bandScaleOf(const DerivedRow& row);

// The worked steps of one computed item: the steps as rich text, then a band
// picture with its key for each row that has bands. Without a derivation it
// shows only a line of text ("Press Calculate first.").
class StepsView final : public QWidget
{
    Q_OBJECT
public:
    explicit StepsView(QWidget* parent = nullptr);

    void setDerivation(const Derivation& derivation);
    void showMessage(const QString& text);

    // The derivation shown, or nothing while a message stands.
    const std::optional<Derivation>& derivation() const { return m_derivation; }
    QTextBrowser* browser() const { return m_browser; }
    // The band pictures of the rows that have bands, in row order.
    QList<BandPicture*> pictures() const;

private:
    void clearPictures();

    std::optional<Derivation> m_derivation;
    QTextBrowser* m_browser;
    QWidget* m_pictureBox;
    QVBoxLayout* m_pictureLayout;
};

// "Worked Steps": the steps of the last successful Calculate of one screen,
// following later ones while open. Escape closes it.
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
