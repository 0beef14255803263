#include "app/Prompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace {

QMessageBox::StandardButtons buttonsOf(int style)
{
    switch (style & 7) {
    case Prompts::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case Prompts::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Prompts::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    default:
        return QMessageBox::Ok;
    }
}

QMessageBox::Icon iconOf(int style)
{
    switch (style & 0x70) {
    case Prompts::Critical:
        return QMessageBox::Critical;
    case Prompts::Question:
        return QMessageBox::Question;
    case Prompts::Exclamation:
        return QMessageBox::Warning;
    case Prompts::Information:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

int answerOf(int button)
{
    switch (button) {
    case QMessageBox::Cancel:
        return Prompts::Cancel;
    case QMessageBox::Yes:
        return Prompts::Yes;
    case QMessageBox::No:
        return Prompts::No;
    default:
        return Prompts::Ok;
    }
}

} // namespace

int DialogPrompts::messageBox(QWidget *parent, const QString &text, int style)
{
    QMessageBox box(iconOf(style), MessageTitle, text, buttonsOf(style), parent);
    return answerOf(box.exec());
}

QString DialogPrompts::openFileName(QWidget *parent, const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, QString(), QString(), filter);
}

QString DialogPrompts::saveFileName(QWidget *parent, const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, QString(), QString(), filter);
}

void DialogPrompts::endProcess()
{
    QCoreApplication::exit(0);
}
