#pragma once

#include <QDialog>

namespace quarvex {

// The text of lblDescription; its empty line is made of carriage returns.
QString aboutDescription();

// The about box frmAbout.
class AboutWindow : public QDialog
{
    Q_OBJECT
public:
    AboutWindow();
};

} // namespace quarvex
