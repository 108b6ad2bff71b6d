#include "app/startup.h"

#include "app/windows.h"

namespace quarvex {

void modStartup(int splashInterval, const QString& casePath)
{
    showWindow<SplashWindow>(splashInterval, casePath);
}

} // namespace quarvex
