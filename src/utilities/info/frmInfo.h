#pragma once

#include <QWidget>

class Application;
class QLabel;

// The editor info window: the forum's address, and the forum's page in a browser below it. The
// browser comes and goes with the window, so its engine starts only when someone opens it, and
// every opening starts again from the forum's start page.
class frmInfo : public QWidget {
    Q_OBJECT
public:
    explicit frmInfo(Application &app);

    QLabel *Label1;
    // The web view (a QWebEngineView); in its place, a line saying why, when the browser module
    // cannot be loaded.
    QWidget *wb;

public slots:
    void Form_Load();
};
