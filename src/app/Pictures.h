#pragma once

#include <QPixmap>
#include <QString>

// One of the program's pictures, named by its resource path. On a screen that scales its pixels
// (200 %, say), the double-size "@2x" version beside it, where there is one: it covers the same
// place and stays sharp.
QPixmap programPicture(const QString &path);
