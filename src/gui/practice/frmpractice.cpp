#include "practice/frmpractice.h"

#include "app/announce.h"
#include "app/dialogs.h"
#include "app/scrollfit.h"
#include "app/windows.h"
#include "calc/items.h"
#include "practice/worksheet.h"
#include "steps/stepsview.h"
#include "worksheet/worksheetdialog.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace quarvex {

namespace {

// Case numbers a teacher can read out.
constexpr int LargestDrawnCase = 9999;
constexpr int LargestCase = 999999999;
// The width the step rows would like, in average characters.
constexpr int PreferredChars = 90;

const char* const LevelTexts[PracticeLevels] = {
    QT_TRANSLATE_NOOP("quarvex::PracticeWindow", "1: the formula (conversions given)"),
    QT_TRANSLATE_NOOP("quarvex::PracticeWindow", "2: the conversions too"),
    QT_TRANSLATE_NOOP("quarvex::PracticeWindow", "3: only result and interpretation"),
};

QPushButton* button(const char* name, const QString& text, const QString& accessibleName,
                    QWidget* parent)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setAccessibleName(accessibleName);
    b->setAutoDefault(true);
    return b;
}

QLabel* wrappedLabel(const QString& name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

// Qt breaks a line after a slash or a hyphen as readily as at a space,
// which splits units ("umol/ L") and words ("36-year-/old"): a word joiner
// after each one inside a word keeps it whole, so lines break between words.
QString wholeWords(const QString& text)
{
    QString out;
    out.reserve(text.size() + 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        out += text[i];
        const bool joiner = text[i] == u'/' || text[i] == u'-' || text[i] == QChar(0x2010);
        if (joiner && i > 0 && i + 1 < text.size() && !text[i - 1].isSpace() &&
            !text[i + 1].isSpace())
            out += QChar(0x2060);
    }
    return out;
}

// The width of the widest word of the text: a label narrower than that would
// have to cut it.
int widestWord(const QFontMetrics& metrics, const QString& text)
{
    int widest = 0;
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts))
        widest = std::max(widest, metrics.horizontalAdvance(word));
    return widest;
}

// A label's text as shown (words kept whole) and as a screen reader reads it.
void setLabelText(QLabel* label, const QString& text)
{
    label->setText(wholeWords(text));
    label->setMinimumWidth(widestWord(label->fontMetrics(), label->text()));
}

quint64 drawSeed(quint64 other)
{
    quint64 seed = other;
    while (seed == other)
        seed = QRandomGenerator::global()->bounded(1, LargestDrawnCase + 1);
    return seed;
}

} // namespace

// --- the step rows' scroll area -------------------------------------------

PracticeStepsArea::PracticeStepsArea(QWidget* parent)
    : QScrollArea(parent)
{
    setObjectName(QStringLiteral("StepsArea"));
    setAccessibleName(tr("Steps"));
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::NoFrame);
}

QSize PracticeStepsArea::sizeHint() const
{
    if (!widget())
        return QScrollArea::sizeHint();
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int frame = 2 * frameWidth();
    // Wide enough for most prompts on a line, as far as the screen has room.
    const int room = roomOnScreen(this).width() - 4 * fontMetrics().averageCharWidth();
    const int width = std::max(widget()->minimumSizeHint().width(),
                               std::min(std::max(widget()->sizeHint().width(),
                                                 fontMetrics().averageCharWidth() * PreferredChars),
                                        room - bar - frame));
    const int height = widget()->hasHeightForWidth() ? widget()->heightForWidth(width)
                                                     : widget()->sizeHint().height();
    return {width + bar + frame, height + frame};
}

QSize PracticeStepsArea::minimumSizeHint() const
{
    if (!widget())
        return QScrollArea::minimumSizeHint();
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int frame = 2 * frameWidth();
    // Room for two or three rows; the rest scrolls.
    const int rows = fontMetrics().lineSpacing() * 6;
    return {widget()->minimumSizeHint().width() + bar + frame, std::min(rows, sizeHint().height())};
}

// --- the window -----------------------------------------------------------

