// The least a Qt Widgets program does to show a window of the launcher's size. With
// "--with-text" it also shows one line of 24 pt text, which is what loads the font database.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare Window"));
    window.setFixedSize(800, 533);
    if (QCoreApplication::arguments().contains(QStringLiteral("--with-text"))) {
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
