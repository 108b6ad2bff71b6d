#include "app/scrollfit.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

namespace quarvex {

namespace {

// A title bar and borders, for a window not yet shown.
constexpr QSize FrameAllowance(16, 48);

} // namespace

QSize roomOnScreen(const QWidget* window)
{
    const QWidget* top = window->window();
    QScreen* screen = top->screen() ? top->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return {QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
    const QSize frame = top->frameGeometry().size() - top->size();
    return screen->availableGeometry().size() - frame.expandedTo(FrameAllowance);
}

FittingScrollArea::FittingScrollArea(QWidget* parent)
    : QScrollArea(parent)
{
    setObjectName(QStringLiteral("ContentScrollArea"));
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
}

QSize FittingScrollArea::contentNeeds(bool preferred) const
{
    const QWidget* content = widget();
    if (!content)
        return {};
    QSize needs = preferred ? content->sizeHint() : content->minimumSizeHint();
    needs = needs.expandedTo(content->minimumSize());
    if (content->hasHeightForWidth())
        needs.setHeight(std::max(needs.height(), content->heightForWidth(needs.width())));
    return needs;
}

namespace {

// needs bounded by room, plus a scroll bar across where the other direction
// does not fit.
QSize bounded(QSize needs, QSize room, int bar)
{
    QSize size = needs.boundedTo(room);
    if (needs.width() > room.width())
        size.setHeight(std::min(room.height(), size.height() + bar));
    if (needs.height() > room.height())
        size.setWidth(std::min(room.width(), size.width() + bar));
    return size;
}

} // namespace

QSize FittingScrollArea::sizeHint() const
{
    if (!widget())
        return QScrollArea::sizeHint();
    return bounded(contentNeeds(true), roomOnScreen(this),
                   style()->pixelMetric(QStyle::PM_ScrollBarExtent));
}

QSize FittingScrollArea::minimumSizeHint() const
{
    if (!widget())
        return QScrollArea::minimumSizeHint();
    return bounded(contentNeeds(false), roomOnScreen(this),
                   style()->pixelMetric(QStyle::PM_ScrollBarExtent));
}

QWidget* scrolledContent(QWidget* window)
{
    auto* area = new FittingScrollArea(window);
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("Content"));
    area->setWidget(content);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(area);
    return content;
}

void growToContent(QWidget* window)
{
    auto* area = window->findChild<FittingScrollArea*>(QStringLiteral("ContentScrollArea"));
    QWidget* content = area ? area->widget() : nullptr;
    if (!content || !content->hasHeightForWidth())
        return;
    area->updateGeometry();
    const int missing =
        content->heightForWidth(area->viewport()->width()) - area->viewport()->height();
    if (missing <= 0)
        return;
    const int height = std::min(window->height() + missing, roomOnScreen(window).height());
    window->resize(window->width(), std::max(height, window->height()));
    // Grown past the foot of the screen: moved up until it fits.
    if (QScreen* screen = window->screen()) {
        const int below = window->frameGeometry().bottom() - screen->availableGeometry().bottom();
        if (below > 0)
            window->move(window->x(),
                         std::max(screen->availableGeometry().top(), window->y() - below));
    }
}

void keepWrappedTextWhole(QLabel* label, int minimumWidth)
{
    label->setMinimumWidth(minimumWidth);
    label->setMinimumHeight(label->heightForWidth(minimumWidth));
}

} // namespace quarvex
