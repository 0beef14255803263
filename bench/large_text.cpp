// The tweak editor with large files, each figure beside its floor in the same run: loading (first
// screen and all text), the same content in ten long lines, memory, saving beside dd's synced
// write of the same bytes, and Find Next beside QString::indexOf, unchanged and after one edit.
// For the ten long lines also: the file's end shown after Ctrl+End, and the CPU the idle window
// takes with its caret blinking there, wrapped (as such a text opens) and unwrapped.
// The files have lines of 40 to 80 characters holding every byte value; the floor of a load is
// reading and decoding the file with its line-break conversion. Run by bench/large_text.sh on the
// offscreen platform; a size in megabytes as argument measures that size alone.
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
#include <QProcess>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QWindow>

#include <QAction>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <sys/resource.h>
#include <unistd.h>

namespace {

const QString Needle = QStringLiteral("omega_turret");

// Answers the file dialogs with the bench file and never shows anything.
class BenchPrompts : public Prompts {
public:
    QString file;
    int messageBox(QWidget *, const QString &text, int) override
    {
        std::fprintf(stderr, "unexpected message: %s\n", qPrintable(text));
        return Ok;
    }
    QString openFileName(QWidget *, const QString &) override { return file; }
    QString saveFileName(QWidget *, const QString &) override { return file; }
    int lineNumber(QWidget *, int, int) override { return 0; }
    void endProcess() override {}
};

double millisecondsOf(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e6;
}

// The best of three: a floor is what the work costs once its memory is the process's own.
double floorOf(const std::function<void()> &work)
{
    return std::min({millisecondsOf(work), millisecondsOf(work), millisecondsOf(work)});
}

qint64 residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    return statm.readAll().split(' ').value(1).toLongLong() * sysconf(_SC_PAGESIZE);
}

// Lines of 40 to 80 characters, CR LF ends, every byte value present; the needle near the end.
// With `lineCount`, the same characters in that many lines.
QByteArray tweakFile(qsizetype megabytes, int lineCount = 0)
{
    const qsizetype size = megabytes * 1024 * 1024;
    QByteArray file;
    file.reserve(size + 1024);
    quint32 seed = 7;
    const auto next = [&seed] { return seed = seed * 1664525u + 1013904223u; };
    const qsizetype lineLength = lineCount ? size / lineCount : 0;
    qsizetype inLine = 0, target = 40 + next() % 41;
    while (file.size() < size) {
        char byte = char(next() >> 24);
        if (byte == '\r' || byte == '\n')
            byte = char(next() % 95 + 32);
        file += byte;
        if (++inLine >= (lineCount ? lineLength : target)) {
            file += "\r\n";
            inLine = 0;
            target = 40 + next() % 41;
        }
    }
    return file + "\r\nObjectTemplate.setTurretSpinner Omega_Turret_Spinner\r\n";
}

