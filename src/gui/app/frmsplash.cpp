#include "app/frmsplash.h"

#include "app/dialogs.h"
#include "app/frmdisclaimer.h"
#include "app/logo.h"
#include "app/metrics.h"
#include "app/version.h"
#include "app/windows.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QSysInfo>
#include <QVBoxLayout>

namespace quarvex {

namespace {

QLabel* addLabel(QWidget* parent, const char* name, const QString& text, qreal pointSize = 0,
                 bool bold = false)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    QFont font = label->font();
    if (pointSize > 0)
        font.setPointSizeF(pointSize);
    font.setBold(bold);
    label->setFont(font);
    return label;
}

// Kernel types as QSysInfo reports them, and the family name people know.
struct KernelName {
    const char* kernelType;
    const char* name;
};
constexpr KernelName KernelNames[] = {
    {"linux", "Linux"},   {"darwin", "macOS"},    {"winnt", "Windows"}, {"freebsd", "FreeBSD"},
    {"netbsd", "NetBSD"}, {"openbsd", "OpenBSD"}, {"qnx", "QNX"},       {"solaris", "Solaris"}};

} // namespace

QString platformText(const QString& kernelType, int wordSize)
{
    QString name;
    for (const KernelName& known : KernelNames) {
        if (kernelType == QLatin1String(known.kernelType))
            name = QLatin1String(known.name);
    }
    if (name.isEmpty() && !kernelType.isEmpty())
        name = kernelType.left(1).toUpper() + kernelType.mid(1);
    if (name.isEmpty())
        name = QCoreApplication::translate("quarvex::SplashWindow", "Unknown system");
    //: The platform line: the system's name, then its word size, "Linux 64-bit".
    return QCoreApplication::translate("quarvex::SplashWindow", "%1 %2-bit")
        .arg(name)
        .arg(wordSize);
}

QString platformText()
{
    return platformText(QSysInfo::kernelType(), QSysInfo::WordSize);
}

SplashWindow::SplashWindow(int interval, const QString& casePath)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint)
    , m_casePath(casePath)
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QString::fromLatin1(AppTitle));

    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("fraMainFrame"));
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Raised);
    frame->setLineWidth(2);

    auto* logo = new QLabel(frame);
    logo->setObjectName(QStringLiteral("picLogo"));
    logo->setPixmap(drawLogo(128));
    logo->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    logo->setAccessibleName(tr("Quarvex logo"));

    auto* companyProduct =
        addLabel(frame, "lblCompanyProduct", tr("By the Quarvex Developers"), 18, true);
    auto* product = addLabel(frame, "lblProductName", QString::fromLatin1(AppTitle),
                             metrics::SplashProductPoints, true);
    auto* platform =
        addLabel(frame, "lblPlatform", platformText(), metrics::SplashPlatformPoints, true);
    auto* version = addLabel(frame, "lblVersion", versionText(), 12, true);
    auto* warning = addLabel(frame, "lblWarning",
                             tr("Free for educational and personal use. Provided as is, without "
                                "warranty of any kind."));
    warning->setWordWrap(true);
    auto* company = addLabel(frame, "lblCompany", tr("\u00a9 2026 Quarvex Developers"));

    for (QLabel* label : {companyProduct, product, platform, version, company})
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(24, 20, 24, 16);
    grid->setHorizontalSpacing(32);
    grid->setVerticalSpacing(6);
    grid->addWidget(logo, 0, 0, 5, 1);
    grid->addWidget(companyProduct, 0, 1);
    grid->addWidget(product, 1, 1);
    grid->addWidget(platform, 2, 1);
    grid->addWidget(version, 3, 1);
    grid->setRowStretch(4, 1);
    grid->setRowMinimumHeight(5, 12);
    grid->addWidget(warning, 6, 0, 1, 2);
    grid->addWidget(company, 7, 0, 1, 2);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(4, 4, 4, 4);
    outer->addWidget(frame);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    frame->setMinimumWidth(metrics::SplashFrameWidth);

    m_timer.setObjectName(QStringLiteral("Timer1"));
    m_timer.setSingleShot(true);
    m_timer.setInterval(interval);
    connect(&m_timer, &QTimer::timeout, this, &SplashWindow::timerFired);
    m_timer.start();
}

void SplashWindow::timerFired()
{
    m_timer.stop();
    // The disclaimer opens before the splash closes, so that a window is
    // always open and the program does not end in between.
    showWindow<DisclaimerWindow>(m_casePath);
    m_done = true;
    close();
}

void SplashWindow::closeEvent(QCloseEvent* event)
{
    if (m_done)
        event->accept();
    else
        event->ignore();
}

void SplashWindow::keyPressEvent(QKeyEvent* event)
{
    event->accept();
}

void SplashWindow::mousePressEvent(QMouseEvent* event)
{
    event->accept();
}

void SplashWindow::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
}

} // namespace quarvex
