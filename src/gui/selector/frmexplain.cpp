#include "selector/frmexplain.h"

#include "app/metrics.h"
#include "app/qtdialogs.h"

#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace quarvex {

ExplainWindow::ExplainWindow()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint)
    , m_explanation(new QLabel(this))
{
    setObjectName(QStringLiteral("frmExplain"));
    setWindowTitle(tr("Explanation"));

    m_explanation->setObjectName(QStringLiteral("Explanation"));
    m_explanation->setWordWrap(true);
    m_explanation->setTextFormat(Qt::PlainText);
    m_explanation->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The text takes the keyboard focus, so that a screen reader reads it
    // when the window opens and the keyboard can select and copy it.
    m_explanation->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                           Qt::TextSelectableByKeyboard);
    m_explanation->setFocusPolicy(Qt::StrongFocus);
    m_explanation->setFocus();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->addWidget(m_explanation);

    // Room for the longest explanation and interpretation at the usual font size.
    const QFontMetrics metrics(font());
    setFixedSize(metrics.averageCharWidth() * metrics::ExplainChars + 28,
                 metrics.lineSpacing() * metrics::ExplainLines + 24);
}

void ExplainWindow::setExplanation(const QString& text)
{
    m_explanation->setText(displayText(text));
}

QString ExplainWindow::explanation() const
{
    return m_explanation->text();
}

void ExplainWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace quarvex
