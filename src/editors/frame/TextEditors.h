#pragma once

#include <QList>

class Application;
class TextEditorWindow;

// The whole-text editors, in the order the program goes through them (asking about unsaved text
// before it ends, showing a restored file anew).
enum class TextEditorKind { BotNames, Score, Tweak };

// The open whole-text editors, in the order of their kinds. A window closed through the window
// registry counts as gone at once.
QList<TextEditorWindow *> openTextEditors(Application &app);
// The open editor of the kind, or one opened as its launcher entry opens it (which loads its
// file); null when it could not be opened.
TextEditorWindow *textEditor(Application &app, TextEditorKind kind);
