#pragma once

#include <QImage>
#include <QString>

// One of the program's pictures, named by its resource path. On a screen that scales its pixels
// (200 %, say), the double-size "@2x" PNG beside it, where there is one: it covers the same place
// and stays sharp. An image rather than a pixmap: a window that paints it keeps one copy.
QImage programPicture(const QString &path);

// The launcher's picture, 800 x 533: its double-size PNG where the screen scales, else raw pixels
// in the order QImage::Format_RGB32 keeps them on a little-endian machine, used in place.
QImage launcherBackground();
