#pragma once

#include <QColor>

class QLabel;

// Warnings are red as designed. On a background darker than red itself, such as a dark desktop
// palette's, pure red is hard to read, so it is lightened just enough for a 4.5:1 contrast.
QColor warningRed(const QColor &background);

// Gives the label the warning red for its window's background.
void showAsWarning(QLabel *label);
