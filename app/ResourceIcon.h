#pragma once

#include <QIcon>

// The application's icon called name (an SVG of res/icons, drawn into
// pixels at build time at one and two device pixels per unit); an empty icon
// for an unknown name.
QIcon ResourceIcon(const char* name);
