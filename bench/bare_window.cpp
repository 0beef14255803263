// The least a Qt Widgets program does to show a window of the launcher's size. With
// "--with-picture <file>" it also draws that picture and one line of 24 pt text on it, the
// launcher's own work without anything of the program.
#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QWidget>

class Window : public QWidget {
public:
    QPixmap picture;

protected:
    void paintEvent(QPaintEvent *) override
    {
        if (!picture.isNull())
            QPainter(this).drawPixmap(0, 0, picture);
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Window window;
    window.setWindowTitle(QStringLiteral("Bare Window"));
    window.setFixedSize(800, 533);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 2 && arguments.at(1) == QStringLiteral("--with-picture")) {
        window.picture = QPixmap(arguments.at(2));
        auto *label = new QLabel(QStringLiteral("Change Bot Names"), &window);
        QFont font = label->font();
        font.setPointSize(24);
        label->setFont(font);
        label->move(16, 16);
        label->adjustSize();
    }
    window.show();
    return QApplication::exec();
}
