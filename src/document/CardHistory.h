#pragma once
// The card's undo history: one document now, and a stack of steps, each the card before and
// after one change of the user's. The pictures are shared between the steps, so a long history
// with a large photo holds the photo once.
#include "CardDocument.h"

#include <QObject>
#include <QUndoStack>

class CardHistory : public QObject
{
    Q_OBJECT

public:
    // The steps kept: enough for any session, and a bound on what a long one holds.
    static constexpr int StepLimit = 1000;

    explicit CardHistory(CardDocument card = defaultCardDocument(), QObject* parent = nullptr);

    const CardDocument& card() const { return card_; }

    // Makes `after` the card, as one step called `what`. A change with the `mergeKey` of the
    // step before it (typing in one field) joins that step until closeStep(); -1 never joins.
    // A change to the card as it is adds no step.
    void change(const CardDocument& after, const QString& what, int mergeKey = -1);
    // Ends the step being typed: the next change starts a step of its own (a pause in typing,
    // another field).
    void closeStep();
    // Starts a new history from `card` (a design opened, a new card).
    void reset(const CardDocument& card);

    QUndoStack& stack() { return stack_; }
    void undo() { stack_.undo(); }
    void redo() { stack_.redo(); }

signals:
    // The card changed by an undo or a redo (not by change() or reset()).
    void restored();

private:
    friend class CardStep;
    void restore(const CardDocument& card);

    CardDocument card_;
    QUndoStack stack_;
};