QWidget* PracticeWindow::StepRow::answerWidget() const
{
    return choice ? static_cast<QWidget*>(choice) : edit;
}

PracticeWindow::PracticeWindow()
    : m_item(new QComboBox(this))
    , m_level(new QComboBox(this))
    , m_caseNumber(new QLineEdit(this))
    , m_caseText(wrappedLabel(QStringLiteral("CaseText"), this))
    , m_stepsArea(new PracticeStepsArea(this))
    , m_stepsBox(new QWidget)
    , m_stepsGrid(new QGridLayout(m_stepsBox))
    , m_check(button("CheckButton", tr("&Check"), tr("Check"), this))
    , m_showStep(button("ShowStepButton", tr("Show st&ep"), tr("Show step"), this))
    , m_newCase(button("NewCaseButton", tr("&New case"), tr("New case"), this))
    , m_worksheet(button("WorksheetButton", tr("W&orksheet\u2026"), tr("Worksheet\u2026"), this))
    , m_fromSheet(button("FromSheetButton", tr("From s&heet\u2026"), tr("From sheet\u2026"), this))
    , m_workedSteps(button("WorkedStepsButton", tr("&Worked Steps"), tr("Worked Steps"), this))
    , m_nextLevel(button("NextLevelButton", tr("Next &level"), tr("Next level"), this))
    , m_sameLevel(
          button("SameLevelButton", tr("&Same level, new case"), tr("Same level, new case"), this))
    , m_score(wrappedLabel(QStringLiteral("ScoreLine"), this))
    , m_verdict(wrappedLabel(QStringLiteral("Verdict"), this))
    , m_countCarried(new QCheckBox(tr("Count carried answers as &right"), this))
{
    setObjectName(QStringLiteral("frmPractice"));
    setWindowTitle(tr("Practice"));

    m_item->setObjectName(QStringLiteral("ItemChooser"));
    m_item->setAccessibleName(tr("Item"));
    for (const ItemDescriptor& item : overviewItems())
        m_item->addItem(item.shownListText(), int(item.id));
    m_item->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_item->setMinimumContentsLength(24);
    auto* itemLabel = new QLabel(tr("&Item:"), this);
    itemLabel->setObjectName(QStringLiteral("ItemLabel"));
    itemLabel->setBuddy(m_item);

    m_level->setObjectName(QStringLiteral("Level"));
    m_level->setAccessibleName(tr("Level"));
    for (int level = 1; level <= PracticeLevels; ++level)
        m_level->addItem(tr(LevelTexts[level - 1]), level);
    m_level->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto* levelLabel = new QLabel(tr("Le&vel:"), this);
    levelLabel->setObjectName(QStringLiteral("LevelLabel"));
    levelLabel->setBuddy(m_level);

    m_caseNumber->setObjectName(QStringLiteral("CaseNumber"));
    m_caseNumber->setAccessibleName(tr("Case number"));
    m_caseNumber->setAccessibleDescription(tr("The same number gives the same case to everyone."));
    m_caseNumber->setValidator(new QIntValidator(1, LargestCase, m_caseNumber));
    m_caseNumber->setMinimumWidth(
        m_caseNumber->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")) + 12);
    m_caseNumber->setMaximumWidth(m_caseNumber->minimumWidth());
    auto* caseLabel = new QLabel(tr("Case n&umber:"), this);
    caseLabel->setObjectName(QStringLiteral("CaseNumberLabel"));
    caseLabel->setBuddy(m_caseNumber);

    QFont bold = m_caseText->font();
    bold.setBold(true);
    m_caseText->setFont(bold);

    m_stepsBox->setObjectName(QStringLiteral("StepsBox"));
    m_stepsGrid->setHorizontalSpacing(8);
    m_stepsGrid->setVerticalSpacing(4);
    m_stepsGrid->setColumnStretch(0, 1);
    m_stepsArea->setWidget(m_stepsBox);

    m_score->setAccessibleName(tr("Score"));
    m_verdict->setAccessibleName(tr("Verdict"));
    m_countCarried->setObjectName(QStringLiteral("CountCarried"));
    m_countCarried->setAccessibleName(tr("Count carried answers as right"));
    m_countCarried->setAccessibleDescription(
        tr("A step worked right from your own earlier wrong answer counts as right."));
    m_countCarried->setChecked(true);

    auto* top = new QGridLayout;
    top->addWidget(itemLabel, 0, 0);
    top->addWidget(m_item, 0, 1, 1, 3);
    top->addWidget(levelLabel, 1, 0);
    top->addWidget(m_level, 1, 1);
    top->addWidget(caseLabel, 1, 2);
    top->addWidget(m_caseNumber, 1, 3);
    top->setColumnStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_check);
    buttons->addWidget(m_showStep);
    buttons->addWidget(m_newCase);
    buttons->addWidget(m_workedSteps);
    buttons->addStretch();
    buttons->addWidget(m_fromSheet);
    buttons->addWidget(m_worksheet);

    auto* offers = new QHBoxLayout;
    offers->addWidget(m_nextLevel);
    offers->addWidget(m_sameLevel);
    offers->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_caseText);
    layout->addWidget(m_stepsArea, 1);
    layout->addLayout(buttons);
    layout->addWidget(m_countCarried);
    layout->addWidget(m_verdict);
    layout->addLayout(offers);
    layout->addWidget(m_score);

    connect(m_check, &QPushButton::clicked, this, &PracticeWindow::check);
    // The marks of the last Check again, counted the other way.
    connect(m_countCarried, &QCheckBox::toggled, this, [this] {
        if (m_grade)
            check();
    });
    connect(m_showStep, &QPushButton::clicked, this, &PracticeWindow::showStep);
    connect(m_newCase, &QPushButton::clicked, this, &PracticeWindow::newCase);
    connect(m_workedSteps, &QPushButton::clicked, this, &PracticeWindow::showWorkedSteps);
    // A sheet for a class of the item on screen: the same exercises, seeds and grading.
    connect(m_worksheet, &QPushButton::clicked, this,
            [this] { showWorksheetDialog(this, chosenItem()); });
    connect(m_fromSheet, &QPushButton::clicked, this, &PracticeWindow::fromSheet);
    connect(m_nextLevel, &QPushButton::clicked, this, [this] {
        start(chosenItem(), drawSeed(m_exercise.seed), std::min(chosenLevel() + 1, PracticeLevels));
        if (!m_rows.isEmpty())
            m_check->setFocus();
    });
    connect(m_sameLevel, &QPushButton::clicked, this, &PracticeWindow::newCase);
    connect(m_item, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_updating)
            start(chosenItem(), drawSeed(m_exercise.seed), chosenLevel());
    });
    // Another level works the same case.
    connect(m_level, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_updating)
            start(chosenItem(), m_exercise.seed, chosenLevel());
    });
    connect(m_caseNumber, &QLineEdit::editingFinished, this, [this] {
        bool ok = false;
        const quint64 seed = m_caseNumber->text().toULongLong(&ok);
        if (ok && seed > 0 && seed != m_exercise.seed)
            openCase(seed);
    });

    start(chosenItem(), drawSeed(0), 1);
    updateScore();
}

