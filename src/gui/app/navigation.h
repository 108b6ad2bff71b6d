#pragma once

namespace quarvex {

// Windows that the switchboard opens; each lives in its own subsystem.
void showSelector();  // frmMain, the Quick Calculator selector
void showDataEntry(); // frmData, the Comprehensive Overview data entry screen

} // namespace quarvex
