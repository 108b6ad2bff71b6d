#include "app/startup.h"

#include "app/navigation.h"

namespace quarvex {

void modStartup()
{
    showSelector();
}

} // namespace quarvex
