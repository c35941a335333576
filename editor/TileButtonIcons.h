#pragma once
#include <QColor>
#include <QIcon>
#include <string>

// The pictures of the tile editor's ten buttons, drawn in `ink` on a clear
// ground so that the style's disabled look greys them like any other icon.
// An unknown control name gives an empty icon.
QIcon TileButtonIcon(const std::string& controlName, const QColor& ink);
