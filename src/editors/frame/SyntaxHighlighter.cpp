#include "editors/frame/SyntaxHighlighter.h"

#include "editors/frame/SyntaxColours.h"

#include <QPalette>
#include <QTextBlock>
#include <QTextLayout>

SyntaxHighlighter::SyntaxHighlighter(SyntaxLanguage language, const QPalette &palette,
                                     QTextDocument *document)
    : QObject(document), document_(document), language_(language)
{
    takeFormats(palette);
    colourAll();
    connect(document, &QTextDocument::contentsChange, this, &SyntaxHighlighter::followEdit);
}

SyntaxHighlighter::~SyntaxHighlighter()
{
    if (!document_)
        return;
    for (QTextBlock block = document_->begin(); block.isValid(); block = block.next()) {
        block.layout()->clearFormats();
        block.setUserState(-1);
    }
    document_->markContentsDirty(0, document_->characterCount());
}

void SyntaxHighlighter::setPalette(const QPalette &palette)
{
    if (takeFormats(palette))
        colourAll();
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

// Formats set outside an edit reach the text area's layout when it is told of them: once for the
// whole text, not once per line.
void SyntaxHighlighter::colourAll()
{
    int state = PlainState;
    for (QTextBlock block = document_->begin(); block.isValid(); block = block.next()) {
        colour(block, state);
        state = block.userState();
    }
    document_->markContentsDirty(0, document_->characterCount());
}

// Called while the document reports an edit: the lines coloured are added to the edit's range,
// which the document then takes to its layout.
void SyntaxHighlighter::followEdit(int position, int removed, int added)
{
    QTextBlock block = document_->findBlock(position);
    if (!block.isValid())
        return;
    const int from = block.position();
    const QTextBlock last = document_->findBlock(position + added + (removed > 0 ? 1 : 0));
    const int end = last.isValid() ? last.position() + last.length() : document_->characterCount();
    bool stateChanged = false;
    while (block.isValid() && (block.position() < end || stateChanged)) {
        const int before = block.userState();
        const QTextBlock previous = block.previous();
        colour(block, previous.isValid() ? previous.userState() : PlainState);
        stateChanged = block.userState() != before;
        block = block.next();
    }
    const int to = block.isValid() ? block.position() : document_->characterCount();
    document_->markContentsDirty(from, to - from);
}

void SyntaxHighlighter::colour(QTextBlock block, int state)
{
    QTextLayout *layout = block.layout();
    // Text an input method is composing shows inside the line with formats of its own; they stay,
    // and the line's own characters after it move along.
    const int composedAt = layout->preeditAreaPosition();
    const int composed = int(layout->preeditAreaText().size());
    QList<QTextLayout::FormatRange> ranges;
    if (composed > 0) {
        for (const QTextLayout::FormatRange &range : layout->formats()) {
            if (range.start >= composedAt && range.start + range.length <= composedAt + composed)
                ranges.append(range);
        }
    }
    for (const SyntaxSpan &span : syntaxSpans(language_, block.text(), state)) {
        const int start = composed > 0 && span.start >= composedAt ? span.start + composed : span.start;
        ranges.append({start, span.length, formats_[std::size_t(span.kind)]});
    }
    layout->setFormats(ranges);
    block.setUserState(state);
}
