#include "overview/frmlist.h"

#include "app/keyboard.h"
#include "app/metrics.h"
#include "app/scrollfit.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace quarvex {

ItemListWindow::ItemListWindow()
{
    setObjectName(QStringLiteral("frmList"));
    setWindowTitle(QStringLiteral("Test Results"));

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("List1"));
    m_list->setAccessibleName(QStringLiteral("Computable items"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSortingEnabled(false);
    m_list->setMinimumSize(m_list->fontMetrics().horizontalAdvance(QLatin1Char('x')) *
                               metrics::ComputableListChars,
                           m_list->fontMetrics().height() * metrics::ComputableListLines);

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("OKButton"));
    auto* cancel = m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));

    m_explain = new QLabel(QString::fromLatin1(ListExplanation), this);
    m_explain->setObjectName(QStringLiteral("ExplainLabel"));
    m_explain->setWordWrap(true);
    keepWrappedTextWhole(m_explain, m_list->minimumWidth());

    connect(m_ok, &QPushButton::clicked, this, &ItemListWindow::resultsRequested);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_list, 0, 0, 3, 1);
    grid->addWidget(m_ok, 0, 1);
    grid->addWidget(cancel, 1, 1);
    grid->setRowStretch(2, 1);
    grid->addWidget(m_explain, 3, 0, 1, 2);
    grid->setColumnStretch(0, 1);

    setTabOrder(m_ok, cancel);
    setTabOrder(cancel, m_list);
    m_ok->setFocus();
    pressDefaultOnEnter(this, m_ok);
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
