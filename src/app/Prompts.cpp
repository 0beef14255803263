#include "app/Prompts.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QLabel>
#include <QMessageBox>
#include <QSpinBox>

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

int DialogPrompts::lineNumber(QWidget *parent, int current, int last)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("frmGoToLine"));
    dialog.setWindowTitle(QStringLiteral("Go to Line"));
    auto *line = new QSpinBox(&dialog);
    line->setObjectName(QStringLiteral("txtLine"));
    line->setRange(1, last);
    line->setValue(current);
    line->setAccessibleName(QStringLiteral("Line number"));
    line->setAccessibleDescription(QStringLiteral("1 to %1").arg(last));
    auto *caption = new QLabel(QStringLiteral("&Line number (1 to %1):").arg(last), &dialog);
    caption->setBuddy(line);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto *layout = new QFormLayout(&dialog);
    layout->addRow(caption, line);
    layout->addRow(buttons);
    // What is typed replaces the offered number.
    line->selectAll();
    return dialog.exec() == QDialog::Accepted ? line->value() : 0;
}

void DialogPrompts::endProcess()
{
    QCoreApplication::exit(0);
}
