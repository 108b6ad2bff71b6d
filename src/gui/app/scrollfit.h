#pragma once

#include <QScrollArea>

class QLabel;

namespace quarvex {

// A window's content in a scroll area that stays out of sight while the
// screen has room: its size hints are those of the content, bounded by the
// room the screen leaves for the window. A window whose content needs more
// than the screen (at a large scale factor or font) keeps within the screen
// and scrolls instead of squeezing its controls.
class FittingScrollArea final : public QScrollArea
{
    Q_OBJECT
public:
    explicit FittingScrollArea(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // What the content needs: its minimum (or preferred) size, with the
    // height its word-wrapped texts take at that width.
    QSize contentNeeds(bool preferred) const;
};

// The size a window of the screen can have: the screen's available area less
// an allowance for the window frame.
QSize roomOnScreen(const QWidget* window);

// Gives the window a content widget inside a FittingScrollArea and returns it;
// the window lays out its controls on the content.
QWidget* scrolledContent(QWidget* window);

// Grows the window (within the screen) until its content has the height its
// texts need at the window's width, e.g. after a longer text was set.
void growToContent(QWidget* window);

// A window's minimum size leaves out the height word-wrapped texts take:
// gives the label the width it may narrow to and the height its text takes
// at that width, so that the window never cuts it.
void keepWrappedTextWhole(QLabel* label, int minimumWidth);

} // namespace quarvex
