#include "utilities/info/EmbeddedBrowser.h"

// Qt WebEngine is not built for Windows here: the forum always opens in the desktop's browser.
QWidget *createEmbeddedBrowser(QWidget *, const QUrl &, QString *error)
{
    *error = embeddedBrowserWithheld();
    return nullptr;
}

QString embeddedBrowserWithheld()
{
    return QStringLiteral("The forum opens in your browser:");
}
