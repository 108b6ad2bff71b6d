#pragma once

namespace quarvex {

// Qt reports an editable drop-down list on Linux by its current text: once a
// unit is chosen, the "Serum creatinine unit" list would be read as "mg/dL",
// like every other list holding mg/dL. This keeps the name that the program
// gave the list as its name and its text as its value, so a screen reader
// says both ("Serum creatinine unit, mg/dL"). Installing it more than once
// does nothing more; it concerns the lists of class ChoiceList.
void keepChoiceListNames();

} // namespace quarvex
