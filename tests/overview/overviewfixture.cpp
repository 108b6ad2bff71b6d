#include "overviewfixture.h"

#include "app/navigation.h"
#include "app/windows.h"
#include "overview/frmdata.h"
#include "overview/frmlist.h"
#include "overview/frmresult.h"

#include <QCoreApplication>
#include <QFile>
#include <QtTest>

namespace quarvex::test {

QStringList strs(std::initializer_list<const char*> texts) {
    QStringList out;
    for (const char* text : texts)
        out << QString::fromUtf8(text);
    return out;
}

MapFields fieldsFrom(const QStringList& lines) {
    CliInput input;
    const auto error = parseCliInput(lines.join(QLatin1Char('\n')), input);
    if (error)
        qFatal("bad test input on line %d: %s", error->line, qPrintable(error->message));
    return input.fields;
}

QString exampleInputText() {
    QFile file(QStringLiteral(QUARVEX_EXAMPLE_INPUT));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read the example input");
    return QString::fromUtf8(file.readAll());
}

MapFields exampleFields() {
    return fieldsFrom(exampleInputText().split(QLatin1Char('\n')));
}

void typeIntoDataEntry(const Fields& fields) {
    showDataEntry();
    FrmData* data = openWindow<FrmData>();
    for (const Analyte& a : analytes()) {
        data->form().setValue(a.id, fields.value(a.id));
        if (a.unitKind == UnitKind::List)
            data->form().setUnit(a.id, fields.unit(a.id));
    }
}

void closeOverviewWindows() {
    closeWindow<FrmResult>();
    closeWindow<FrmList>();
    closeWindow<FrmData>();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace quarvex::test
