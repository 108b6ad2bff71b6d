#include "app/startup.h"

#include "app/windows.h"

namespace quarvex {

void modStartup(int splashInterval)
{
    showWindow<SplashWindow>(splashInterval);
}

} // namespace quarvex
