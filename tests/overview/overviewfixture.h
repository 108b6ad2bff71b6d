#pragma once

#include "analytes/fields.h"
#include "overview/cliinput.h"

#include <QStringList>

namespace quarvex::test {

// Texts for tables of test data.
QStringList strs(std::initializer_list<const char*> texts);

// Fields from "Name=text" lines (the quarvex-cli input format).
MapFields fieldsFrom(const QStringList& lines);
inline MapFields fieldsFrom(std::initializer_list<const char*> lines) {
    return fieldsFrom(strs(lines));
}
// The fields of the example input file: a full, valid set.
MapFields exampleFields();
QString exampleInputText();

// Types the fields into the open frmData (opening it if needed); fields not
// given are emptied.
void typeIntoDataEntry(const Fields& fields);

// Closes every overview window and lets them be deleted.
void closeOverviewWindows();

} // namespace quarvex::test