ItemId PracticeWindow::chosenItem() const
{
    return ItemId(m_item->currentData().toInt());
}

int PracticeWindow::chosenLevel() const
{
    return std::clamp(m_level->currentData().toInt(), 1, PracticeLevels);
}

void PracticeWindow::practise(ItemId item)
{
    start(item, drawSeed(m_exercise.seed), chosenLevel());
}

void PracticeWindow::openCase(quint64 seed)
{
    start(chosenItem(), seed, chosenLevel());
}

void PracticeWindow::setLevel(int level)
{
    start(chosenItem(), m_exercise.seed, std::clamp(level, 1, PracticeLevels));
}

void PracticeWindow::newCase()
{
    start(chosenItem(), drawSeed(m_exercise.seed), chosenLevel());
    for (qsizetype i = 0; i < m_rows.size(); ++i) {
        if (!m_exercise.steps[i].given) {
            m_rows[i].answerWidget()->setFocus();
            break;
        }
    }
}

void PracticeWindow::fromSheet()
{
    const QString title = tr("Exercise from a Sheet");
    const QString path = dialogs().fileName(
        FileDialogMode::Open, title,
        m_sheetPath.isEmpty() ? QDir::homePath() : QFileInfo(m_sheetPath).absolutePath(),
        tr("Worksheet files (*.json)"));
    if (path.isEmpty())
        return;
    const QString code = dialogs().input(
        tr("The exercise's code, as printed beside it (such as K7Q4-12-1C):"), title, QString());
    if (code.trimmed().isEmpty())
        return;
    openSheetExercise(path, code);
}

