#pragma once

#include <QString>
#include <QUrl>

class QWidget;

// A new web view (a QWebEngineView, navigated through its "url" property) that keeps to
// `home`'s site: it follows links only to https:// pages on that host, opens other web links
// (and those asking for a window of their own) in the desktop's browser, and follows no other
// kind. It comes from the browser module, loaded on first use from beside the program or from
// its library folder. Null, with the reason in `error`, when the module cannot be loaded.
QWidget *createEmbeddedBrowser(QWidget *parent, const QUrl &home, QString *error);

// Why no embedded browser is made here, to be said above the forum's address as a link for the
// desktop's browser; empty where one is made.
QString embeddedBrowserWithheld();
