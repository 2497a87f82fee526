#pragma once
// The lines of a text as a memo shows them, laid out without any widget: an explicit break and
// the memo's own word wrap both start a line, and an empty last line is not counted. The window
// and the command line wrap the card's texts with this one function, so that both print the
// same lines.
#include <QFont>
#include <QStringList>
#include <Qt>
#include <limits>

// A memo's text area: the font it shows its text in, the width its lines may take (its
// viewport less the document's margins) and how its lines are aligned.
struct TextBox {
    QFont font;
    qreal width = 0;
    Qt::Alignment alignment = Qt::AlignLeft;
};

// The lines of `text` in `box`. Only the first `maxLines` are laid out, in time that grows with
// their length, whatever the text holds.
QStringList displayedLines(const QString& text, const TextBox& box,
                           int maxLines = std::numeric_limits<int>::max());
