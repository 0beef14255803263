// The embedded browser, built as a module of its own: the program loads it the first time a
// window asks for a browser, so Chromium's libraries cost nothing at start-up.
#include <QDesktopServices>
#include <QWebEngineView>

namespace {

bool isWeb(const QUrl &url)
{
    return url.scheme() == u"https" || url.scheme() == u"http";
}

// A page that stays on one site: it follows links only to https:// pages on its home's host. A
// link elsewhere on the web opens in the desktop's browser; one of any other kind (file:, data:,
// javascript:) is not followed. The program's own loads are not links and always go through.
class SitePage : public QWebEnginePage {
public:
    SitePage(const QUrl &home, QObject *parent) : QWebEnginePage(parent), host_(home.host()) {}

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override
    {
        if (type == NavigationTypeTyped || (url.scheme() == u"https" && url.host() == host_))
            return true;
        if (isMainFrame && isWeb(url))
            QDesktopServices::openUrl(url);
        return false;
    }

    // A link that asks for a window of its own opens in the desktop's browser: the page made for
    // it hands its first navigation on and goes.
    QWebEnginePage *createWindow(WebWindowType) override { return new ElsewherePage(this); }

private:
    class ElsewherePage : public QWebEnginePage {
    public:
        using QWebEnginePage::QWebEnginePage;

    protected:
        bool acceptNavigationRequest(const QUrl &url, NavigationType, bool) override
        {
            if (isWeb(url))
                QDesktopServices::openUrl(url);
            deleteLater();
            return false;
        }
    };

    QString host_;
};

} // namespace

// A web view that keeps to `home`'s site; the caller loads `home` through the "url" property.
extern "C" Q_DECL_EXPORT QWidget *vantraxCreateBrowser(QWidget *parent, const QUrl &home)
{
    auto *view = new QWebEngineView(parent);
    view->setPage(new SitePage(home, view));
    return view;
}
