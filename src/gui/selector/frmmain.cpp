#include "selector/frmmain.h"

#include "app/analytewidgets.h"
#include "app/keyboard.h"
#include "app/metrics.h"
#include "app/navigation.h"
#include "app/windows.h"
#include "catalogue/catalogue.h"
#include "screens/calculatorscreen.h"
#include "selector/frmexplain.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace quarvex {

CategoryBox::CategoryBox(QWidget* parent)
    : ChoiceList(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    connect(this, &QComboBox::activated, this, &CategoryBox::onActivated);
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] {
        m_typed = true;
        m_chosen = -1;
    });
    // An entry picked by an assistive tool is chosen like one clicked.
    onAssistiveChoice(this, [this](int row) {
        m_typed = false;
        setCurrentIndex(row);
        Q_EMIT activated(row);
    });
}

void CategoryBox::showPopup()
{
    m_typed = false;
    QComboBox::showPopup();
}

void CategoryBox::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        m_typed = false;
        break;
    default:
        break;
    }
    QComboBox::keyPressEvent(event);
}

void CategoryBox::wheelEvent(QWheelEvent* event)
{
    m_typed = false;
    QComboBox::wheelEvent(event);
}

void CategoryBox::onActivated(int index)
{
    // A typed text that happens to equal a category is not a choice.
    if (m_typed)
        return;
    m_chosen = index;
    Q_EMIT categoryChosen(index);
}

SelectorWindow::SelectorWindow()
    : m_categoryLabel(new QLabel(tr("Select a category:"), this))
    , m_category(new CategoryBox(this))
    , m_subCat(new QListWidget(this))
    , m_proceed(new QPushButton(tr("Proceed"), this))
    , m_explain(new QPushButton(tr("Explain"), this))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(tr("Medical Calculator"));

    m_categoryLabel->setObjectName(QStringLiteral("CategoryLabel"));
    m_categoryLabel->setBuddy(m_category);
    m_category->setObjectName(QStringLiteral("Category"));
    setChoiceListName(m_category, tr("Category"));
    for (const CatalogueCategory& category : categories())
        m_category->addItem(category.shownText());
    m_category->setCurrentIndex(-1);
    m_category->setEditText(QString());
    m_category->setSizeAdjustPolicy(QComboBox::AdjustToContents);

    m_subCat->setObjectName(QStringLiteral("SubCat"));
    m_subCat->setAccessibleName(tr("Test items"));
    m_subCat->setSortingEnabled(false);
    m_subCat->setSelectionMode(QAbstractItemView::SingleSelection);
    m_subCat->installEventFilter(this);
    // Room for the longest item name without a scroll bar.
    const QFontMetrics metrics(m_subCat->font());
    int widest = 0;
    for (const TestItem& item : catalogue())
        widest = std::max(widest, metrics.horizontalAdvance(item.shownName()));
    m_subCat->setMinimumSize(widest + 40, metrics.lineSpacing() * metrics::SelectorListLines + 8);

    m_proceed->setObjectName(QStringLiteral("Proceed"));
    m_explain->setObjectName(QStringLiteral("Explain"));
    m_proceed->setAutoDefault(true);
    m_explain->setAutoDefault(true);
    m_proceed->setEnabled(false);
    m_explain->setEnabled(false);

    auto* top = new QHBoxLayout;
    top->addWidget(m_categoryLabel);
    top->addWidget(m_category, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_proceed);
    buttons->addWidget(m_explain);
    buttons->addStretch(1);
    auto* layout = new QGridLayout(this);
    layout->addLayout(top, 0, 0);
    layout->addWidget(m_subCat, 1, 0);
    layout->addLayout(buttons, 2, 0);
    layout->setRowStretch(1, 1);

    setTabOrder(m_category, m_subCat);
    setTabOrder(m_subCat, m_proceed);
    setTabOrder(m_proceed, m_explain);
    m_category->setFocus();
    pressDefaultOnEnter(this, m_proceed);

    connect(m_category, &CategoryBox::categoryChosen, this, &SelectorWindow::chooseCategory);
    connect(m_subCat, &QListWidget::itemSelectionChanged, this, &SelectorWindow::chooseItem);
    // Enter on the list reaches the window and presses Proceed there; a double
    // click proceeds as well.
    connect(m_subCat, &QListWidget::itemDoubleClicked, this, &SelectorWindow::proceed);
    connect(m_proceed, &QPushButton::clicked, this, &SelectorWindow::proceed);
    connect(m_explain, &QPushButton::clicked, this, &SelectorWindow::explain);
}

void SelectorWindow::chooseCategory(int position)
{
    m_proceed->setEnabled(false);
    m_explain->setEnabled(false);
    if (position < 0 || position >= int(categories().size()))
        return;
    m_subCat->clear();
    for (const TestItem& item : categoryItems(position))
        m_subCat->addItem(item.shownName());
}

void SelectorWindow::chooseItem()
{
    const bool chosen = m_subCat->count() > 0 && itemPosition() >= 0;
    m_proceed->setEnabled(chosen);
    m_explain->setEnabled(chosen);
}

bool SelectorWindow::eventFilter(QObject* watched, QEvent* event)
{
    // The list makes its first item current (not selected) when it takes the
    // focus, so the arrow keys would start from there and pass it over: with
    // nothing selected, the first arrow key selects the first item.
    if (watched == m_subCat && event->type() == QEvent::KeyPress && m_subCat->count() > 0 &&
        m_subCat->selectedItems().isEmpty()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Down || key->key() == Qt::Key_Up) &&
            key->modifiers() == Qt::NoModifier) {
            m_subCat->setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

int SelectorWindow::itemPosition() const
{
    const QList<QListWidgetItem*> selected = m_subCat->selectedItems();
    return selected.isEmpty() ? -1 : m_subCat->row(selected.first());
}

void SelectorWindow::explain()
{
    QString text;
    if (const TestItem* item = catalogueItem(m_category->chosen(), itemPosition()))
        text = item->shownExplanation();
    ExplainWindow* window = showWindow<ExplainWindow>();
    window->setExplanation(text);
}

void SelectorWindow::proceed()
{
    const int category = m_category->chosen();
    if (category < 0 || category >= int(categories().size()))
        return;
    const ScreenId screenId = categories()[size_t(category)].screen;
    QString title;
    std::optional<ItemId> id;
    if (const TestItem* item = catalogueItem(category, itemPosition())) {
        title = item->shownScreenTitle();
        id = item->item;
        ensureCalculatorScreen(screenId)->applySettings(item->settings);
    }
    CalculatorScreen* screen = showCalculatorScreen(screenId);
    screen->setScreenTitle(title);
    screen->setItemId(id);
}

void showSelector()
{
    showWindow<SelectorWindow>();
}

} // namespace quarvex
