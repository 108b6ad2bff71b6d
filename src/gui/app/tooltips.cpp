#include "app/tooltips.h"

#include <QCoreApplication>
#include <QStringList>
#include <QWidget>

namespace quarvex {

namespace {

constexpr const char* Screens = "frmKidney frmHeart frmLiver";

// clang-format off
constexpr ControlTip Tips[] = {
    {"frmDisclaimer", "CommandButton0", QT_TRANSLATE_NOOP("quarvex::ToolTips", "Accept and go on to the choice of mode")},
    {"frmDisclaimer", "CommandButton1", QT_TRANSLATE_NOOP("quarvex::ToolTips", "Close Quarvex")},
    {"frmSwitchboard", "Option1", QT_TRANSLATE_NOOP("quarvex::ToolTips", "Work out one test item at a time")},
    {"frmSwitchboard", "Option2", QT_TRANSLATE_NOOP("quarvex::ToolTips", "Type many values at once and see every item they allow")},
    {"frmSwitchboard", "Option3", QT_TRANSLATE_NOOP("quarvex::ToolTips", "Work generated cases step by step, each step checked")},
    {"frmSwitchboard", "OKButton", QT_TRANSLATE_NOOP("quarvex::ToolTips", "Open the mode chosen on the left")},
    {"frmSwitchboard", "ExitButton", QT_TRANSLATE_NOOP("quarvex::ToolTips", "Close Quarvex")},
    {"frmSwitchboard", "AboutButton", QT_TRANSLATE_NOOP("quarvex::ToolTips", "Version and purpose of Quarvex")},
    {"frmAbout", "cmdOK", QT_TRANSLATE_NOOP("quarvex::ToolTips", "Close this window")},
    {"frmAbout", "cmdSysInfo", QT_TRANSLATE_NOOP("quarvex::ToolTips", "Start the system's own information program")},
    {"frmMain", "Category", QT_TRANSLATE_NOOP("quarvex::ToolTips", "Pick a group of test items")},
    {"frmMain", "SubCat", QT_TRANSLATE_NOOP("quarvex::ToolTips", "Pick the test item to work out")},
    {"frmMain", "Proceed", QT_TRANSLATE_NOOP("quarvex::ToolTips", "Open the calculator screen for the item picked")},
    {"frmMain", "Explain", QT_TRANSLATE_NOOP("quarvex::ToolTips", "What the item picked tells")},
    {Screens, "Calculate", QT_TRANSLATE_NOOP("quarvex::ToolTips", "Work out the item from the values typed (Enter)")},
    {Screens, "Clear", QT_TRANSLATE_NOOP("quarvex::ToolTips", "Empty every value, unit and the result")},
    {Screens, "StepsButton", QT_TRANSLATE_NOOP("quarvex::ToolTips", "Show how the result was worked out, step by step (Alt+S)")},
    {Screens, "PracticeButton", QT_TRANSLATE_NOOP("quarvex::ToolTips", "Practise working this item out on generated cases")},
    {Screens, "Result", QT_TRANSLATE_NOOP("quarvex::ToolTips", "The result of the last Calculate")},
    {Screens, "MoreInfo", QT_TRANSLATE_NOOP("quarvex::ToolTips", "What the result means")},
    {"frmKidney", "MoreInfoButton", QT_TRANSLATE_NOOP("quarvex::ToolTips", "Show what the result means")},
    {"frmData", "TabStrip1", QT_TRANSLATE_NOOP("quarvex::ToolTips", "Blood values and urine values")},
    {"frmData", "ClearButton", QT_TRANSLATE_NOOP("quarvex::ToolTips", "Empty every value and unit, and start a new case")},
    {"frmData", "OpenCaseButton", QT_TRANSLATE_NOOP("quarvex::ToolTips", "Open a case saved before (Ctrl+O)")},
    {"frmData", "SaveCaseButton", QT_TRANSLATE_NOOP("quarvex::ToolTips", "Save the values in the case's file (Ctrl+S)")},
    {"frmData", "SaveCaseAsButton", QT_TRANSLATE_NOOP("quarvex::ToolTips", "Save the values in a new case file (Ctrl+Shift+S)")},
    {"frmData", "OKbutton", QT_TRANSLATE_NOOP("quarvex::ToolTips", "List the items the values typed allow")},
    {"frmData", "EXITbutton", QT_TRANSLATE_NOOP("quarvex::ToolTips", "Close the data entry window")},
    {"frmList", "List1", QT_TRANSLATE_NOOP("quarvex::ToolTips", "The items the values typed allow")},
    {"frmList", "OKButton", QT_TRANSLATE_NOOP("quarvex::ToolTips", "Work out every item listed")},
    {"frmList", "CancelButton", QT_TRANSLATE_NOOP("quarvex::ToolTips", "Back to the data entry window (Esc)")},
    {"frmResult", "FlexGrid", QT_TRANSLATE_NOOP("quarvex::ToolTips", "Each item's result and what it means")},
    {"frmResult", "BackButton", QT_TRANSLATE_NOOP("quarvex::ToolTips", "Back to the data entry window")},
    {"frmResult", "ExportButton", QT_TRANSLATE_NOOP("quarvex::ToolTips", "Save the results to a tab-separated file")},
    {"frmResult", "CloseButton", QT_TRANSLATE_NOOP("quarvex::ToolTips", "Close the results and the data entry window")},
    {"frmResult", "PrintButton", QT_TRANSLATE_NOOP("quarvex::ToolTips", "Print the values and results on paper (Ctrl+P)")},
    {"frmResult", "PdfButton", QT_TRANSLATE_NOOP("quarvex::ToolTips", "Save the values and results as a PDF file")},
    {"frmResult", "StepsCheckBox", QT_TRANSLATE_NOOP("quarvex::ToolTips", "Print the worked steps of every item too")},
    {"frmPractice", "ItemChooser", QT_TRANSLATE_NOOP("quarvex::ToolTips", "The test item to practise")},
    {"frmPractice", "Level", QT_TRANSLATE_NOOP("quarvex::ToolTips", "Which steps you work out: the higher the level, the fewer are shown")},
    {"frmPractice", "CaseNumber", QT_TRANSLATE_NOOP("quarvex::ToolTips", "The number of the case: the same number gives the same case")},
    {"frmPractice", "CheckButton", QT_TRANSLATE_NOOP("quarvex::ToolTips", "Check every answer (Alt+C, or Enter in an answer)")},
    {"frmPractice", "ShowStepButton", QT_TRANSLATE_NOOP("quarvex::ToolTips", "Show the answer of the step you are on; it counts as not answered")},
    {"frmPractice", "NewCaseButton", QT_TRANSLATE_NOOP("quarvex::ToolTips", "Another case of the item at this level (Alt+N)")},
    {"frmPractice", "WorkedStepsButton", QT_TRANSLATE_NOOP("quarvex::ToolTips", "The case worked out in full, with the band picture")},
    {"frmPractice", "NextLevelButton", QT_TRANSLATE_NOOP("quarvex::ToolTips", "A new case at the next level")},
    {"frmPractice", "SameLevelButton", QT_TRANSLATE_NOOP("quarvex::ToolTips", "A new case at the same level")},
    {"frmPractice", "WorksheetButton", QT_TRANSLATE_NOOP("quarvex::ToolTips", "Print a worksheet of such cases for a class, one version per student, with an answer key")},
};
// clang-format on

} // namespace

std::span<const ControlTip> controlTips()
{
    return Tips;
}

void applyToolTips(QWidget* window)
{
    const QString name = window->objectName();
    for (const ControlTip& tip : Tips) {
        if (!QString::fromLatin1(tip.windows).split(QLatin1Char(' ')).contains(name))
            continue;
        if (auto* control = window->findChild<QWidget*>(QLatin1String(tip.control)))
            control->setToolTip(QCoreApplication::translate("quarvex::ToolTips", tip.tip));
    }
}

} // namespace quarvex
