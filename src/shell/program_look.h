// The program's icon and the style it runs under. Both are drawn in code so
// that start-up neither keeps bitmaps of every icon size nor loads Qt's image
// format plugins to decode a stock picture.
#pragma once

#include <QColor>
#include <QIcon>
#include <QRectF>
#include <QStyle>
#include <vector>

namespace zova {

/// The side of the square frame the icon's shapes are given in.
constexpr qreal kProgramIconFrame = 64;

/// One shape of the icon: a rectangle, rounded when radius > 0.
struct IconShape {
  QRectF rect;
  qreal radius;
  QColor colour;
};

/// The icon's drawing, back to front, in a kProgramIconFrame square. The window
/// paints it and the installed icon files (SVG and PNG) are made from it.
std::vector<IconShape> programIconShapes();

/// The program's icon, painted at whatever size is asked for.
QIcon programIcon();

/// The title bar of the program's own dialogs and tool windows: the title and a close
/// button, no minimise or maximise button (for window managers that follow these hints).
inline constexpr Qt::WindowFlags kCloseOnlyTitleBar =
    Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
    Qt::WindowCloseButtonHint;

class Zoom;

/// The desktop's default style, except that the menu bar's overflow arrow is
/// drawn instead of read from a picture file. The focus ring follows `zoom`;
/// without one it keeps its standard width.
QStyle* makeProgramStyle(const Zoom* zoom = nullptr);

}  // namespace zova
