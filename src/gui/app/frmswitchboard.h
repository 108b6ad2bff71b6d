#pragma once

#include <QDialog>
#include <QPointer>

class QRadioButton;

namespace quarvex {

class OverviewWindows;

// The switchboard frmSwitchboard: chooses between the Quick Calculator, the
// Comprehensive Overview and Practice. It stays open while the chosen windows are used.
class SwitchboardWindow : public QDialog
{
    Q_OBJECT
public:
    SwitchboardWindow();

    // Chooses the Comprehensive Overview and opens the case file on its data
    // entry screen (a file that cannot be opened is reported, and the screen
    // stays as it was).
    void openCase(const QString& path);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void openChosen();
    OverviewWindows* overviewWindows();

    QRadioButton* m_quick = nullptr;
    QRadioButton* m_overview = nullptr;
    QRadioButton* m_practice = nullptr;
    // The Comprehensive Overview while any of its windows is open; it goes
    // when its last window closes, and outlives the switchboard until then.
    QPointer<OverviewWindows> m_overviewWindows;
    // Where this run's last export went; the next overview proposes it.
    QString m_exportFolder;
};

} // namespace quarvex
