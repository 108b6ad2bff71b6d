#pragma once

#include "analytes/findings.h"
#include "analytes/hints.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>

class QAction;
class QLineEdit;
class QWidget;

namespace quarvex {

class AnalyteForm;

// What a screen shows beside its analyte fields, never blocking anything:
//  - a mark on each field a finding is about (a coloured frame and a warning
//    icon, the reason in its tooltip and accessible description), until the
//    user edits that field or the marks are cleared;
//  - a hint icon on each field a plausibility hint is on, the hint as its
//    tooltip and in the field's accessible description, brought up to date
//    whenever the user leaves a field or picks a unit or gender;
//  - in every value field's tooltip, the adult reference interval for the
//    unit and gender chosen.
// Attach it once all of the form's analytes are added.
class FieldMarks final : public QObject
{
    Q_OBJECT
public:
    FieldMarks(AnalyteForm& form, QObject* parent);

    // Marks the fields of these findings (a unit finding marks the unit list).
    void mark(const QList<Finding>& findings);
    void clearMarks();
    // Reads the form once and shows its hints and reference intervals.
    void refresh();

    // The reason a field is marked for, or empty.
    QString markOf(const QWidget* field) const;
    // The hints shown on a field.
    QStringList hintsOf(const QWidget* field) const;

private:
    struct Target {
        QWidget* widget = nullptr;
        QLineEdit* edit = nullptr; // where the icons go
        QAction* markIcon = nullptr;
        QAction* hintIcon = nullptr;
        QString baseTip;
        int baseMinimumWidth = 0;
        int baseMaximumWidth = 0;
        QString reference;
        QString mark;
        QStringList hints;
    };

    void addTarget(QWidget* widget, QLineEdit* edit);
    void unmark(QWidget* widget);
    void show(Target& target);
    static void makeRoomForIcons(Target& target);

    AnalyteForm& m_form;
    QHash<const QWidget*, Target> m_targets;
};

} // namespace quarvex
