#pragma once

#include <QIcon>

namespace orfa::panel {

// The program's icon: a loudspeaker, drawn so that it needs no image files.
QIcon appIcon();

} // namespace orfa::panel
