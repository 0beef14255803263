// The embedded browser, built as a module of its own: the program loads it the first time a
// window asks for a browser, so Chromium's libraries cost nothing at start-up.
#include <QWebEngineView>

extern "C" Q_DECL_EXPORT QWidget *vantraxCreateBrowser(QWidget *parent)
{
    return new QWebEngineView(parent);
}
