#pragma once

#include <QIcon>
#include <QPixmap>

namespace quarvex {

// The program's logo, drawn: a flask on a rounded tile.
QPixmap drawLogo(int size);

// The application icon, the logo at the usual icon sizes.
QIcon appIcon();

} // namespace quarvex
