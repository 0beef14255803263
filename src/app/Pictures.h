#pragma once

#include <QImage>
#include <QString>

// One of the program's pictures, named by its resource path. On a screen that scales its pixels
// (200 %, say), the double-size "@2x" PNG beside it, where there is one: it covers the same place
// and stays sharp. An image rather than a pixmap: a window that paints it keeps one copy.
QImage programPicture(const QString &path);
