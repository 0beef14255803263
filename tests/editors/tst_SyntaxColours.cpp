#include "editors/frame/SyntaxColours.h"
#include "editors/frame/SyntaxHighlighter.h"
#include "editors/frame/SyntaxRules.h"

#include <QtTest>
#include <QtWidgets>

namespace {

// A line's spans drawn under it, a character per character of the line: '#' comment, 'C' command,
// 'N' number, 'S' string, 'K' keyword, '@' score name, ' ' no colour. Spans that overlap or run
// out of order draw '!'.
QString drawn(const QList<SyntaxSpan> &spans, qsizetype width)
{
    QString marks(width, u' ');
    int end = 0;
    for (const SyntaxSpan &span : spans) {
        const QChar mark =
            span.start < end || span.start + span.length > width ? u'!' : u"#CNSK@"[int(span.kind)];
        for (int at = span.start; at < span.start + span.length && at < width; ++at)
            marks[at] = mark;
        end = span.start + span.length;
    }
    return marks;
}

QPalette textArea(const QColor &base, const QColor &text)
{
    QPalette palette;
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::Text, text);
    return palette;
}

} // namespace

class tst_SyntaxColours : public QObject {
    Q_OBJECT
private slots:
    void linesAreColouredByTheirLanguage_data()
    {
        QTest::addColumn<bool>("python");
        QTest::addColumn<int>("stateBefore");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("spans");
        QTest::addColumn<int>("stateAfter");
        // Each sample is a line and its spans drawn under it.
        const auto row = [](const char *tag, bool python, const QStringList &sample, int before = 0,
                            int after = 0) {
            QTest::newRow(tag) << python << before << sample[0] << sample[1] << after;
        };
        row("rem in any case", false,
            {"  REM rem comment \"not a string\" 12", "  #################################"});
        row("rem alone", false, {"rem", "###"});
        row("a word starting with rem", false, {"removeAll 2", "CCCCCCCCC N"});
        row("object.command", false,
            {"aiSettings.addBotName K. Vardanyan 2", "CCCCCCCCCCCCCCCCCCCCC              N"});
        row("run and echo", false, {"\trun Init.con v2 rem", " CCC                "});
        row("numbers", false,
            {"vars.set health -38 0.4 .5 +1 12abc 1.2.3", "CCCCCCCC        NNN NNN NN NN            "});
        row("vectors", false,
            {"ObjectTemplate.setPosition 0/0/24 1.5/-2/0 1//2 0/",
             "CCCCCCCCCCCCCCCCCCCCCCCCCC NNNNNN NNNNNNNN        "});
        row("strings", false,
            {"echo \"Hello 12\" x\"a\"\"b\" \"unclosed 5", "CCCC SSSSSSSSSS  SSSSSS SSSSSSSSSSS"});
        row("a lone CR's mark ends a word", false,
            {QString("aiSettings.setMaxNBots 16") + QChar(0x240D), "CCCCCCCCCCCCCCCCCCCCCC NN "});
        row("no command after a string", false, {"\"a\" run", "SSS    "});
        row("keywords", true,
            {"def init(): if x in (1, 2): return None", "KKK         KK   KK  N  N   KKKKKK KKKK"});
        row("comment", true, {"x = 1  # SCORE_KILL 'no string'", "    N  ########################"});
        row("strings", true,
            {"print('it\\'s', \"a#b\", r'\\d', f\"{x}\", '", "      SSSSSSS  SSSSS  SSSSS  SSSSSS  S"});
        row("numbers", true, {"x = 0x1F + 1.5e-3 + 10j + abc2 + .5", "    NNNN   NNNNNN   NNN          NN"});
        row("score names", true,
            {"SCORE_KILL = -3 + MAX_SCORE + SCORE_", "@@@@@@@@@@    N               @@@@@@"});
        row("a triple quote opens", true, {"\"\"\"Registers # the", "SSSSSSSSSSSSSSSSSS"}, 0, 2);
        row("and closes on a later line", true, {"handlers.\"\"\" if '''x'''", "SSSSSSSSSSSS KK SSSSSSS"}, 2,
            0);
        row("the other triple quote goes on", true, {"a \"\"\" b", "SSSSSSS"}, 1, 1);
        row("a triple quote left open", true, {"x = '''", "    SSS"}, 0, 1);
    }
    void linesAreColouredByTheirLanguage()
    {
        QFETCH(bool, python);
        QFETCH(int, stateBefore);
        QFETCH(QString, line);
        QFETCH(QString, spans);
        QFETCH(int, stateAfter);
        int state = stateBefore;
        const auto language = python ? SyntaxLanguage::Python : SyntaxLanguage::ConsoleScript;
        QCOMPARE(drawn(syntaxSpans(language, line, state), line.size()), spans);
        QCOMPARE(state, stateAfter);
    }

