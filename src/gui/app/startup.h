#pragma once

#include "app/frmsplash.h"

namespace quarvex {

// The entry routine: shows the splash screen, which leads on to the
// disclaimer when its timer fires (after splashInterval milliseconds). A case
// file given is opened on the data entry screen once the disclaimer is
// accepted.
void modStartup(int splashInterval = SplashInterval, const QString& casePath = {});

} // namespace quarvex
