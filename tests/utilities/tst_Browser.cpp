#include "utilities/info/EmbeddedBrowser.h"

#include <QDesktopServices>
#include <QWebEngineView>
#include <QtTest>

// The forum's browser from the real module; the desktop's browser is a stand-in that records.
class tst_Browser : public QObject {
    Q_OBJECT
    QList<QUrl> opened_;

public slots:
    void open(const QUrl &url) { opened_ << url; }

private slots:
    // Only https:// links to the forum's host stay inside; other web links and new windows go out.
    void keepsToTheForumsSite()
    {
        for (const char *scheme : {"https", "http"})
            QDesktopServices::setUrlHandler(scheme, this, "open");
        const QUrl forum("https://forum.orvanthe.example/vantrax");
        const QStringList links =
            QString("https://forum.orvanthe.example/vantrax/topic https://elsewhere.example/ "
                    "http://forum.orvanthe.example/ file:///etc/hostname data:text/html,data "
                    "https://forum.orvanthe.example/new")
                .split(' ');
        QString page = "<body style='margin:0'>";
        for (const QString &link : links)
            page += QString("<a href='%1' style='display:block;height:20px'%2>link</a>")
                        .arg(link, link.endsWith("new") ? " target='_blank'" : "");
        QWidget window;
        QString error;
        auto *view = qobject_cast<QWebEngineView *>(createEmbeddedBrowser(&window, forum, &error));
        QVERIFY2(view, qPrintable(error));
        view->resize(400, 200);
        window.show();
        QSignalSpy loaded(view, &QWebEngineView::loadFinished);
        view->setHtml(page, forum);
        QTRY_COMPARE(loaded.count(), 1);
        // Clicks reach the page only once it has been drawn: the first link shows on white.
        const auto drawn = [view] {
            const QImage shot = view->grab().toImage();
            for (int y = 0; y < 20; ++y)
                for (int x = 0; x < 40; ++x)
                    if (shot.pixelColor(x, y) != QColor(Qt::white))
                        return true;
            return false;
        };
        QTRY_VERIFY(drawn());
        for (int link = 1; link < links.size(); ++link)
            QTest::mouseClick(view->focusProxy(), Qt::LeftButton, {}, QPoint(10, 20 * link + 10));
        QTRY_COMPARE(opened_, QList<QUrl>({links[1], links[2], links[5]}));
        QTest::mouseClick(view->focusProxy(), Qt::LeftButton, {}, QPoint(10, 10));
        QTRY_COMPARE(view->url(), QUrl(links[0]));
        QCOMPARE(opened_.size(), 3);
    }
};

QTEST_MAIN(tst_Browser)
#include "tst_Browser.moc"
