#include "screens/calculatorscreen.h"

#include "analytes/inputs.h"
#include "app/dialogs.h"
#include "app/metrics.h"
#include "app/navigation.h"
#include "app/qtdialogs.h"
#include "app/scrollfit.h"
#include "app/windows.h"
#include "overview/overview.h"
#include "practice/exercise.h"
#include "practice/frmpractice.h"
#include "practice/scenarios.h"
#include "steps/stepsview.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRandomGenerator>
#include <QStyle>
#include <QVBoxLayout>

namespace quarvex {

namespace {

QFont sizedFont(const QFont& base, qreal points, bool underline = false)
{
    QFont font = base;
    font.setPointSizeF(points);
    font.setBold(true);
    font.setUnderline(underline);
    return font;
}

} // namespace

CalculatorScreen::CalculatorScreen(ScreenId id, const QString& objectName, const QString& caption)
    : m_content(scrolledContent(this))
    , m_title(new QLabel(this))
    , m_calculate(new QPushButton(tr("Calculate"), this))
    , m_clear(new QPushButton(tr("Clear All"), this))
    , m_steps(new QPushButton(tr("&Steps"), this))
    , m_practice(new QPushButton(tr("Practice"), this))
    , m_example(new QPushButton(tr("Example Case"), this))
    , m_result(new QLineEdit(this))
    , m_moreInfo(new QLabel(this))
    , m_errors(new QLineEdit(this))
    , m_checkLine(nullptr)
    , m_checkText(new QLabel(this))
    , m_noteLine(nullptr)
    , m_noteText(new QLabel(this))
    , m_screenId(id)
{
    setObjectName(objectName);
    setWindowTitle(caption);

    m_title->setObjectName(QStringLiteral("TitleLabel"));
    m_title->setFont(sizedFont(font(), metrics::ScreenTitlePoints));
    m_title->setTextFormat(Qt::PlainText);
    m_title->setWordWrap(true);

    m_calculate->setObjectName(QStringLiteral("Calculate"));
    m_calculate->setDefault(true);
    m_calculate->setAutoDefault(true);
    m_clear->setObjectName(QStringLiteral("Clear"));
    m_clear->setAutoDefault(true);
    m_steps->setObjectName(QStringLiteral("StepsButton"));
    m_steps->setAccessibleName(tr("Steps"));
    m_steps->setAutoDefault(true);
    m_practice->setObjectName(QStringLiteral("PracticeButton"));
    m_practice->setAccessibleName(tr("Practice"));
    m_practice->setAutoDefault(true);
    m_practice->setEnabled(false);
    m_example->setObjectName(QStringLiteral("ExampleCaseButton"));
    m_example->setAccessibleName(tr("Example Case"));
    m_example->setToolTip(tr("Fill the fields with a patient of a clinical scenario"));
    m_example->setAutoDefault(true);
    m_example->setEnabled(false);

    m_result->setObjectName(QStringLiteral("Result"));
    m_result->setAccessibleName(tr("Result"));
    m_result->setReadOnly(true);
    m_result->setFocusPolicy(Qt::ClickFocus);
    QFont resultFont = m_result->font();
    resultFont.setBold(true);
    m_result->setFont(resultFont);
    m_result->setMinimumWidth(QFontMetrics(resultFont).horizontalAdvance(QLatin1Char('0')) *
                              metrics::ResultBoxDigits);

    m_moreInfo->setObjectName(QStringLiteral("MoreInfo"));
    m_moreInfo->setTextFormat(Qt::PlainText);
    m_moreInfo->setWordWrap(true);
    m_moreInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_moreInfo->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_errors->setObjectName(QStringLiteral("Errors"));
    m_errors->setAccessibleName(tr("Error count"));
    m_errors->setText(QStringLiteral("0"));
    m_errors->setFocusPolicy(Qt::NoFocus);
    m_errors->hide();

    // The check line: the hint icon of the fields, then the questions.
    m_checkLine = infoLine(QStringLiteral("CheckLine"), tr("Values to check"), m_checkText);
    // The note line, made the same way, for what qualifies the result.
    m_noteLine = infoLine(QStringLiteral("NoteLine"), tr("Notes on the result"), m_noteText);

    connect(m_calculate, &QPushButton::clicked, this, &CalculatorScreen::calculate);
    connect(m_clear, &QPushButton::clicked, this, &CalculatorScreen::clearAll);
    connect(m_steps, &QPushButton::clicked, this, &CalculatorScreen::showSteps);
    connect(m_practice, &QPushButton::clicked, this, [this] {
        if (m_itemId)
            showPractice(*m_itemId);
    });
}

QWidget* CalculatorScreen::infoLine(const QString& objectName, const QString& accessibleName,
                                    QLabel* text)
{
    auto* line = new QWidget(this);
    line->setObjectName(objectName);
    line->setAccessibleName(accessibleName);
    auto* icon = new QLabel(line);
    icon->setObjectName(objectName + QStringLiteral("Icon"));
    const int iconSize = text->fontMetrics().height();
    icon->setPixmap(
        style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(iconSize, iconSize));
    icon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text->setParent(line);
    text->setObjectName(objectName + QStringLiteral("Text"));
    text->setAccessibleName(accessibleName);
    text->setTextFormat(Qt::PlainText);
    text->setWordWrap(true);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    auto* row = new QHBoxLayout(line);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addWidget(text, 1);
    line->hide();
    return line;
}

const AnalyteWidgets& CalculatorScreen::addAnalyte(AnalyteId id, QGridLayout* grid, int row,
                                                   int column)
{
    const AnalyteWidgets& w = m_form.add(id, this);
    // Room for a value such as "1234.56" however narrow the window gets.
    if (w.value)
        w.value->setMinimumWidth(
            w.value->fontMetrics().horizontalAdvance(QStringLiteral("0000.00")) + 12);
    grid->addWidget(w.caption, row, column);
    grid->addWidget(w.valueWidget(), row, column + 1);
    if (QWidget* unit = w.unitWidget())
        grid->addWidget(unit, row, column + 2);
    return w;
}

QLabel* CalculatorScreen::addHeading(const QString& objectName, const QString& text)
{
    auto* heading = new QLabel(text, this);
    heading->setObjectName(objectName);
    heading->setFont(sizedFont(font(), metrics::ScreenHeadingPoints, true));
    return heading;
}

QLayout* CalculatorScreen::buttonRow()
{
    // The buttons keep their size; the result box takes the rest of the row,
    // or the trailing space does while the box is hidden.
    m_calculate->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_clear->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_steps->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_practice->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    auto* row = new QHBoxLayout;
    row->addWidget(m_calculate);
    row->addWidget(m_result, 1);
    row->addWidget(m_clear);
    row->addWidget(m_steps);
    row->addStretch(0);
    // Practice and the example cases on a row of their own, so that the
    // screen stays narrow at a large scale factor.
    m_example->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    auto* learning = new QHBoxLayout;
    learning->addWidget(m_practice);
    learning->addWidget(m_example);
    learning->addStretch(1);
    auto* rows = new QVBoxLayout;
    rows->addLayout(row);
    rows->addLayout(learning);
    rows->addWidget(m_checkLine);
    rows->addWidget(m_noteLine);
    return rows;
}

void CalculatorScreen::finishLoading(bool groupsStartDisabled, const QList<QWidget*>& afterButtons)
{
    m_groupsStartDisabled = groupsStartDisabled;
    QList<QWidget*> chain;
    for (AnalyteId id : m_form.order()) {
        const AnalyteWidgets& w = m_form.widgets(id);
        chain << w.valueWidget();
        if (w.unitList && !afterButtons.contains(w.unitList))
            chain << w.unitList;
        if (groupsStartDisabled) {
            for (QWidget* widget : w.group())
                widget->setEnabled(false);
        }
    }
    chain << m_calculate << m_clear << m_steps << m_practice << m_example << afterButtons;
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
    // Screen readers present a window's controls in the order they were made;
    // the shared ones were made first but stand below the fields.
    QList<QWidget*> below{m_calculate, m_result,  m_clear,     m_steps,
                          m_practice,  m_example, m_checkLine, m_noteLine};
    if (auto* moreInfoButton = findChild<QPushButton*>(QStringLiteral("MoreInfoButton")))
        below << moreInfoButton;
    below << m_moreInfo << m_errors;
    for (QWidget* widget : std::as_const(below))
        widget->raise();
    focusFirstField();
    m_errors->setText(QStringLiteral("0"));
    m_marks = new FieldMarks(m_form, this);

    // Wide enough for the longest title of the screen on one line; the
    // window's minimum size then follows from its layout.
    const QFontMetrics titleMetrics(m_title->font());
    int widest = 0;
    for (const TestItem& entry : screenItems(m_screenId))
        widest = std::max(widest,
                          titleMetrics.horizontalAdvance(QString::fromLatin1(entry.screenTitle)));
    m_title->setMinimumWidth(widest + 8);
}

void CalculatorScreen::applySettings(const ScreenSettings& settings)
{
    // Every item starts from the loaded state, so that exactly its own fields
    // take input; the values typed stay.
    m_marks->clearMarks();
    for (AnalyteId id : m_form.order()) {
        for (QWidget* widget : m_form.widgets(id).group()) {
            widget->setEnabled(!m_groupsStartDisabled);
            widget->setVisible(true);
        }
    }
    for (AnalyteId id : settings.enabledGroups) {
        if (!m_form.has(id))
            continue;
        for (QWidget* widget : m_form.widgets(id).group())
            widget->setEnabled(true);
    }
    for (const ControlsOf& off : settings.disabledControls) {
        if (!m_form.has(off.analyte))
            continue;
        const AnalyteWidgets& w = m_form.widgets(off.analyte);
        const std::pair<AnalyteControl, QWidget*> controls[] = {
            {CaptionControl, w.caption},
            {ValueControl, w.valueWidget()},
            {UnitControl, w.unitWidget()},
        };
        for (const auto& [flag, widget] : controls) {
            if ((off.controls & flag) && widget)
                widget->setEnabled(false);
        }
    }
    // Only an item that writes no result hides the box; the next item shows
    // it again, or its result would never be seen.
    m_result->setVisible(!settings.hideResult);
    // More Info only for an item that writes an interpretation to show.
    if (auto* button = findChild<QPushButton*>(QStringLiteral("MoreInfoButton")))
        button->setVisible(settings.showMoreInfoButton);
    clearResult();
    focusFirstField();
}

void CalculatorScreen::focusFirstField()
{
    for (AnalyteId id : m_form.order()) {
        QWidget* field = m_form.widgets(id).valueWidget();
        if (field->isEnabled()) {
            field->setFocus();
            return;
        }
    }
}

void CalculatorScreen::setScreenTitle(const QString& title)
{
    m_title->setText(title);
    setWindowTitle(title);
}

QString CalculatorScreen::screenTitle() const
{
    return m_title->text();
}

void CalculatorScreen::setItemId(std::optional<ItemId> id)
{
    m_itemId = id;
    m_practice->setEnabled(id.has_value());
    // The scenarios that have patients for the item.
    delete m_example->menu();
    m_example->setMenu(nullptr);
    m_example->setEnabled(id.has_value());
    if (!id)
        return;
    auto* menu = new QMenu(m_example);
    menu->setObjectName(QStringLiteral("ExampleCaseMenu"));
    menu->setAccessibleName(tr("Clinical scenarios"));
    for (const Scenario& scenario : scenarios()) {
        if (!supports(scenario, *id))
            continue;
        const QString scenarioId = QString::fromLatin1(scenario.id);
        QAction* action =
            menu->addAction(QCoreApplication::translate("quarvex::Scenario", scenario.title));
        action->setObjectName(QStringLiteral("Scenario_") + scenarioId);
        action->setToolTip(QCoreApplication::translate("quarvex::Scenario", scenario.line));
        connect(action, &QAction::triggered, this, [this, scenarioId] {
            fillExampleCase(scenarioId, QRandomGenerator::global()->generate64());
        });
    }
    m_example->setMenu(menu);
}

bool CalculatorScreen::fillExampleCase(const QString& scenario, quint64 seed)
{
    if (!m_itemId)
        return false;
    const bool typed = std::any_of(m_form.order().begin(), m_form.order().end(),
                                   [&](AnalyteId a) { return !m_form.value(a).isEmpty(); });
    if (typed && !dialogs().confirm(tr("Replace the values typed with an example case?"),
                                    windowTitle(), tr("Replace")))
        return false;
    QList<AnalyteId> inputs;
    for (AnalyteId a : item(*m_itemId).checks())
        inputs << a;
    const std::optional<MapFields> fields = exampleCase(scenario, inputs, seed);
    if (!fields)
        return false;
    clearAll();
    for (AnalyteId a : inputs) {
        m_form.setValue(a, fields->value(a));
        if (m_form.widgets(a).unitList && !fields->unit(a).isEmpty())
            m_form.setUnit(a, fields->unit(a));
    }
    return true;
}

QString CalculatorScreen::moreInfoText() const
{
    if (!m_resultStands && m_moreInfo->text().isEmpty())
        return tr("Press Calculate first.");
    return m_moreInfo->text();
}

void CalculatorScreen::clearResult()
{
    m_result->clear();
    m_moreInfo->clear();
    m_resultStands = false;
    setDerivation(std::nullopt);
    showCheckLine();
}

void CalculatorScreen::showCheckLine()
{
    QStringList lines;
    if (m_derivation) {
        for (const DerivedInput& input : m_derivation->inputs) {
            for (const QString& hint : input.hints) {
                const QString line = tr("Check: %1").arg(hint);
                if (!lines.contains(line))
                    lines << line;
            }
        }
    }
    m_checkText->setText(lines.join(QLatin1Char('\n')));
    m_checkText->setAccessibleDescription(m_checkText->text());
    m_checkLine->setAccessibleDescription(m_checkText->text());
    m_checkLine->setVisible(!lines.isEmpty());

    // Notes: context and rounding in full; each evidence tag once, its
    // sentences as the tooltip.
    QStringList notes;
    QStringList tags;
    QStringList evidence;
    if (m_derivation) {
        for (const DerivedRow& row : m_derivation->rows) {
            for (const Note& note : row.notes) {
                const QString tag = shownNoteTag(note.kind);
                if (tag.isEmpty()) {
                    if (!notes.contains(note.text))
                        notes << note.text;
                    continue;
                }
                const QString mark = QLatin1Char('[') + tag + QLatin1Char(']');
                if (!tags.contains(mark))
                    tags << mark;
                //: A note's tag ("Dated") and its sentence, in a tooltip.
                const QString sentence =
                    tr("%1: %2").arg(tag.left(1).toUpper() + tag.mid(1), note.text);
                if (!evidence.contains(sentence))
                    evidence << sentence;
            }
        }
    }
    if (!tags.isEmpty())
        notes << tags.join(QLatin1Char(' '));
    m_noteText->setText(notes.join(QLatin1Char('\n')));
    m_noteText->setToolTip(evidence.join(QLatin1Char('\n')));
    const QString described = notesText();
    m_noteText->setAccessibleDescription(described);
    m_noteLine->setAccessibleDescription(described);
    m_noteLine->setVisible(!notes.isEmpty());
}

QString CalculatorScreen::notesText() const
{
    QStringList lines;
    if (m_derivation) {
        for (const DerivedRow& row : m_derivation->rows) {
            for (const Note& note : row.notes) {
                const QString tag = shownNoteTag(note.kind);
                //: A note's label and sentence, for a screen reader.
                const QString line =
                    tag.isEmpty() ? tr("Note: %1").arg(note.text)
                                  : tr("%1: %2").arg(tag.left(1).toUpper() + tag.mid(1), note.text);
                if (!lines.contains(line))
                    lines << line;
            }
        }
    }
    return lines.join(QLatin1Char('\n'));
}

void CalculatorScreen::setDerivation(std::optional<Derivation> derivation)
{
    m_derivation = std::move(derivation);
    Q_EMIT derivationChanged();
}

WorkedStepsWindow* CalculatorScreen::stepsWindow() const
{
    return m_stepsWindow;
}

WorkedStepsWindow* CalculatorScreen::showSteps()
{
    if (!m_stepsWindow) {
        m_stepsWindow = new WorkedStepsWindow(this);
        m_stepsWindow->setAttribute(Qt::WA_DeleteOnClose);
        m_stepsWindow->follow(m_derivation);
        // The window follows every later result while it is open.
        connect(this, &CalculatorScreen::derivationChanged, m_stepsWindow,
                [this] { m_stepsWindow->follow(m_derivation); });
        // Beside the screen it follows, where the eye goes from one to the other.
        placeBeside(m_stepsWindow, this,
                    {m_calculate, m_result, m_clear, m_steps, m_practice, m_moreInfo});
    }
    m_stepsWindow->show();
    m_stepsWindow->raise();
    m_stepsWindow->activateWindow();
    return m_stepsWindow;
}

void CalculatorScreen::setMoreInfo(const QString& text)
{
    m_moreInfo->setText(displayText(text));
}

void CalculatorScreen::calculate()
{
    if (!m_itemId)
        return;
    const ItemDescriptor& item = quarvex::item(*m_itemId);
    const Inputs inputs(m_form);
    const ItemEvaluation evaluation = evaluateItem(item, inputs);
    const QList<Finding>& findings = evaluation.findings;
    m_errors->setText(QString::number(findings.size()));
    m_marks->clearMarks();
    m_marks->mark(findings);
    m_marks->refresh();
    // The box of ErrMsg names a value that could not be read: one box, not two.
    playFindings(findings, dialogs(), false);
    if (!findings.isEmpty()) {
        clearResult();
        ErrMsg(dialogs(), findings);
        return;
    }
    const Outcome& outcome = *evaluation.outcome;
    setDerivation(derive(item, inputs, outcome));
    if (outcome.result) {
        m_result->setText(*outcome.result);
        m_result->setCursorPosition(0);
    }
    // An item without an interpretation empties the label rather than leave
    // an earlier calculation's text beside the new result.
    setMoreInfo(outcome.moreInfo);
    m_resultStands = true;
    showCheckLine();
    if (m_moreInfo->isVisible() || m_checkLine->isVisible() || m_noteLine->isVisible())
        growToContent(this);
    if (!outcome.message.isEmpty()) {
        dialogs().beep();
        dialogs().message(outcome.message, MessageIcon::Information);
    }
}

void CalculatorScreen::clearAll()
{
    m_form.clear();
    clearResult();
    m_errors->setText(QStringLiteral("0"));
    m_marks->clearMarks();
    m_marks->refresh();
}

void CalculatorScreen::keyPressEvent(QKeyEvent* event)
{
    // Enter anywhere on the screen calculates, as a user typing values expects.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        m_calculate->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

// --- frmKidney ------------------------------------------------------------

KidneyScreen::KidneyScreen()
    : CalculatorScreen(ScreenId::Kidney, QStringLiteral("frmKidney"), tr("Renal & Urinary System"))
    , m_moreInfoButton(new QPushButton(tr("More Info"), this))
{
    using A = AnalyteId;
    auto* grid = new QGridLayout(m_content);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    grid->addWidget(m_title, 0, 0, 1, 7);

    // Row of age, gender and weight.
    const AnalyteWidgets& age = form().add(A::Age, this);
    const AnalyteWidgets& gender = form().add(A::Gender, this);
    auto* ageAndGender = new QHBoxLayout;
    ageAndGender->addWidget(age.value);
    ageAndGender->addSpacing(12);
    ageAndGender->addWidget(gender.caption);
    ageAndGender->addSpacing(6);
    ageAndGender->addWidget(gender.choice, 1);
    age.value->setMaximumWidth(age.value->fontMetrics().horizontalAdvance(QLatin1Char('0')) *
                                   metrics::AgeFieldDigits +
                               16);
    grid->addWidget(age.caption, 1, 0);
    grid->addLayout(ageAndGender, 1, 1, 1, 2);
    addAnalyte(A::Weight, grid, 1, 4);

    grid->addWidget(addHeading(QStringLiteral("SerumLabel"), tr("Serum Values")), 2, 0, 1, 3);
    grid->addWidget(addHeading(QStringLiteral("UrineLabel"), tr("Urine Values")), 2, 4, 1, 3);

    static const std::pair<A, A> rows[] = {
        {A::SerumAmylase, A::UrineAmylase},
        {A::SerumCalcium, A::UrineCalcium},
        {A::SerumCreatinine, A::UrineCreatinine},
        {A::SerumPhosphorus, A::UrineProtein},
        {A::SerumPotassium, A::UrinePotassium},
        {A::SerumSodium, A::UrineSodium},
        {A::SerumUrea, A::UrineUrea},
        {A::SerumUrate, A::UrineVolume},
    };
    int row = 3;
    for (const auto& [serum, urine] : rows) {
        addAnalyte(serum, grid, row, 0);
        addAnalyte(urine, grid, row, 4);
        ++row;
    }
    // Urine values without a serum partner in the row, at the end of the
    // urine column (and of the keyboard order of the fields).
    for (A urine : {A::UrinePhosphorus, A::UrineUrate})
        addAnalyte(urine, grid, row++, 4);

    m_moreInfoButton->setObjectName(QStringLiteral("MoreInfoButton"));
    m_moreInfoButton->setAutoDefault(true);
    m_moreInfoButton->hide();
    connect(m_moreInfoButton, &QPushButton::clicked, this,
            [] { ShowMoreInfo(QStringLiteral("Explain"), QStringLiteral("Kidney")); });
    // The buttons across both columns and More Info under the urine values:
    // on a narrow screen the serum column need not be as wide as the buttons.
    grid->addLayout(buttonRow(), row, 0, 1, 7);
    grid->addWidget(m_moreInfoButton, row + 1, 4, 1, 3, Qt::AlignLeft);
    m_moreInfo->hide(); // reached through More Info only

    grid->setColumnMinimumWidth(3, 24);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(5, 1);
    grid->setRowStretch(row + 2, 1);

    finishLoading(true, {m_moreInfoButton, form().widgets(A::SerumPhosphorus).unitList});
}

// --- frmHeart -------------------------------------------------------------

HeartScreen::HeartScreen()
    : CalculatorScreen(ScreenId::Heart, QStringLiteral("frmHeart"), QString())
{
    using A = AnalyteId;
    auto* grid = new QGridLayout(m_content);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    grid->addWidget(m_title, 0, 0, 1, 3);
    int row = 1;
    for (A id : {A::Gender, A::Chol, A::HDL, A::LDL, A::Triglycerides})
        addAnalyte(id, grid, row++, 0);
    grid->addLayout(buttonRow(), row++, 0, 1, 3);

    m_moreInfo->setFont(sizedFont(font(), metrics::MoreInfoPoints));
    grid->setRowMinimumHeight(row, QFontMetrics(m_moreInfo->font()).lineSpacing() *
                                       metrics::MoreInfoLines);
    grid->addWidget(m_moreInfo, row, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(row, 1);

    finishLoading(false);
}

// --- frmLiver -------------------------------------------------------------

LiverScreen::LiverScreen()
    : CalculatorScreen(ScreenId::Liver, QStringLiteral("frmLiver"), QString())
{
    using A = AnalyteId;
    auto* grid = new QGridLayout(m_content);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    grid->addWidget(m_title, 0, 0, 1, 7);
    grid->addWidget(addHeading(QStringLiteral("SerumLabel"), tr("Serum Values")), 1, 0, 1, 7);

    static const std::pair<A, A> rows[] = {
        {A::AST, A::ALT},   {A::BilirubinDirect, A::BilirubinTotal}, {A::Albumin, A::Globulin},
        {A::Iron, A::TIBC}, {A::Ferritin, A::Transferrin},
    };
    int row = 2;
    for (const auto& [left, right] : rows) {
        addAnalyte(left, grid, row, 0);
        addAnalyte(right, grid, row, 4);
        ++row;
    }
    grid->addLayout(buttonRow(), row++, 0, 1, 3);

    m_moreInfo->setFont(sizedFont(font(), metrics::MoreInfoPoints));
    grid->setRowMinimumHeight(row, QFontMetrics(m_moreInfo->font()).lineSpacing() *
                                       metrics::MoreInfoLines);
    grid->addWidget(m_moreInfo, row, 0, 1, 7);
    grid->setColumnMinimumWidth(3, 24);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(5, 1);
    grid->setRowStretch(row, 1);

    finishLoading(true);
}

// --- one window of each ---------------------------------------------------

CalculatorScreen* openCalculatorScreen(ScreenId id)
{
    switch (id) {
    case ScreenId::Heart:
        return openWindow<HeartScreen>();
    case ScreenId::Liver:
        return openWindow<LiverScreen>();
    case ScreenId::Kidney:
        return openWindow<KidneyScreen>();
    }
    return nullptr;
}

CalculatorScreen* ensureCalculatorScreen(ScreenId id)
{
    switch (id) {
    case ScreenId::Heart:
        return ensureWindow<HeartScreen>();
    case ScreenId::Liver:
        return ensureWindow<LiverScreen>();
    case ScreenId::Kidney:
        return ensureWindow<KidneyScreen>();
    }
    return nullptr;
}

CalculatorScreen* showCalculatorScreen(ScreenId id)
{
    switch (id) {
    case ScreenId::Heart:
        return showWindow<HeartScreen>();
    case ScreenId::Liver:
        return showWindow<LiverScreen>();
    case ScreenId::Kidney:
        return showWindow<KidneyScreen>();
    }
    return nullptr;
}

} // namespace quarvex
