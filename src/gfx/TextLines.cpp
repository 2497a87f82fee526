#include "TextLines.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>

namespace
{

// A line is laid out from a window of the text past its start: at first this many characters,
// or twice the last line's length and this margin. The window grows until the line ends this
// many characters short of its end, so that what lies beyond cannot change where it breaks.
constexpr int LineWindowChars = 64;
constexpr int LineWindowMargin = 16;

// The first line of `text` from `start`, as a QTextLayout at `width` breaks it: its length.
int lineLength(const QString& text, int start, int& window, const QFont& font,
               const QTextOption& option, qreal width)
{
    for (;;) {
        const int end = int(std::min<qsizetype>(text.size(), qsizetype(start) + window));
        QTextLayout layout(text.mid(start, end - start), font);
        layout.setTextOption(option);
        layout.beginLayout();
        QTextLine line = layout.createLine();
        line.setLineWidth(width);
        const int length = std::max(1, line.textLength());
        layout.endLayout();
        if (end == text.size() || start + length + LineWindowMargin <= end)
            return length;
        window *= 2;
    }
}

} // namespace

QStringList displayedLines(const QString& text, const TextBox& box, int maxLines)
{
    // The lines are broken as a memo's document breaks them (its font, options and width), one
    // line at a time and only as many as asked for: Qt's layout of the whole document measures
    // a long word to its end for every line it breaks, and took seconds for a word of 100,000
    // letters. The document only splits the text into blocks and finds each one's direction.
    QTextDocument doc;
    doc.setDefaultFont(box.font);
    QTextOption defaultOption = doc.defaultTextOption();
    defaultOption.setAlignment(box.alignment);
    doc.setDefaultTextOption(defaultOption);
    doc.setPlainText(text);
    QStringList lines;
    bool cut = false; // lines were left out
    for (QTextBlock block = doc.begin(); block.isValid() && !cut; block = block.next()) {
        const QString blockText = block.text();
        QTextOption option = defaultOption;
        option.setTextDirection(block.textDirection());
        int start = 0;
        int window = LineWindowChars;
        do {
            if (lines.size() >= maxLines) {
                cut = true;
                break;
            }
            const int length = lineLength(blockText, start, window, box.font, option, box.width);
            QString part = blockText.mid(start, length);
            start += length;
            // A soft wrap keeps the breaking space at the end of the line: it is not drawn.
            if (start < blockText.size())
                while (part.endsWith(QLatin1Char(' ')))
                    part.chop(1);
            lines << part;
            window = std::max(LineWindowChars, 2 * length + LineWindowMargin);
        } while (start < blockText.size());
    }
    if (!cut && !lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}
