#pragma once

#include <QIcon>

// The application's icon called name (an SVG of res/icons, drawn into
// pixels at build time), with its double-density picture where a screen
// needs it; an empty icon for an unknown name.
QIcon ResourceIcon(const char* name);
