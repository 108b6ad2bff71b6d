#include "steps/stepsview.h"

#include "calc/items.h"

#include <QAbstractTextDocumentLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

#include <cmath>
#include <memory>

namespace quarvex {

namespace {

// A text browser as tall as its text at its width: it never scrolls itself,
// the column it stands in does.
class FlowingTextBrowser final : public QTextBrowser
{
public:
    explicit FlowingTextBrowser(QWidget* parent)
        : QTextBrowser(parent)
    {
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        setLineWrapMode(QTextEdit::WidgetWidth);
        connect(document()->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged,
                this, [this] { fitHeight(); });
    }

    // The height of the text laid out at the given width of the browser.
    int textHeight(int width) const
    {
        const int frame = 2 * frameWidth();
        std::unique_ptr<QTextDocument> copy(document()->clone());
        copy->setTextWidth(std::max(1, width - frame));
        return int(std::ceil(copy->size().height())) + frame;
    }

    QSize sizeHint() const override
    {
        const int width = QTextBrowser::sizeHint().width();
        return {width, textHeight(width)};
    }
    QSize minimumSizeHint() const override
    {
        return {fontMetrics().averageCharWidth() * 20, fontMetrics().lineSpacing()};
    }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QTextBrowser::resizeEvent(event);
        fitHeight();
    }

private:
    void fitHeight()
    {
        const int frame = 2 * frameWidth();
        const int wanted = int(std::ceil(document()->size().height())) + frame;
        if (wanted != height())
            setFixedHeight(wanted);
    }
};

} // namespace

QString bandLegend(const DerivedRow& row, const QLocale& locale)
{
    QStringList lines;
    for (qsizetype i = 0; i < row.bands.size(); ++i) {
        const DerivedBand& band = row.bands[i];
        const QString line =
            QStringLiteral("%1 (%2): %3")
                .arg(bandLetter(i), bandRangeText(row, band, locale).toHtmlEscaped(),
                     bandMeaning(band).toHtmlEscaped());
        // The chosen band is told by a marker and bold type, not by colour alone.
        lines << (band.chosen ? QStringLiteral("<b>\u25b6 %1</b>").arg(line) : line);
    }
    return lines.join(QStringLiteral("<br>"));
}

StepsView::StepsView(QWidget* parent)
    : QWidget(parent)
    , m_scroll(new QScrollArea(this))
    , m_content(new QWidget)
    , m_browser(new FlowingTextBrowser(m_content))
    , m_pictureBox(new QWidget(m_content))
    , m_pictureLayout(new QVBoxLayout(m_pictureBox))
    , m_sources(new FlowingTextBrowser(m_content))
{
    setObjectName(QStringLiteral("StepsView"));
    m_scroll->setObjectName(QStringLiteral("StepsScroll"));
    m_scroll->setAccessibleName(tr("Worked steps and band pictures"));
    m_scroll->setWidgetResizable(true);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setFrameShape(QFrame::StyledPanel);
    m_content->setObjectName(QStringLiteral("StepsContent"));
    m_content->setAccessibleName(tr("Worked steps page"));
    // One page: the pictures stand on the same ground as the text around them.
    m_content->setBackgroundRole(QPalette::Base);
    m_content->setAutoFillBackground(true);
    m_browser->setObjectName(QStringLiteral("StepsText"));
    m_browser->setAccessibleName(tr("Worked steps"));
    m_browser->setOpenLinks(false);
    m_browser->setFrameShape(QFrame::NoFrame);
    // Selectable and copyable by mouse and keyboard; links are never followed.
    m_browser->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_browser->setTabChangesFocus(true);
    m_pictureBox->setObjectName(QStringLiteral("BandPictures"));
    m_pictureLayout->setContentsMargins(0, 0, 0, 0);
    m_sources->setObjectName(QStringLiteral("StepsSources"));
    m_sources->setAccessibleName(tr("Sources of the formula and bands"));
    m_sources->setOpenLinks(false);
    m_sources->setFrameShape(QFrame::NoFrame);
    m_sources->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_sources->setTabChangesFocus(true);

    // The working, each row's band picture with its legend, then the sources.
    auto* column = new QVBoxLayout(m_content);
    column->addWidget(m_browser);
    column->addWidget(m_pictureBox);
    column->addWidget(m_sources);
    column->addStretch(1);
    m_scroll->setWidget(m_content);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scroll);
    showMessage(tr("Press Calculate first."));
}

