#pragma once

namespace quarvex {

// The Quick Calculator selector frmMain, which the switchboard opens; it
// lives in its own subsystem. The Comprehensive Overview is an object of the
// switchboard's (overview/overviewwindows.h).
void showSelector();

} // namespace quarvex
