#include "steps/stepsview.h"

#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <cmath>

namespace quarvex {

namespace {

// A band text this short is written on the bar as it is; a longer one gets
// a letter there and stands in full in the key beneath.
constexpr int ShortTextChars = 16;

QString bandLetter(qsizetype index)
{
    return QString(QChar(u'A' + char16_t(index % 26)));
}

// The key of the lettered bands: "A: below 0.65: The AST to ALT ratio …",
// the chosen band in bold.
QString bandKey(const DerivedRow& row, const QLocale& locale)
{
    QStringList lines;
    for (qsizetype i = 0; i < row.bands.size(); ++i) {
        const DerivedBand& band = row.bands[i];
        const QString text = band.text.value_or(QString::fromLatin1(NoBandText));
        if (text.size() <= ShortTextChars)
            continue;
        QString line = QStringLiteral("%1 (%2): %3")
                           .arg(bandLetter(i), bandRangeText(band, locale), text.toHtmlEscaped());
        line.replace(QStringLiteral(" ()"), QString());
        lines << (band.chosen ? QStringLiteral("<b>%1</b>").arg(line) : line);
    }
    return lines.join(QStringLiteral("<br>"));
}

} // namespace

BandScale bandScaleOf(const DerivedRow& row)
{
    BandScale scale;
    scale.title = row.name;
    for (qsizetype i = 0; i < row.bands.size(); ++i) {
        const DerivedBand& band = row.bands[i];
        PictureBand p;
        p.lower = band.lower;
        p.upper = band.upper;
        p.lowerIncluded = band.lowerIncluded;
        p.upperIncluded = band.upperIncluded;
        p.text = band.text.value_or(QString::fromLatin1(NoBandText));
        p.shortName = p.text.size() <= ShortTextChars ? p.text : bandLetter(i);
        scale.bands << p;
    }
    if (std::isfinite(row.value))
        scale.value = row.value;
    scale.chosen = row.chosenBand;
    return scale;
}

StepsView::StepsView(QWidget* parent)
    : QWidget(parent)
    , m_browser(new QTextBrowser(this))
    , m_pictureBox(new QWidget(this))
    , m_pictureLayout(new QVBoxLayout(m_pictureBox))
{
    setObjectName(QStringLiteral("StepsView"));
    m_browser->setObjectName(QStringLiteral("StepsText"));
    m_browser->setAccessibleName(QStringLiteral("Worked steps"));
    m_browser->setOpenLinks(false);
    // Selectable and copyable by mouse and keyboard; links are never followed.
    m_browser->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_browser->setTabChangesFocus(true);
    m_pictureBox->setObjectName(QStringLiteral("BandPictures"));
    m_pictureLayout->setContentsMargins(0, 0, 0, 0);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser, 1);
    layout->addWidget(m_pictureBox);
    showMessage(QStringLiteral("Press Calculate first."));
}

QList<BandPicture*> StepsView::pictures() const
{
    return m_pictureBox->findChildren<BandPicture*>();
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
    m_browser->setPlainText(text);
}

void StepsView::setDerivation(const Derivation& derivation)
{
    m_derivation = derivation;
    // A later Calculate keeps the reader's place in the text.
    const int scrolled = m_browser->verticalScrollBar()->value();
    m_browser->setHtml(stepsHtml(derivation, locale()));
    m_browser->verticalScrollBar()->setValue(scrolled);

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
        auto* picture = new BandPicture(m_pictureBox);
        picture->setObjectName(QStringLiteral("BandPicture%1").arg(number));
        picture->setScale(bandScaleOf(row));
        caption->setBuddy(picture);
        m_pictureLayout->addWidget(caption);
        m_pictureLayout->addWidget(picture);
        const QString key = bandKey(row, locale());
        if (!key.isEmpty()) {
            auto* label = new QLabel(key, m_pictureBox);
            label->setObjectName(QStringLiteral("BandKey%1").arg(number));
            label->setAccessibleName(QStringLiteral("Key to the bands of %1").arg(row.name));
            label->setTextFormat(Qt::RichText);
            label->setWordWrap(true);
            label->setTextInteractionFlags(Qt::TextSelectableByMouse);
            m_pictureLayout->addWidget(label);
        }
    }
    m_pictureBox->setVisible(number > 0);
}

WorkedStepsWindow::WorkedStepsWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_view(new StepsView(this))
{
    setObjectName(QStringLiteral("frmSteps"));
    setWindowTitle(QStringLiteral("Worked Steps"));
    setAccessibleName(QStringLiteral("Worked Steps"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_view);
}

void WorkedStepsWindow::follow(const std::optional<Derivation>& derivation)
{
    if (derivation)
        m_view->setDerivation(*derivation);
    else
        m_view->showMessage(QStringLiteral("Press Calculate first."));
}

QSize WorkedStepsWindow::sizeHint() const
{
    const QFontMetrics fm = fontMetrics();
    return {fm.averageCharWidth() * 80, fm.lineSpacing() * 32};
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
