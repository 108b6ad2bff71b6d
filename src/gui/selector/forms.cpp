#include "selector/forms.h"

#include "app/dialogs.h"
#include "app/windows.h"
#include "screens/calculatorscreen.h"
#include "selector/frmexplain.h"

namespace quarvex {

namespace {

void fail(QString* failure)
{
    if (failure)
        *failure = QString::fromLatin1(FormNotInList);
}

} // namespace

ExplainWindow* GetTargetForm(const QString& name, QString* failure)
{
    if (name == QLatin1String("Explain"))
        return ensureWindow<ExplainWindow>();
    fail(failure);
    return nullptr;
}

CalculatorScreen* GetSourceForm(const QString& name, QString* failure)
{
    if (name == QLatin1String("Kidney"))
        return openCalculatorScreen(ScreenId::Kidney);
    fail(failure);
    return nullptr;
}

void ShowMoreInfo(const QString& target, const QString& source)
{
    QString failure;
    // Both names are looked up before anything is shown (the source first: it
    // creates nothing), so a failure leaves every window as it was.
    CalculatorScreen* screen = GetSourceForm(source, &failure);
    ExplainWindow* window = failure.isEmpty() ? GetTargetForm(target, &failure) : nullptr;
    if (!window) {
        dialogs().beep();
        dialogs().message(failure);
        return;
    }
    showWindow<ExplainWindow>();
    // The notes on the result stand below its interpretation.
    QString text = screen ? screen->moreInfoText() : QString();
    if (screen && !screen->notesText().isEmpty())
        text += (text.isEmpty() ? QString() : QStringLiteral("\n\n")) + screen->notesText();
    window->setExplanation(text);
}

} // namespace quarvex
