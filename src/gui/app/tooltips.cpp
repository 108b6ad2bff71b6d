#include "app/tooltips.h"

#include <QStringList>
#include <QWidget>

namespace quarvex {

namespace {

constexpr const char* Screens = "frmKidney frmHeart frmLiver";

// clang-format off
constexpr ControlTip Tips[] = {
    {"frmDisclaimer", "CommandButton0", "Accept and go on to the choice of mode"},
    {"frmDisclaimer", "CommandButton1", "Close Quarvex"},
    {"frmSwitchboard", "Option1", "Work out one test item at a time"},
    {"frmSwitchboard", "Option2", "Type many values at once and see every item they allow"},
    {"frmSwitchboard", "Option3", "Work generated cases step by step, each step checked"},
    {"frmSwitchboard", "OKButton", "Open the mode chosen on the left"},
    {"frmSwitchboard", "ExitButton", "Close Quarvex"},
    {"frmSwitchboard", "AboutButton", "Version and purpose of Quarvex"},
    {"frmAbout", "cmdOK", "Close this window"},
    {"frmAbout", "cmdSysInfo", "Start the system's own information program"},
    {"frmMain", "Category", "Pick a group of test items"},
    {"frmMain", "SubCat", "Pick the test item to work out"},
    {"frmMain", "Proceed", "Open the calculator screen for the item picked"},
    {"frmMain", "Explain", "What the item picked tells"},
    {Screens, "Calculate", "Work out the item from the values typed (Enter)"},
    {Screens, "Clear", "Empty every value, unit and the result"},
    {Screens, "StepsButton", "Show how the result was worked out, step by step (Alt+S)"},
    {Screens, "PracticeButton", "Practise working this item out on generated cases"},
    {Screens, "Result", "The result of the last Calculate"},
    {Screens, "MoreInfo", "What the result means"},
    {"frmKidney", "MoreInfoButton", "Show what the result means"},
    {"frmData", "TabStrip1", "Blood values and urine values"},
    {"frmData", "ClearButton", "Empty every value and unit, and start a new case"},
    {"frmData", "OpenCaseButton", "Open a case saved before (Ctrl+O)"},
    {"frmData", "SaveCaseButton", "Save the values in the case's file (Ctrl+S)"},
    {"frmData", "SaveCaseAsButton", "Save the values in a new case file (Ctrl+Shift+S)"},
    {"frmData", "OKbutton", "List the items the values typed allow"},
    {"frmData", "EXITbutton", "Close the data entry window"},
    {"frmList", "List1", "The items the values typed allow"},
    {"frmList", "OKButton", "Work out every item listed"},
    {"frmList", "CancelButton", "Back to the data entry window (Esc)"},
    {"frmResult", "FlexGrid", "Each item's result and what it means"},
    {"frmResult", "BackButton", "Back to the data entry window"},
    {"frmResult", "ExportButton", "Save the results to a tab-separated file"},
    {"frmResult", "CloseButton", "Close the results and the data entry window"},
    {"frmResult", "PrintButton", "Print the values and results on paper (Ctrl+P)"},
    {"frmResult", "PdfButton", "Save the values and results as a PDF file"},
    {"frmResult", "StepsCheckBox", "Print the worked steps of every item too"},
    {"frmPractice", "ItemChooser", "The test item to practise"},
    {"frmPractice", "Level", "Which steps you work out: the higher the level, the fewer are shown"},
    {"frmPractice", "CaseNumber", "The number of the case: the same number gives the same case"},
    {"frmPractice", "CheckButton", "Check every answer (Alt+C, or Enter in an answer)"},
    {"frmPractice", "ShowStepButton", "Show the answer of the step you are on; it counts as not answered"},
    {"frmPractice", "NewCaseButton", "Another case of the item at this level (Alt+N)"},
    {"frmPractice", "WorkedStepsButton", "The case worked out in full, with the band picture"},
    {"frmPractice", "NextLevelButton", "A new case at the next level"},
    {"frmPractice", "SameLevelButton", "A new case at the same level"},
    {"frmPractice", "FromSheetButton", "Open an exercise of a worksheet by the sheet file and the code printed beside it"},
    {"frmPractice", "WorksheetButton", "Print a worksheet of such cases for a class, one version per student, with an answer key"},
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
            control->setToolTip(QString::fromLatin1(tip.tip));
    }
}

} // namespace quarvex
