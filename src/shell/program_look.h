// The program's icon and the style it runs under. Both are drawn in code so
// that start-up neither keeps bitmaps of every icon size nor loads Qt's image
// format plugins to decode a stock picture.
#pragma once

#include <QIcon>
#include <QStyle>

namespace zova {

/// The program's icon, painted at whatever size is asked for.
QIcon programIcon();

/// The desktop's default style, except that the menu bar's overflow arrow is
/// drawn instead of read from a picture file.
QStyle* makeProgramStyle();

}  // namespace zova