bool PracticeWindow::openSheetExercise(const QString& path, const QString& code)
{
    const QString title = tr("Exercise from a Sheet");
    QFile file(path);
    QString error;
    std::optional<WorksheetSettings> settings;
    if (!file.open(QIODevice::ReadOnly))
        error = file.errorString();
    else if (file.size() > MaxSheetFileBytes)
        error = tr("The file is too large to be a sheet file.");
    else
        settings = readWorksheetSettings(file.readAll(), error);
    CodedExercise found;
    if (settings) {
        found = findCodedExercise(*settings, code);
        error = found.problem;
    }
    if (!settings || found.version == 0) {
        dialogs().beep();
        dialogs().message(
            tr("No exercise was opened from %1.\r\r%2").arg(QDir::toNativeSeparators(path), error),
            MessageIcon::Warning, title);
        return false;
    }
    m_sheetPath = path;
    const SheetExercise ex = worksheetExercise(*settings, found.version, found.index);
    start(ex.item, ex.seed, ex.level);
    return true;
}

void PracticeWindow::start(ItemId item, quint64 seed, int level)
{
    // The worked steps of the last case would give this one away.
    if (m_stepsWindow)
        m_stepsWindow->close();
    m_exercise = makeExercise(item, seed, level, std::nullopt, QLocale());
    m_grade.reset();
    m_nothingAnswered = false;
    m_counted = false;
    m_firstRight = false;
    m_current = -1;

    m_updating = true;
    m_item->setCurrentIndex(m_item->findData(int(item)));
    m_level->setCurrentIndex(m_level->findData(level));
    m_updating = false;
    m_caseNumber->setText(QString::number(seed));
    const QString caseText = tr("Case %1: %2").arg(seed).arg(m_exercise.shownCaseText());
    setLabelText(m_caseText, caseText);
    m_caseText->setAccessibleName(caseText);
    buildRows();
    updateAfterCheck();
    fitToContent();
}