QList<BandPicture*> StepsView::pictures() const
{
    return m_pictureBox->findChildren<BandPicture*>();
}

int StepsView::contentHeight(int width) const
{
    const QMargins margins = m_content->layout()->contentsMargins();
    const int inner = width - margins.left() - margins.right();
    int height = margins.top() + margins.bottom() +
                 static_cast<const FlowingTextBrowser*>(m_browser)->textHeight(inner);
    if (m_pictureBox->isVisibleTo(m_content)) {
        height += m_content->layout()->spacing();
        height += m_pictureLayout->hasHeightForWidth() ? m_pictureLayout->totalHeightForWidth(inner)
                                                       : m_pictureLayout->totalSizeHint().height();
    }
    if (m_sources->isVisibleTo(m_content)) {
        height += m_content->layout()->spacing() +
                  static_cast<const FlowingTextBrowser*>(m_sources)->textHeight(inner);
    }
    return height + 2 * m_scroll->frameWidth();
}

void StepsView::clearPictures()
{
    while (QLayoutItem* item = m_pictureLayout->takeAt(0)) {
        delete item->widget();
        delete item;
    }
}

void StepsView::showMessage(const QString& text)
{
    m_derivation.reset();
    clearPictures();
    m_pictureBox->hide();
    m_sources->clear();
    m_sources->hide();
    m_browser->setPlainText(text);
}

void StepsView::setDerivation(const Derivation& derivation)
{
    m_derivation = derivation;
    // A later Calculate keeps the reader's place in the text.
    const int scrolled = m_scroll->verticalScrollBar()->value();
    m_browser->setHtml(stepsHtml(derivation, locale(), {}));
    const QString sources = sourcesHtml(derivation);
    m_sources->setHtml(sources);
    m_sources->setVisible(!sources.isEmpty());

    clearPictures();
    int number = 0;
    for (const DerivedRow& row : derivation.rows) {
        if (row.bands.isEmpty())
            continue;
        ++number;
        auto* caption = new QLabel(row.name, m_pictureBox);
        caption->setObjectName(QStringLiteral("BandCaption%1").arg(number));
        QFont bold = caption->font();
        bold.setBold(true);
        caption->setFont(bold);
        caption->setTextFormat(Qt::PlainText);
        caption->setWordWrap(true);
        auto* picture = new BandPicture(m_pictureBox);
        picture->setObjectName(QStringLiteral("BandPicture%1").arg(number));
        picture->setScale(bandScaleOf(row));
        caption->setBuddy(picture);
        // Every band in the legend, wrapped to the width there is.
        auto* legend = new QLabel(bandLegend(row, locale()), m_pictureBox);
        legend->setObjectName(QStringLiteral("BandKey%1").arg(number));
        legend->setAccessibleName(tr("Key to the bands of %1").arg(shownItemText(row.name)));
        legend->setTextFormat(Qt::RichText);
        legend->setWordWrap(true);
        legend->setTextInteractionFlags(Qt::TextSelectableByMouse);
        m_pictureLayout->addWidget(caption);
        m_pictureLayout->addWidget(picture);
        m_pictureLayout->addWidget(legend);
    }
    m_pictureBox->setVisible(number > 0);
    m_scroll->verticalScrollBar()->setValue(scrolled);
}

WorkedStepsWindow::WorkedStepsWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_view(new StepsView(this))
{
    setObjectName(QStringLiteral("frmSteps"));
    setWindowTitle(tr("Worked Steps"));
    setAccessibleName(tr("Worked Steps"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_view);
}

void WorkedStepsWindow::follow(const std::optional<Derivation>& derivation)
{
    if (derivation)
        m_view->setDerivation(*derivation);
    else
        m_view->showMessage(tr("Press Calculate first."));
}

QSize WorkedStepsWindow::sizeHint() const
{
    const QFontMetrics fm = fontMetrics();
    const int width = fm.averageCharWidth() * 110;
    const QMargins margins = layout()->contentsMargins();
    const int inner = width - margins.left() - margins.right();
    return {width, std::max(fm.lineSpacing() * 12,
                            m_view->contentHeight(inner) + margins.top() + margins.bottom())};
}

void WorkedStepsWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace quarvex
