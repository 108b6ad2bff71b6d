#include "app/fieldmarks.h"

#include "analytes/inputs.h"
#include "app/analytewidgets.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QStyle>

namespace quarvex {

namespace {

// A frame that stands out on light and dark backgrounds alike.
const char* const MarkColour = "#e8590c";

QWidget* fieldOf(const AnalyteWidgets& w, const Finding& finding)
{
    switch (finding.kind) {
    case FindingKind::NoUnit:
    case FindingKind::UnknownUnit:
        return w.unitList;
    default:
        return w.valueWidget();
    }
}

} // namespace

FieldMarks::FieldMarks(AnalyteForm& form, QObject* parent)
    : QObject(parent)
    , m_form(form)
{
    for (AnalyteId id : form.order()) {
        const AnalyteWidgets& w = form.widgets(id);
        if (w.value)
            addTarget(w.value, w.value);
        if (w.choice)
            addTarget(w.choice, w.choice->lineEdit());
        if (w.unitList)
            addTarget(w.unitList, w.unitList->lineEdit());
    }
    refresh();
}

void FieldMarks::addTarget(QWidget* widget, QLineEdit* edit)
{
    Target t;
    t.widget = widget;
    t.edit = edit;
    t.baseTip = widget->toolTip();
    t.baseMinimumWidth = widget->minimumWidth();
    t.baseMaximumWidth = widget->maximumWidth();
    if (edit) {
        const QStyle* style = widget->style();
        t.markIcon = edit->addAction(style->standardIcon(QStyle::SP_MessageBoxWarning),
                                     QLineEdit::TrailingPosition);
        t.markIcon->setObjectName(widget->objectName() + QStringLiteral("Mark"));
        t.markIcon->setVisible(false);
        t.hintIcon = edit->addAction(style->standardIcon(QStyle::SP_MessageBoxInformation),
                                     QLineEdit::TrailingPosition);
        t.hintIcon->setObjectName(widget->objectName() + QStringLiteral("Hint"));
        t.hintIcon->setVisible(false);
        // The icons are buttons to a screen reader: they take their names
        // from the actions' texts (never drawn, the icon is).
        const QString name =
            widget->accessibleName().isEmpty() ? widget->objectName() : widget->accessibleName();
        t.markIcon->setText(tr("%1: at fault").arg(name));
        t.hintIcon->setText(tr("%1: value to check").arg(name));
        // Typing into the field takes its mark away; leaving it brings the
        // hints up to date.
        connect(edit, &QLineEdit::textEdited, this, [this, widget] { unmark(widget); });
        connect(edit, &QLineEdit::editingFinished, this, &FieldMarks::refresh);
    }
    if (auto* list = qobject_cast<QComboBox*>(widget)) {
        connect(list, &QComboBox::activated, this, [this, widget] {
            unmark(widget);
            refresh();
        });
    }
    m_targets.insert(widget, t);
}

void FieldMarks::mark(const QList<Finding>& findings)
{
    for (const Finding& finding : findings) {
        if (!finding.analyte || !m_form.has(*finding.analyte))
            continue;
        QWidget* widget = fieldOf(m_form.widgets(*finding.analyte), finding);
        auto it = m_targets.find(widget);
        if (it == m_targets.end())
            continue;
        it->mark = finding.shownText();
        show(*it);
    }
}

void FieldMarks::clearMarks()
{
    for (Target& t : m_targets) {
        if (!t.mark.isEmpty()) {
            t.mark.clear();
            show(t);
        }
    }
}

void FieldMarks::unmark(QWidget* widget)
{
    auto it = m_targets.find(widget);
    if (it != m_targets.end() && !it->mark.isEmpty()) {
        it->mark.clear();
        show(*it);
    }
}

void FieldMarks::refresh()
{
    const Inputs inputs(m_form);
    const QList<FieldHint> hints = caseHints(inputs);
    for (AnalyteId id : m_form.order()) {
        const AnalyteWidgets& w = m_form.widgets(id);
        auto it = m_targets.find(w.valueWidget());
        if (it == m_targets.end())
            continue;
        const QString reference = referenceText(inputs, id, HintLanguage::Shown);
        const QStringList texts = shownHintsOn(hints, id);
        if (reference != it->reference || texts != it->hints) {
            it->reference = reference;
            it->hints = texts;
            show(*it);
        }
    }
}

void FieldMarks::show(Target& t)
{
    const bool marked = !t.mark.isEmpty();
    QStringList tip{t.baseTip};
    if (!t.reference.isEmpty())
        tip << t.reference;
    QStringList reasons;
    if (marked)
        reasons << t.mark;
    reasons << t.hints;
    tip << reasons;
    t.widget->setToolTip(tip.join(QLatin1Char('\n')));
    t.widget->setAccessibleDescription(reasons.join(QLatin1Char('\n')));
    if (t.edit && t.edit != t.widget)
        t.edit->setAccessibleDescription(t.widget->accessibleDescription());
    if (t.markIcon) {
        t.markIcon->setVisible(marked);
        t.markIcon->setToolTip(t.mark);
    }
    if (t.hintIcon) {
        t.hintIcon->setVisible(!t.hints.isEmpty());
        t.hintIcon->setToolTip(t.hints.join(QLatin1Char('\n')));
    }
    makeRoomForIcons(t);
    const QString type = qobject_cast<QComboBox*>(t.widget) ? QStringLiteral("QComboBox")
                                                            : QStringLiteral("QLineEdit");
    t.widget->setStyleSheet(marked ? QStringLiteral("%1 { border: 2px solid %2; }")
                                         .arg(type, QString::fromLatin1(MarkColour))
                                   : QString());
}

// An icon inside a field takes the room of its button from the text; the
// field grows by that much, so "150" never reads "50" under a hint icon.
void FieldMarks::makeRoomForIcons(Target& t)
{
    if (!t.edit)
        return;
    int icons = 0;
    for (const QAction* icon : {t.markIcon, t.hintIcon})
        icons += icon && icon->isVisible() ? 1 : 0;
    // A side icon's button: the small icon size, a margin of a quarter of it
    // and its frame, as QLineEdit lays them out.
    const int iconSize = t.edit->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, t.edit);
    const int extra = icons * (iconSize + iconSize / 4 + 6);
    if (t.baseMaximumWidth == t.baseMinimumWidth) {
        t.widget->setFixedWidth(t.baseMinimumWidth + extra);
    } else {
        t.widget->setMinimumWidth(t.baseMinimumWidth + extra);
        t.widget->setMaximumWidth(
            t.baseMaximumWidth >= QWIDGETSIZE_MAX ? QWIDGETSIZE_MAX : t.baseMaximumWidth + extra);
    }
}

QString FieldMarks::markOf(const QWidget* field) const
{
    return m_targets.value(field).mark;
}

QStringList FieldMarks::hintsOf(const QWidget* field) const
{
    return m_targets.value(field).hints;
}

} // namespace quarvex
