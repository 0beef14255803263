#pragma once

#include <QtGlobal>

class QFont;
class QWidget;

// Windows placed in twips were designed for the usual 9 pt desktop font, 12 pixels high at 96
// dots per inch. With a larger desktop font (a larger size, or more dots per inch) they grow by
// the font's ratio, so no text is cut off; with the usual font or a smaller one they keep their
// design size.
qreal fontGrowth(const QFont &font);

// Scales the places and sizes of the container's own controls, and its fixed size if it has one,
// by the growth for its font.
void growWithFont(QWidget *container);
