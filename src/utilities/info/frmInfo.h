#pragma once

#include <QWidget>

class Application;
class QLabel;

// The editor info window: the forum's address, and the forum's page in a browser below it that
// keeps to the forum. The browser comes and goes with the window, so its engine starts only when
// someone opens it, and every opening starts again from the forum's start page.
class frmInfo : public QWidget {
    Q_OBJECT
public:
    explicit frmInfo(Application &app);

    QLabel *Label1;
    // The web view (a QWebEngineView). In its place, when the browser module cannot be loaded, a
    // line saying why; when the program runs as root, a line saying why and the forum's address
    // as a link for the desktop's browser.
    QWidget *wb;

public slots:
    void Form_Load();

private:
    QWidget *browser_ = nullptr;
};
