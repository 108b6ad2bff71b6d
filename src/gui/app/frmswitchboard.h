#pragma once

#include <QDialog>

class QRadioButton;

namespace quarvex {

// The switchboard frmSwitchboard: chooses between the Quick Calculator and
// the Comprehensive Overview. It stays open while the chosen windows are used.
class SwitchboardWindow : public QDialog
{
    Q_OBJECT
public:
    SwitchboardWindow();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void openChosen();

    QRadioButton* m_quick = nullptr;
    QRadioButton* m_overview = nullptr;
};

} // namespace quarvex
