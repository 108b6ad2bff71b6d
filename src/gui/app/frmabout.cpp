#include "app/frmabout.h"

#include "app/dialogs.h"
#include "app/logo.h"
#include "app/metrics.h"
#include "app/qtdialogs.h"
#include "app/sysinfo.h"
#include "app/version.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace quarvex {

QString aboutDescription()
{
    return QCoreApplication::translate(
        "quarvex::AboutWindow",
        "A simple and free utility to calculate results in various areas useful in healthcare."
        " The formulas and interpretation thresholds follow standard clinical chemistry "
        "references.\r\r"
        "Comments and suggestions are welcome: please write to feedback@quarvex.example.");
}

namespace {

QLabel* addLabel(QWidget* parent, const char* name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

AboutWindow::AboutWindow()
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About %1").arg(QString::fromLatin1(AppTitle)));

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("picIcon"));
    icon->setPixmap(drawLogo(48));
    icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    icon->setAccessibleName(tr("Quarvex icon"));

    auto* title = addLabel(this, "lblTitle", QString::fromLatin1(AppTitle));
    QFont titleFont = title->font();
    titleFont.setPointSizeF(metrics::AboutTitlePoints);
    titleFont.setBold(true);
    title->setFont(titleFont);
    auto* version = addLabel(this, "lblVersion", versionText());
    auto* description = addLabel(this, "lblDescription", displayText(aboutDescription()));

    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto* disclaimer = addLabel(this, "lblDisclaimer",
                                tr("Warning: this program is meant for education and personal use. "
                                   "Its results must not be used for clinical decisions."));

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    auto* sysInfo = new QPushButton(tr("&System Info..."), this);
    sysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    ok->setMinimumWidth(sysInfo->sizeHint().width());
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
    connect(sysInfo, &QPushButton::clicked, this, [this] { StartSysInfo(this); });

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(16, 16, 16, 16);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(8);
    grid->addWidget(icon, 0, 0, 3, 1);
    grid->addWidget(title, 0, 1, 1, 2);
    grid->addWidget(version, 1, 1, 1, 2);
    grid->addWidget(description, 2, 1, 1, 2);
    grid->addWidget(line, 3, 0, 1, 3);
    grid->addWidget(disclaimer, 4, 0, 2, 2);
    grid->addWidget(ok, 4, 2);
    grid->addWidget(sysInfo, 5, 2);
    grid->setColumnMinimumWidth(1, metrics::AboutTextColumnWidth);
    grid->setColumnStretch(1, 1);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    ok->setFocus();
}

} // namespace quarvex