void PracticeWindow::clearRows()
{
    while (QLayoutItem* item = m_stepsGrid->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    m_rows.clear();
    m_states.clear();
    m_feedback.clear();
}

void PracticeWindow::buildRows()
{
    clearRows();
    int gridRow = 0;
    for (const ExerciseStep& step : std::as_const(m_exercise.steps)) {
        StepRow row;
        row.id = step.id;
        // A conversion's prompt names it in full; the other steps are named
        // ("Step 2", "Result") before what they work out.
        const QString label = step.role == StepRole::Conversion
                                  ? step.prompt
                                  //: A step's label and what it asks ("Step 2: step 1 × 58 kg").
                                  : tr("%1: %2").arg(step.label, step.prompt);
        row.prompt = wrappedLabel(QStringLiteral("Prompt_") + step.id, m_stepsBox);
        setLabelText(row.prompt, label);
        row.prompt->setAccessibleName(label);
        if (step.kind == StepKind::Choice) {
            row.choice = new QComboBox(m_stepsBox);
            row.choice->addItems(step.choices);
            row.choice->setPlaceholderText(tr("Choose"));
            row.choice->setCurrentIndex(-1);
            // As wide as the row, its list as wide as its longest choice.
            row.choice->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
            row.choice->setMinimumContentsLength(24);
            row.choice->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
            row.choice->view()->setTextElideMode(Qt::ElideNone);
            int widest = 0;
            for (const QString& choice : step.choices)
                widest = std::max(widest, row.choice->fontMetrics().horizontalAdvance(choice));
            row.choice->view()->setMinimumWidth(
                std::min(widest + 2 * row.choice->style()->pixelMetric(QStyle::PM_ScrollBarExtent),
                         roomOnScreen(this).width()));
        } else {
            row.edit = new QLineEdit(m_stepsBox);
            row.edit->setMinimumWidth(
                row.edit->fontMetrics().horizontalAdvance(QStringLiteral("00000.000")) + 12);
            row.edit->setMaximumWidth(row.edit->minimumWidth() * 2);
            if (step.given) {
                row.edit->setText(step.expectedText);
                row.edit->setReadOnly(true);
                row.edit->setFocusPolicy(Qt::ClickFocus);
            } else {
                connect(row.edit, &QLineEdit::returnPressed, this, &PracticeWindow::check);
            }
        }
        QWidget* answer = row.answerWidget();
        answer->setObjectName(QStringLiteral("Answer_") + step.id);
        answer->setAccessibleName(tr("Answer: %1").arg(step.label));
        answer->setToolTip(step.prompt);
        answer->installEventFilter(this);
        row.prompt->setBuddy(answer);
        row.unit = new QLabel(step.unit, m_stepsBox);
        row.unit->setObjectName(QStringLiteral("Unit_") + step.id);
        row.unit->setTextFormat(Qt::PlainText);
        row.mark = new QLabel(m_stepsBox);
        row.mark->setObjectName(QStringLiteral("Mark_") + step.id);
        row.mark->setTextFormat(Qt::PlainText);
        // As wide as the widest mark, so that the rows do not move when marked.
        int markWidth = 0;
        for (const QString& mark :
             {tr("Given"), tr("Right"), tr("Wrong"), tr("Shown"), tr("Carried")})
            markWidth = std::max(markWidth, row.mark->fontMetrics().horizontalAdvance(mark));
        row.mark->setMinimumWidth(markWidth);
        row.feedback = wrappedLabel(QStringLiteral("Feedback_") + step.id, m_stepsBox);
        row.feedback->hide();

        if (row.choice) {
            // A choice takes the row's width under its prompt: the choices
            // are sentences.
            m_stepsGrid->addWidget(row.prompt, gridRow, 0, 1, 3);
            m_stepsGrid->addWidget(row.mark, gridRow, 3);
            m_stepsGrid->addWidget(answer, ++gridRow, 0, 1, 3);
            m_stepsGrid->addWidget(row.unit, gridRow, 3);
        } else {
            m_stepsGrid->addWidget(row.prompt, gridRow, 0);
            m_stepsGrid->addWidget(answer, gridRow, 1);
            m_stepsGrid->addWidget(row.unit, gridRow, 2);
            m_stepsGrid->addWidget(row.mark, gridRow, 3);
        }
        m_stepsGrid->addWidget(row.feedback, gridRow + 1, 0, 1, 4);
        // Made while the window may be open: shown now, not at the next turn
        // of the event loop.
        for (QWidget* w : {static_cast<QWidget*>(row.prompt), answer,
                           static_cast<QWidget*>(row.unit), static_cast<QWidget*>(row.mark)})
            w->show();
        gridRow += 2;
        m_rows << row;
        m_states << StepState::Open;
        m_feedback << QString();
        describeRow(int(m_rows.size()) - 1);
    }
    m_stepsGrid->setRowStretch(gridRow, 1);

    // Keyboard order: the chooser, the level, the answers in order, Check.
    QList<QWidget*> chain{m_item, m_level};
    for (qsizetype i = 0; i < m_rows.size(); ++i) {
        if (!m_exercise.steps[i].given)
            chain << m_rows[i].answerWidget();
    }
    chain << m_check << m_showStep << m_newCase << m_caseNumber << m_workedSteps << m_nextLevel
          << m_sameLevel << m_fromSheet << m_worksheet;
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
    m_stepsArea->verticalScrollBar()->setValue(0);
    m_stepsArea->updateGeometry();
}

QString PracticeWindow::answer(const QString& stepId) const
{
    const int index = m_exercise.stepIndex(stepId);
    if (index < 0)
        return {};
    const StepRow& row = m_rows[index];
    return row.choice ? row.choice->currentText() : row.edit->text();
}

void PracticeWindow::setState(int index, StepState state, const QString& feedback)
{
    m_states[index] = state;
    const StepRow& row = m_rows[index];
    const QString mark = markText(index);
    row.mark->setText(mark);
    QPalette palette = row.mark->palette();
    palette.setColor(QPalette::WindowText, state == StepState::Right     ? QColor(0, 110, 0)
                                           : state == StepState::Carried ? QColor(0, 90, 110)
                                           : state == StepState::Wrong
                                               ? QColor(170, 0, 0)
                                               : this->palette().color(QPalette::WindowText));
    row.mark->setPalette(palette);
    m_feedback[index] = feedback;
    setLabelText(row.feedback, feedback);
    row.feedback->setVisible(!feedback.isEmpty());
    describeRow(index);
}

QString PracticeWindow::markText(int index) const
{
    if (m_exercise.steps[index].given)
        return tr("Given");
    switch (m_states[index]) {
    case StepState::Open:
        break;
    case StepState::Right:
        return tr("Right");
    case StepState::Wrong:
        return tr("Wrong");
    case StepState::Shown:
        return tr("Shown");
    case StepState::Carried:
        return tr("Carried");
    }
    return {};
}

void PracticeWindow::describeRow(int index)
{
    const StepRow& row = m_rows[index];
    const ExerciseStep& step = m_exercise.steps[index];
    const QString mark = markText(index);
    const QString feedback = m_feedback.value(index);
    row.mark->setText(mark);
    // The mark and the feedback read with their text and the step they are of.
    row.mark->setAccessibleName(mark.isEmpty() ? tr("Mark of %1: none yet").arg(step.label)
                                               : tr("Mark of %1: %2").arg(step.label, mark));
    row.feedback->setAccessibleName(tr("Feedback on %1: %2").arg(step.label, feedback));
    // What a screen reader says on the field: the prompt, then the mark and
    // the feedback.
    QString description = step.prompt;
    if (step.given)
        description = tr("%1 (given)").arg(step.prompt);
    else if (!mark.isEmpty())
        description += QStringLiteral(". ") + mark;
    if (!feedback.isEmpty())
        description += QStringLiteral(". ") + feedback;
    row.answerWidget()->setAccessibleDescription(description);
}

void PracticeWindow::check()
{
    if (!m_check->isEnabled())
        return;
    QHash<QString, QString> answers;
    bool anyAnswer = false;
    for (qsizetype i = 0; i < m_rows.size(); ++i) {
        // A shown step counts as not answered.
        if (!m_exercise.steps[i].given && m_states[i] != StepState::Shown) {
            answers.insert(m_rows[i].id, answer(m_rows[i].id));
            anyAnswer = anyAnswer || !answer(m_rows[i].id).trimmed().isEmpty();
        }
    }
    // Nothing typed is no attempt: nothing is marked and the run does not
    // count it.
    if (!anyAnswer) {
        m_nothingAnswered = true;
        updateAfterCheck();
        announceVerdict();
        return;
    }
    m_nothingAnswered = false;
    m_grade = grade(m_exercise, answers, QLocale(), {m_countCarried->isChecked()});
    for (const StepGrade& g : std::as_const(m_grade->steps)) {
        const int index = m_exercise.stepIndex(g.id);
        if (index < 0 || m_states[index] == StepState::Shown)
            continue;
        setState(index,
                 g.carried    ? StepState::Carried
                 : g.correct  ? StepState::Right
                 : g.answered ? StepState::Wrong
                              : StepState::Open,
                 g.feedback);
    }
    count(m_grade->allCorrect());
    updateAfterCheck();
    announceVerdict();
    fitToContent();
    // The keyboard goes to the first step still to do.
    for (qsizetype i = 0; i < m_rows.size(); ++i) {
        if (!m_exercise.steps[i].given && !settled(i)) {
            m_rows[i].answerWidget()->setFocus();
            m_stepsArea->ensureWidgetVisible(m_rows[i].answerWidget());
            break;
        }
    }
}

void PracticeWindow::showStep()
{
    const auto open = [this](qsizetype i) {
        return i >= 0 && i < m_rows.size() && !m_exercise.steps[i].given && !settled(i);
    };
    // The step being worked on, else the first not yet answered, else the
    // first not yet right.
    int index = open(m_current) ? m_current : -1;
    for (qsizetype i = 0; index < 0 && i < m_rows.size(); ++i) {
        if (open(i) && answer(m_rows[i].id).trimmed().isEmpty())
            index = int(i);
    }
    for (qsizetype i = 0; index < 0 && i < m_rows.size(); ++i) {
        if (open(i))
            index = int(i);
    }
    if (index < 0)
        return;
    const ExerciseStep& step = m_exercise.steps[index];
    const StepRow& row = m_rows[index];
    if (row.choice) {
        row.choice->setCurrentIndex(choiceIndex(step, step.expectedText));
        row.choice->setEnabled(false);
    } else {
        row.edit->setText(step.expectedText);
        row.edit->setReadOnly(true);
    }
    QString shown = step.expectedText;
    if (!step.unit.isEmpty())
        shown += QLatin1Char(' ') + step.unit;
    setState(index, StepState::Shown,
             tr("The answer is %1. A shown step counts as not answered.").arg(shown));
    m_current = -1;
    // Only a Check counts in the run: every step shown is no attempt.
    updateAfterCheck();
}

bool PracticeWindow::settled(qsizetype i) const
{
    return m_states[i] == StepState::Right || m_states[i] == StepState::Shown ||
           (m_states[i] == StepState::Carried && m_countCarried->isChecked());
}

bool PracticeWindow::finished() const
{
    bool asked = false;
    for (qsizetype i = 0; i < m_rows.size(); ++i) {
        if (m_exercise.steps[i].given)
            continue;
        asked = true;
        if (!settled(i))
            return false;
    }
    return asked;
}

void PracticeWindow::count(bool right)
{
    if (m_counted)
        return;
    m_counted = true;
    m_firstRight = right;
    ++m_done;
    if (right)
        ++m_rightFirstTime;
    updateScore();
}

void PracticeWindow::updateScore()
{
    m_score->setText(tr("%1 of %2 exercises right first time").arg(m_rightFirstTime).arg(m_done));
}

void PracticeWindow::updateAfterCheck()
{
    const bool done = finished();
    // Right at the first Check, with no step shown before it.
    const bool right = m_counted && m_firstRight;
    const bool anyWrong = m_counted && !right;
    m_workedSteps->setEnabled(done);
    m_showStep->setEnabled(!done);
    m_check->setEnabled(!done);
    m_nextLevel->setVisible(done && right && m_exercise.level < PracticeLevels);
    m_sameLevel->setVisible(anyWrong);

    // The verdict reads the marks now shown, not those of the first Check.
    int asked = 0;
    int rightNow = 0;
    int wrongNow = 0;
    int carriedNow = 0;
    for (qsizetype i = 0; i < m_rows.size(); ++i) {
        if (m_exercise.steps[i].given)
            continue;
        ++asked;
        rightNow += m_states[i] == StepState::Right ? 1 : 0;
        wrongNow += m_states[i] == StepState::Wrong ? 1 : 0;
        carriedNow += m_states[i] == StepState::Carried ? 1 : 0;
    }
    QString verdict;
    if (m_grade) {
        const int rightCount = rightNow + (m_countCarried->isChecked() ? carriedNow : 0);
        verdict = tr("%1 of %2 steps right.").arg(rightCount).arg(asked);
        if (carriedNow > 0)
            verdict += QLatin1Char(' ') + tr("%1 right from your earlier answers, %2 fully right.")
                                              .arg(carriedNow)
                                              .arg(rightNow);
        if (done && right)
            verdict += QLatin1Char(' ') + (m_exercise.level < PracticeLevels
                                               ? tr("Well done: try the next level.")
                                               : tr("Well done."));
        else if (wrongNow > 0)
            verdict += QLatin1Char(' ') + tr("Mend the steps marked Wrong, or try the same level "
                                             "with a new case.");
        else if (done)
            verdict += QLatin1Char(' ') + tr("Every step is done; try the same level with a new "
                                             "case.");
        else
            verdict += QLatin1Char(' ') + tr("Answer the steps still open, then Check.");
    } else if (done) {
        verdict = tr("Every step shown.");
    } else if (m_nothingAnswered) {
        verdict = tr("Nothing answered yet: type an answer into a step, then Check.");
    }
    setLabelText(m_verdict, verdict);
    m_verdict->setAccessibleName(verdict.isEmpty() ? tr("Verdict") : verdict);
    m_verdict->setVisible(!verdict.isEmpty());
}

void PracticeWindow::announceVerdict()
{
    // A screen reader hears the verdict of a Check.
    if (m_verdict->isVisible())
        announce(m_verdict, m_verdict->accessibleName());
}

void PracticeWindow::fitToContent()
{
    // At the window's narrowest the case text and the verdict wrap onto more
    // lines than a label's own minimum counts: their minimum heights keep room
    // for those lines, so that the window's minimum never squeezes the rest.
    const QList<QLabel*> wrapped{m_caseText, m_verdict};
    for (QLabel* label : wrapped)
        label->setMinimumHeight(0);
    const QMargins margins = layout()->contentsMargins();
    const int narrowest = layout()->totalMinimumSize().width() - margins.left() - margins.right();
    for (QLabel* label : wrapped)
        label->setMinimumHeight(label->text().isEmpty() ? 0 : label->heightForWidth(narrowest));
    if (!isVisible())
        return;
    // Taller rows (a longer case, feedback under the steps) grow the window
    // as far as the screen has room; it never shrinks under the learner.
    layout()->activate();
    const QWidget* viewport = m_stepsArea->viewport();
    const int missing = m_stepsBox->heightForWidth(viewport->width()) - viewport->height();
    if (missing <= 0)
        return;
    const int grown = std::min(height() + missing, roomOnScreen(this).height());
    if (grown <= height())
        return;
    resize(width(), grown);
    // Grown past the foot of the screen: moved up until it fits.
    if (QScreen* screen = this->screen()) {
        const int below = frameGeometry().bottom() - screen->availableGeometry().bottom();
        if (below > 0)
            move(x(), std::max(screen->availableGeometry().top(), y() - below));
    }
}

WorkedStepsWindow* PracticeWindow::stepsWindow() const
{
    return m_stepsWindow;
}

void PracticeWindow::showWorkedSteps()
{
    if (!finished())
        return;
    if (!m_stepsWindow) {
        m_stepsWindow = new WorkedStepsWindow(this);
        m_stepsWindow->setAttribute(Qt::WA_DeleteOnClose);
        m_stepsWindow->follow(m_exercise.derivation);
        prepareWindow(m_stepsWindow);
        placeBeside(m_stepsWindow, this);
    }
    m_stepsWindow->show();
    m_stepsWindow->raise();
    m_stepsWindow->activateWindow();
}

void PracticeWindow::keyPressEvent(QKeyEvent* event)
{
    // Enter in a choice list checks, as it does in an answer field; Enter
    // elsewhere (the case number, the item, the level) checks nothing.
    const QWidget* focus = QApplication::focusWidget();
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
        // (An answer field checks on its own Enter.)
        if (focus && m_stepsBox->isAncestorOf(focus) && qobject_cast<const QComboBox*>(focus) &&
            m_check->isEnabled())
            check();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool PracticeWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        for (qsizetype i = 0; i < m_rows.size(); ++i) {
            if (m_rows[i].answerWidget() == watched)
                m_current = int(i);
        }
    }
    return QWidget::eventFilter(watched, event);
}

PracticeWindow* showPractice(std::optional<ItemId> item)
{
    PracticeWindow* window = ensureWindow<PracticeWindow>();
    if (item && window->exercise().item != *item)
        window->practise(*item);
    return showWindow<PracticeWindow>();
}

} // namespace quarvex
