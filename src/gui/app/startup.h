#pragma once

#include "app/frmsplash.h"

namespace quarvex {

// The entry routine: shows the splash screen, which leads on to the
// disclaimer when its timer fires (after splashInterval milliseconds).
void modStartup(int splashInterval = SplashInterval);

} // namespace quarvex
