#pragma once

class QWidget;

// Esc closes the window as its close box does, with whatever question its closing asks. Only a
// key no control of the window used reaches it, and never a window it owns, unlike a shortcut,
// which an owned tool window would share.
void closeOnEscape(QWidget *window);
