#pragma once

namespace quarvex {

// The entry routine: shows the first window of the program.
void modStartup();

} // namespace quarvex
