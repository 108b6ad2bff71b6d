#pragma once

#include <QTimer>
#include <QWidget>

class QLabel;

namespace quarvex {

// The platform line of the splash screen, "Linux 64-bit": the operating
// system family named after its kernel (QSysInfo::kernelType()) and the
// program's word size in bits.
QString platformText(const QString& kernelType, int wordSize);
// The same for the system the program runs on.
QString platformText();

// How long the splash screen stays, in milliseconds (Timer1's interval).
inline constexpr int SplashInterval = 3000;

// The splash screen frmSplash: no title bar and not in the task bar. It
// answers neither clicks nor keys nor close requests; its timer shows the
// disclaimer (which is given the case file to open, if any) and then closes it.
class SplashWindow : public QWidget
{
    Q_OBJECT
public:
    explicit SplashWindow(int interval = SplashInterval, const QString& casePath = {});

    QTimer* timer() { return &m_timer; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void timerFired();

    QTimer m_timer;
    QString m_casePath;
    bool m_done = false; // the timer has fired: the splash may close
};

} // namespace quarvex
