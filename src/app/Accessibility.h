#pragma once

// Tells screen readers what the program's own widgets are: a label made a button is a push
// button that can be pressed, and each window is a window or a dialog rather than a filler.
void installAccessibility();
