#include "utilities/info/EmbeddedBrowser.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QOpenGLContext>

#include <unistd.h>

QT_BEGIN_NAMESPACE
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext *context);
QT_END_NAMESPACE

namespace {

// The browser shows Chromium's frames through an OpenGL context shared with its own. Qt makes
// that shared context at start-up when asked to (Qt::AA_ShareOpenGLContexts), which loads the
// OpenGL driver into every start; the launcher draws without OpenGL, so the context is made
// here instead, the first time a browser is needed, before the browser's libraries load.
void makeSharedOpenGLContext()
{
    if (QOpenGLContext::globalShareContext())
        return;
    // Kept even when the platform has no OpenGL: the browser then renders in software, but
    // expects the context to exist.
    auto *context = new QOpenGLContext(QCoreApplication::instance());
    context->create();
    qt_gl_set_global_share_context(context);
}

} // namespace

QWidget *createEmbeddedBrowser(QWidget *parent, const QUrl &home, QString *error)
{
    using Factory = QWidget *(*)(QWidget *, const QUrl &);
    static Factory factory = nullptr;
    if (!factory) {
        makeSharedOpenGLContext();
        const QString programFolder = QCoreApplication::applicationDirPath();
        QString reasons;
        for (const QString &folder :
             {programFolder, programFolder + QStringLiteral("/" VANTRAX_BROWSER_FOLDER)}) {
            QLibrary module(folder + QStringLiteral("/vantrax-browser"));
            factory = reinterpret_cast<Factory>(module.resolve("vantraxCreateBrowser"));
            if (factory)
                break;
            reasons += u'\n' + module.errorString();
        }
        if (!factory) {
            *error = QStringLiteral("The browser module could not be loaded:") + reasons;
            return nullptr;
        }
    }
    return factory(parent, home);
}

// Chromium's sandbox does not start as root, and without it a web page would run with root's
// rights.
QString embeddedBrowserWithheld()
{
    return geteuid() == 0 ? QStringLiteral("Vantrax Editor runs as root, so the forum is not shown here, "
                                           "where its pages would have root's rights. Open it in your "
                                           "browser:")
                          : QString();
}
