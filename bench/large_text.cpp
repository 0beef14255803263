// Loading, saving and searching a 20 MB tweak file in the tweak editor, beside reading and
// decoding the same file alone and a plain case-insensitive QString::indexOf over the same text.
// Run on the offscreen platform: bench/large_text.sh.
#include "app/Application.h"
#include "app/Prompts.h"
#include "core/TextFiles.h"
#include "editors/frame/EditorText.h"
#include "editors/tweak/frmTweak.h"
#include "utilities/search/frmSearch.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

namespace {

// Answers the open dialog with the bench file and never shows anything.
class BenchPrompts : public Prompts {
public:
    explicit BenchPrompts(QString file) : file_(std::move(file)) {}
    int messageBox(QWidget *, const QString &text, int) override
    {
        std::fprintf(stderr, "unexpected message: %s\n", qPrintable(text));
        return Ok;
    }
    QString openFileName(QWidget *, const QString &) override { return file_; }
    QString saveFileName(QWidget *, const QString &) override { return file_; }
    void endProcess() override {}

private:
    QString file_;
};

double millisecondsOf(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e6;
}

// Lines of a tweak file, repeated to the size, with the searched word once near the end.
QByteArray tweakFile(qsizetype megabytes)
{
    const QByteArray lines = "ObjectTemplate.activeSafe Engine ur_tank_Engine\r\n"
                             "ObjectTemplate.setTorque 45\r\n"
                             "ObjectTemplate.setDifferential 120\r\n"
                             "ObjectTemplate.gearUp 0.9\r\n";
    QByteArray file;
    file.reserve(megabytes * 1024 * 1024 + 1024);
    while (file.size() < megabytes * 1024 * 1024)
        file += lines;
    file += "ObjectTemplate.setTurretSpinner Omega_Turret_Spinner\r\n";
    file += lines;
    return file;
}

void measure(qsizetype megabytes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("large.tweak"));
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(tweakFile(megabytes)) < 0)
        qFatal("cannot write the bench file");
    out.close();

    BenchPrompts prompts(path);
    Application app(dir.filePath(QStringLiteral("program")), prompts);

    QString decoded;
    const double readMs = millisecondsOf([&] { decoded = readWholeText(path).value(); });
    // The plain search runs over the text as the editor holds it, one line break per line.
    const QString editorText = editorTextFromFile(decoded);
    qsizetype plainAt = -1;
    const double indexOfMs = millisecondsOf(
        [&] { plainAt = editorText.indexOf(QStringLiteral("omega_turret"), 0, Qt::CaseInsensitive); });

    frmTweak *editor = app.windows().show<frmTweak>();
    const double loadMs = millisecondsOf([&] {
        editor->mnuFileLoad_Click();
        QCoreApplication::processEvents();
    });
    const double saveMs = millisecondsOf([&] { editor->mnuFileSave_Click(); });

    frmSearch *search = app.windows().show<frmSearch>(editor);
    search->optTweak->setChecked(true);
    search->Text1->setText(QStringLiteral("omega_turret"));
    const double findMs = millisecondsOf([&] { search->Command1_Click(); });
    if (editor->rtb->textCursor().selectionStart() != plainAt)
        qFatal("Find Next found %d, the plain search %d", int(editor->rtb->textCursor().selectionStart()),
               int(plainAt));

    std::printf("%3lld MB: read+decode %7.1f ms | load into editor %8.1f ms | save %7.1f ms | "
                "Find Next %6.1f ms, plain indexOf %6.1f ms, ratio %.2fx\n",
                static_cast<long long>(megabytes), readMs, loadMs, saveMs, findMs, indexOfMs, findMs / indexOfMs);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication qtApp(argc, argv);
    // Two sizes, to show how each step grows with the text.
    for (const qsizetype megabytes : {5, 10, 20})
        measure(megabytes);
    return 0;
}