// The share of one CPU the process takes while its event loop runs for two seconds.
double idleCpuPercent()
{
    const auto cpuMicroseconds = [] {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e6 + usage.ru_utime.tv_usec +
               usage.ru_stime.tv_usec;
    };
    constexpr int Milliseconds = 2000;
    const double before = cpuMicroseconds();
    QEventLoop loop;
    QTimer::singleShot(Milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
    return (cpuMicroseconds() - before) / (Milliseconds * 10.0);
}

// Ctrl+End and the screen drawn, then the idle CPU with the caret at the end.
struct AtTheEnd {
    double endMs, idlePercent;
};

AtTheEnd atTheEnd(frmTweak *editor)
{
    AtTheEnd figures{};
    figures.endMs = millisecondsOf([&] {
        editor->rtb->moveCursor(QTextCursor::End);
        editor->rtb->viewport()->repaint();
    });
    figures.idlePercent = idleCpuPercent();
    return figures;
}

struct Figures {
    double floorMs, firstScreenMs, loadMs, saveMs, ddMs, findMs, findEditedMs, indexOfMs;
    double loadedBytes, searchedBytes;
    AtTheEnd wrapped, unwrapped;
};

Figures measure(const QByteArray &bytes)
{
    QTemporaryDir dir;
    BenchPrompts prompts;
    prompts.file = dir.filePath(QStringLiteral("large.tweak"));
    QFile out(prompts.file);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) < 0)
        qFatal("cannot write the bench file");
    out.close();
    Figures f{};

    QString shown;
    f.floorMs = floorOf([&] { shown = editorTextFromFile(readWholeText(prompts.file).value()); });
    qsizetype plainAt = -1;
    f.indexOfMs = floorOf([&] { plainAt = shown.indexOf(Needle, 0, Qt::CaseInsensitive); });
    shown.clear();
    shown.squeeze();

    Application app(dir.filePath(QStringLiteral("program")), prompts);
    frmTweak *editor = app.windows().show<frmTweak>();
    // Until the window is exposed a repaint draws nothing, and the first screen would not be drawn.
    while (!editor->windowHandle()->isExposed())
        QCoreApplication::processEvents();
    const qint64 before = residentBytes();
    QElapsedTimer load;
    load.start();
    editor->mnuFileLoad_Click();
    editor->rtb->viewport()->repaint();
    f.firstScreenMs = load.nsecsElapsed() / 1e6;
    while (editor->rtb->isReadOnly())
        QCoreApplication::processEvents();
    f.loadMs = load.nsecsElapsed() / 1e6;
    f.loadedBytes = double(residentBytes() - before);
    // The caret blinks only in the active window's focused text area.
    editor->activateWindow();
    editor->rtb->setFocus();
    if (editor->mnuViewWrap->isChecked()) {
        f.wrapped = atTheEnd(editor);
        editor->mnuViewWrap->trigger();
        f.unwrapped = atTheEnd(editor);
        editor->mnuViewWrap->trigger();
    }

    // The floor of a save: the same bytes written by dd and synced to the disk.
    const QString copy = dir.filePath(QStringLiteral("copy"));
    f.ddMs = millisecondsOf([&] {
        QProcess::execute(QStringLiteral("dd"),
                          {"if=" + prompts.file, "of=" + copy, "bs=4M", "conv=fdatasync", "status=none"});
    });
    f.saveMs = millisecondsOf([&] { editor->mnuFileSave_Click(); });

    frmSearch *search = app.windows().show<frmSearch>(editor);
    search->Text1->setText(Needle);
    f.findMs = millisecondsOf([&] { search->Command1_Click(); });
    if (editor->rtb->textCursor().selectionStart() != plainAt)
        qFatal("Find Next found %d, the plain search %d", int(editor->rtb->textCursor().selectionStart()),
               int(plainAt));
    QTextCursor start(editor->rtb->document());
    start.insertText(QStringLiteral("x"));
    app.searchPositions().clear();
    f.findEditedMs = millisecondsOf([&] { search->Command1_Click(); });
    f.searchedBytes = double(residentBytes() - before);
    return f;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication qtApp(argc, argv);
    std::printf(
        "size | floor ms | first screen ms | all text: ms, x floor | long lines: ms, x floor | memory x "
        "file: loaded, saved+found | save: ms, x dd | Find Next x indexOf: unchanged, edited | long lines "
        "at the end, wrapped and not: ms, idle %% CPU\n");
    QList<qsizetype> sizes{1, 5, 10, 20, 40};
    if (argc > 1)
        sizes = {QByteArray(argv[1]).toLongLong()};
    for (const qsizetype megabytes : sizes) {
        const QByteArray lines = tweakFile(megabytes);
        const Figures f = measure(lines);
        const Figures l = measure(tweakFile(megabytes, 10));
        std::printf("%2lld MB | %7.1f | %6.1f | %8.1f %5.1fx | %8.1f %5.1fx | %5.1fx %5.1fx | %7.1f %4.1fx | "
                    "%4.2fx %5.2fx | %6.1f %5.1f%% %7.1f %5.1f%%\n",
                    static_cast<long long>(megabytes), f.floorMs, f.firstScreenMs, f.loadMs,
                    f.loadMs / f.floorMs, l.loadMs, l.loadMs / l.floorMs, f.loadedBytes / lines.size(),
                    f.searchedBytes / lines.size(), f.saveMs, f.saveMs / f.ddMs, f.findMs / f.indexOfMs,
                    f.findEditedMs / f.indexOfMs, l.wrapped.endMs, l.wrapped.idlePercent, l.unwrapped.endMs,
                    l.unwrapped.idlePercent);
        std::fflush(stdout);
    }
    return 0;
}