    // Every colour is readable on the text area's background and no two kinds look alike, on the
    // application's default palette (light) and a dark one (as qt6ct's "darker" scheme).
    void coloursKeepTheirContrast()
    {
        for (const QPalette &palette :
             {QApplication::palette(), textArea(QColor(0x2e2f30), QColor(0xd3d3d3))}) {
            QSet<QRgb> colours;
            for (int kind = 0; kind < 6; ++kind) {
                const QColor colour = syntaxFormat(SyntaxKind(kind), palette).foreground().color();
                QVERIFY2(contrastRatio(colour, palette.color(QPalette::Base)) >= 4.5,
                         qPrintable(colour.name()));
                colours.insert(colour.rgb());
            }
            QCOMPARE(colours.size(), 6);
        }
        QCOMPARE(contrastRatio(Qt::black, Qt::white), 21.0);
    }

    // The lines shown get their colours, in the text area's palette, also after an edit that
    // reaches into the lines after it (a string opened above); the text, its undo steps and its
    // modified flag are not touched, and colouring is no change the editor would have to follow,
    // nor part of the next edit's.
    void theHighlighterOnlyFormats()
    {
        const QString text = QStringLiteral("x = 1\nb = 2 # c");
        QPlainTextEdit edit(text);
        QTextDocument &document = *edit.document();
        const QPalette dark = textArea(QColor(0x2e2f30), QColor(0xd3d3d3));
        const auto colour = [&](SyntaxKind kind) {
            return syntaxFormat(kind, dark).foreground().color().name();
        };
        const auto spans = [&] {
            edit.grab();
            QStringList drawn;
            for (const QTextLayout::FormatRange &range : document.lastBlock().layout()->formats())
                drawn << QStringLiteral("%1+%2 ").arg(range.start).arg(range.length) +
                             range.format.foreground().color().name();
            return drawn.join(u' ');
        };
        QSignalSpy changes(&document, &QTextDocument::contentsChange);
        auto *highlighter = new SyntaxHighlighter(SyntaxLanguage::Python, &edit);
        edit.setPalette(dark);
        const QString before = "4+1 " + colour(SyntaxKind::Number) + " 6+3 " + colour(SyntaxKind::Comment);
        QCOMPARE(spans(), before);
        QVERIFY(!document.isModified() && !document.isUndoAvailable() && changes.isEmpty());
        QTextCursor(&document).insertText(QStringLiteral("'''"));
        QCOMPARE(changes.takeFirst(), QVariantList({0, 0, 3}));
        QCOMPARE(spans(), "0+9 " + colour(SyntaxKind::String));
        document.undo();
        QCOMPARE(spans(), before);
        changes.clear();
        delete highlighter;
        QCOMPARE(spans(), QString());
        QCOMPARE(document.toPlainText(), text);
        QVERIFY(changes.isEmpty());
    }
};

QTEST_MAIN(tst_SyntaxColours)
#include "tst_SyntaxColours.moc"
