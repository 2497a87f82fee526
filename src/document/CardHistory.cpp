#include "CardHistory.h"

#include <QUndoCommand>

class CardStep : public QUndoCommand
{
public:
    CardStep(CardHistory& history, CardDocument before, CardDocument after, const QString& what,
             int mergeKey)
        : QUndoCommand(what), history_(history), before_(std::move(before)),
          after_(std::move(after)), mergeKey_(mergeKey)
    {
    }

    int id() const override { return mergeKey_; }

    void undo() override
    {
        open_ = false;
        history_.restore(before_);
    }

    void redo() override
    {
        // The first redo is the push of a change already made; a step redone is typed no more.
        if (pushed_) {
            open_ = false;
            history_.restore(after_);
        }
        pushed_ = true;
    }

    bool mergeWith(const QUndoCommand* other) override
    {
        if (!open_)
            return false;
        after_ = static_cast<const CardStep*>(other)->after_;
        // Typing that ends where it began is no step at all.
        setObsolete(after_ == before_);
        return true;
    }

    void close() { open_ = false; }

private:
    CardHistory& history_;
    CardDocument before_;
    CardDocument after_;
    int mergeKey_;
    bool open_ = true;
    bool pushed_ = false;
};

CardHistory::CardHistory(CardDocument card, QObject* parent)
    : QObject(parent), card_(std::move(card))
{
    stack_.setUndoLimit(StepLimit);
}

void CardHistory::change(const CardDocument& after, const QString& what, int mergeKey)
{
    if (after == card_)
        return;
    if (mergeKey < 0 || stack_.index() == 0 || stack_.command(stack_.index() - 1)->id() != mergeKey)
        closeStep();
    CardDocument before = std::exchange(card_, after);
    stack_.push(new CardStep(*this, std::move(before), after, what, mergeKey));
}

void CardHistory::closeStep()
{
    if (stack_.index() > 0)
        if (auto* top = const_cast<CardStep*>(
                static_cast<const CardStep*>(stack_.command(stack_.index() - 1))))
            top->close();
}

void CardHistory::reset(const CardDocument& card)
{
    stack_.clear();
    card_ = card;
}

void CardHistory::restore(const CardDocument& card)
{
    card_ = card;
    emit restored();
}
