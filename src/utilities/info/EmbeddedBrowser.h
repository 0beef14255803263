#pragma once

#include <QString>

class QWidget;

// A new web view (a QWebEngineView, navigated through its "url" property) from the browser
// module, which is loaded on first use from beside the program or from its library folder.
// Null, with the reason in `error`, when the module cannot be loaded.
QWidget *createEmbeddedBrowser(QWidget *parent, QString *error);
