#include "overview/frmlist.h"

#include "app/keyboard.h"
#include "app/metrics.h"
#include "app/scrollfit.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quarvex {

ItemListWindow::ItemListWindow()
{
    setObjectName(QStringLiteral("frmList"));
    setWindowTitle(tr("Test Results"));

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("List1"));
    m_list->setAccessibleName(tr("Computable items"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSortingEnabled(false);
    m_list->setMinimumSize(m_list->fontMetrics().horizontalAdvance(QLatin1Char('x')) *
                               metrics::ComputableListChars,
                           m_list->fontMetrics().height() * metrics::ComputableListLines);

    m_ok = new QPushButton(tr("OK"), this);
    m_ok->setObjectName(QStringLiteral("OKButton"));
    auto* cancel = m_cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));

    m_explain = new QLabel(tr(ListExplanation), this);
    m_explain->setObjectName(QStringLiteral("ExplainLabel"));
    m_explain->setWordWrap(true);
    keepWrappedTextWhole(m_explain, m_list->minimumWidth());

    m_missingHeading = new QLabel(tr("Cannot be computed"), this);
    m_missingHeading->setObjectName(QStringLiteral("MissingLabel"));
    m_missing = new QPlainTextEdit(this);
    m_missing->setObjectName(QStringLiteral("MissingItems"));
    m_missing->setAccessibleName(tr("Cannot be computed"));
    m_missing->setReadOnly(true);
    m_missing->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_missing->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_missing->setMinimumHeight(m_missing->fontMetrics().height() * metrics::MissingItemsLines);
    // Muted, not disabled: the text stays selectable and readable; the
    // placeholder colour follows light and dark themes.
    QPalette muted = m_missing->palette();
    muted.setColor(QPalette::Text, muted.color(QPalette::PlaceholderText));
    m_missing->setPalette(muted);
    m_missingHeading->setBuddy(m_missing);
    m_missingHeading->hide();
    m_missing->hide();

    connect(m_ok, &QPushButton::clicked, this, &ItemListWindow::resultsRequested);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_list, 0, 0, 3, 1);
    grid->addWidget(m_ok, 0, 1);
    grid->addWidget(cancel, 1, 1);
    grid->setRowStretch(2, 1);
    grid->addWidget(m_missingHeading, 3, 0, 1, 2);
    grid->addWidget(m_missing, 4, 0, 1, 2);
    grid->addWidget(m_explain, 5, 0, 1, 2);
    grid->setColumnStretch(0, 1);

    setTabOrder(m_ok, cancel);
    setTabOrder(cancel, m_list);
    setTabOrder(m_list, m_missing);
    m_ok->setFocus();
    pressDefaultOnEnter(this, m_ok);
}

void ItemListWindow::showItems(const QStringList& computable, const QStringList& missingLines)
{
    m_list->clear();
    m_list->addItems(computable);
    m_ok->setEnabled(!computable.isEmpty());
    m_explain->setText(tr(computable.isEmpty() ? NoItemsExplanation : ListExplanation));
    m_missing->setPlainText(missingLines.join(QLatin1Char('\n')));
    m_missingHeading->setVisible(!missingLines.isEmpty());
    m_missing->setVisible(!missingLines.isEmpty());
}

void ItemListWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        m_cancel->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace quarvex
