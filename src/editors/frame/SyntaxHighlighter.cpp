#include "editors/frame/SyntaxHighlighter.h"

#include "editors/frame/SyntaxColours.h"

#include <QEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

#include <algorithm>

namespace {

// A line's user state holds the state it leaves, and this flag once it has its colours.
constexpr int Coloured = 4;

int stateLeftBy(const QTextBlock &block)
{
    return block.isValid() && block.userState() > 0 ? block.userState() & ~Coloured : PlainState;
}

} // namespace

SyntaxHighlighter::SyntaxHighlighter(SyntaxLanguage language, QPlainTextEdit *textArea)
    : QObject(textArea), textArea_(textArea), document_(textArea->document()), language_(language)
{
    takeFormats(textArea->palette());
    followLines(document_->begin(), document_->characterCount());
    connect(document_, &QTextDocument::contentsChange, this, &SyntaxHighlighter::followEdit);
    textArea->installEventFilter(this);
    textArea->viewport()->installEventFilter(this);
    textArea->viewport()->update();
}

SyntaxHighlighter::~SyntaxHighlighter()
{
    if (!document_)
        return;
    for (QTextBlock block = document_->begin(); block.isValid(); block = block.next()) {
        if (block.userState() > 0 && block.userState() & Coloured)
            block.layout()->clearFormats();
        block.setUserState(-1);
    }
    document_->markContentsDirty(0, document_->characterCount());
}

bool SyntaxHighlighter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint && watched == textArea_->viewport()) {
        colourShownLines(0, document_->characterCount());
    } else if (event->type() == QEvent::PaletteChange && watched == textArea_ &&
               takeFormats(textArea_->palette())) {
        forgetColours();
        textArea_->viewport()->update();
    }
    return false;
}

bool SyntaxHighlighter::takeFormats(const QPalette &palette)
{
    bool changed = false;
    for (std::size_t kind = 0; kind < formats_.size(); ++kind) {
        const QTextCharFormat format = syntaxFormat(SyntaxKind(kind), palette);
        changed = changed || format != formats_[kind];
        formats_[kind] = format;
    }
    return changed;
}

void SyntaxHighlighter::followLines(QTextBlock block, int end)
{
    bool stateChanged = false;
    while (block.isValid() && (block.position() < end || stateChanged)) {
        const int before = block.userState();
        int state = stateLeftBy(block.previous());
        // A console script's lines leave no state: they need no reading until shown.
        if (language_ == SyntaxLanguage::Python)
            syntaxSpans(language_, block.text(), state);
        block.setUserState(state);
        stateChanged = (before & ~Coloured) != state;
        block = block.next();
    }
}

void SyntaxHighlighter::followEdit(int position, int removed, int added)
{
    const QTextBlock last = document_->findBlock(position + added + (removed > 0 ? 1 : 0));
    followLines(document_->findBlock(position),
                last.isValid() ? last.position() + last.length() : document_->characterCount());
    // The text area may lay the edited lines out before it next paints (to keep the cursor in
    // view), so those it shows get their colours now.
    colourShownLines(position, position + added);
}

// Runs before the text area paints. The lines a screen above and below those shown are coloured
// too, so that lines scrolled into view already have their formats when first laid out: a line
// whose formats change after that is laid out again. The text area's scroll bar counts lines.
void SyntaxHighlighter::colourShownLines(int from, int to)
{
    const int shown = textArea_->viewport()->height() / textArea_->fontMetrics().lineSpacing() + 1;
    const int top = textArea_->verticalScrollBar()->value();
    QTextBlock block = document_->findBlockByLineNumber(std::max(top - shown, 0));
    int first = -1;
    int end = -1;
    for (int line = 0; line < 3 * shown && block.isValid(); ++line, block = block.next()) {
        if ((block.userState() > 0 && block.userState() & Coloured) ||
            block.position() + block.length() <= from || block.position() > to)
            continue;
        int state = stateLeftBy(block.previous());
        QList<QTextLayout::FormatRange> ranges;
        for (const SyntaxSpan &span : syntaxSpans(language_, block.text(), state))
            ranges.append({span.start, span.length, formats_[std::size_t(span.kind)]});
        block.layout()->setFormats(ranges);
        block.setUserState(state | Coloured);
        first = first < 0 ? block.position() : first;
        end = block.position() + block.length();
    }
    // The document keeps the lines whose formats changed until it is told: untold, it would
    // report them along with the next edit.
    if (first >= 0)
        document_->markContentsDirty(first, end - first);
}

void SyntaxHighlighter::forgetColours()
{
    for (QTextBlock block = document_->begin(); block.isValid(); block = block.next())
        block.setUserState(stateLeftBy(block));
}
