#include "editors/frame/TextArea.h"

#include <QPaintEvent>
#include <QPainter>
#include <QTextBlock>

#include <algorithm>

// The margin is a child of the text area beside its viewport; the text area paints it.
class LineNumberMargin : public QWidget {
public:
    explicit LineNumberMargin(TextArea *area) : QWidget(area), area_(area)
    {
        setObjectName(QStringLiteral("lineNumbers"));
        setAccessibleName(QStringLiteral("Line numbers"));
    }

protected:
    void paintEvent(QPaintEvent *event) override { area_->paintMargin(event); }

private:
    TextArea *area_;
};

namespace {

// Room on both sides of the numbers, in pixels.
constexpr int Padding = 4;

} // namespace

TextArea::TextArea(QWidget *parent) : QPlainTextEdit(parent), margin_(new LineNumberMargin(this))
{
    connect(this, &QPlainTextEdit::blockCountChanged, this, [this] {
        placeMargin();
        describeMargin();
    });
    connect(this, &QPlainTextEdit::updateRequest, this, &TextArea::followUpdate);
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, &TextArea::followCaret);
    placeMargin();
    describeMargin();
}

void TextArea::reserveLines(qsizetype lines)
{
    reservedLines_ = lines;
}

void TextArea::setLineNumbersShown(bool shown)
{
    margin_->setVisible(shown);
    placeMargin();
}

bool TextArea::lineNumbersShown() const
{
    return !margin_->isHidden();
}

int TextArea::caretLine() const
{
    return textCursor().blockNumber() + 1;
}

int TextArea::lineCount() const
{
    return blockCount();
}

void TextArea::goToLine(int line)
{
    const QTextBlock block = document()->findBlockByNumber(qBound(1, line, blockCount()) - 1);
    QTextCursor cursor(block);
    setTextCursor(cursor);
    ensureCursorVisible();
}

int TextArea::marginWidth() const
{
    int digits = 1;
    for (qsizetype count = std::max<qsizetype>(blockCount(), reservedLines_); count >= 10; count /= 10)
        ++digits;
    // Bold for the caret's line: the widest a number gets.
    QFont bold = font();
    bold.setBold(true);
    return 2 * Padding + QFontMetrics(bold).horizontalAdvance(QString(qMax(digits, 2), u'9'));
}

void TextArea::placeMargin()
{
    const int width = lineNumbersShown() ? marginWidth() : 0;
    if (width != viewportMargins().left())
        setViewportMargins(width, 0, 0, 0);
    const QRect contents = contentsRect();
    margin_->setGeometry(contents.left(), contents.top(), width, viewport()->height());
}

void TextArea::resizeEvent(QResizeEvent *event)
{
    QPlainTextEdit::resizeEvent(event);
    placeMargin();
}

void TextArea::changeEvent(QEvent *event)
{
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        placeMargin();
}

// Scrolling moves the numbers with the text; any other repaint of the text repaints their band.
void TextArea::followUpdate(const QRect &rect, int dy)
{
    if (margin_->isHidden())
        return;
    if (dy)
        margin_->scroll(0, dy);
    else
        margin_->update(0, rect.y(), margin_->width(), rect.height());
}

void TextArea::followCaret()
{
    const int line = caretLine();
    if (line == markedLine_)
        return;
    markedLine_ = line;
    margin_->update();
    describeMargin();
}

void TextArea::describeMargin()
{
    margin_->setAccessibleDescription(QStringLiteral("Line %1 of %2").arg(caretLine()).arg(blockCount()));
}

void TextArea::paintMargin(QPaintEvent *event)
{
    QPainter painter(margin_);
    const QPalette colours = palette();
    painter.fillRect(event->rect(), colours.color(QPalette::Window));
    QFont plain = font();
    QFont bold = plain;
    bold.setBold(true);
    const int caretBlock = textCursor().blockNumber();
    const int right = margin_->width() - Padding;

    QTextBlock block = firstVisibleBlock();
    qreal top = blockBoundingGeometry(block).translated(contentOffset()).top();
    while (block.isValid() && top <= event->rect().bottom()) {
        const qreal height = blockBoundingRect(block).height();
        if (block.isVisible() && top + height >= event->rect().top()) {
            // The number stands beside the block's first line, however many lines it wraps into.
            const int lineHeight = block.layout()->lineCount() > 0
                                       ? qRound(block.layout()->lineAt(0).height())
                                       : painter.fontMetrics().height();
            const QRect row(0, qRound(top), margin_->width(), lineHeight);
            const bool caret = block.blockNumber() == caretBlock;
            if (caret)
                painter.fillRect(row, colours.color(QPalette::Highlight));
            painter.setFont(caret ? bold : plain);
            painter.setPen(colours.color(caret ? QPalette::HighlightedText : QPalette::WindowText));
            painter.drawText(row.adjusted(0, 0, right - row.width(), 0), Qt::AlignRight | Qt::AlignVCenter,
                             QString::number(block.blockNumber() + 1));
        }
        block = block.next();
        top += height;
    }
}
