// A stand-in browser module for the launcher's test, so that it starts no Chromium.
#include <QUrl>
#include <QWidget>

extern "C" Q_DECL_EXPORT QWidget *vantraxCreateBrowser(QWidget *parent, const QUrl &)
{
    return new QWidget(parent);
}
