#pragma once

#include <QIcon>
#include <QString>

// The icons and texts of the user interface, looked up by their identifiers in ui/ControlIds.h.

// An icon in the sizes the program shows (16, 24, 32 and 48 pixels, and twice those for screens
// scaled to 200 %); a null icon for an unknown id.
QIcon ResourceIcon(int id);

// A text of the program; empty for an unknown id.
QString ResourceString(int id);
