#include "RadioGroup.h"

#include <QKeyEvent>
#include <QRadioButton>
#include <QStyleOptionGroupBox>

namespace
{
constexpr int SideInset = 4;
constexpr int ItemHeight = 17;
} // namespace

RadioGroup::RadioGroup(QWidget* parent) : QGroupBox(parent)
{
    group_.setExclusive(true);
    installEventFilter(this); // a new font or style lays the items out again
    connect(&group_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked && id != index_) {
            index_ = id;
            updateTabStops();
            emit changed(id);
        }
    });
}

void RadioGroup::setItems(const QStringList& items)
{
    // The same items in another language (the form sets them again when it is translated, after
    // its choice): new captions on the same buttons, the choice kept.
    if (!items_.isEmpty() && items.size() == items_.size()) {
        items_ = items;
        for (int i = 0; i < items_.size(); ++i)
            group_.button(i)->setText(items_[i]);
        return;
    }
    for (QAbstractButton* b : group_.buttons()) {
        group_.removeButton(b);
        delete b;
    }
    items_ = items;
    for (int i = 0; i < items_.size(); ++i) {
        auto* b = new QRadioButton(items_[i], this);
        b->setObjectName(objectName() + QStringLiteral("_item%1").arg(i));
        group_.addButton(b, i);
        b->installEventFilter(this);
        b->show();
    }
    // Buttons made after the form's other controls (the form gives its items with its texts,
    // last) take the group's own place in the focus chain, as when they were made with it.
    const Qt::FocusPolicy own = focusPolicy();
    setFocusPolicy(Qt::TabFocus); // setTabOrder passes over a widget that takes no focus
    QWidget* previous = this;
    for (int i = 0; i < items_.size(); ++i) {
        QWidget::setTabOrder(previous, group_.button(i));
        previous = group_.button(i);
    }
    setFocusPolicy(own);
    if (index_ >= items_.size())
        index_ = -1;
    if (index_ >= 0)
        group_.button(index_)->setChecked(true);
    updateTabStops();
    arrange();
}

void RadioGroup::setColumns(int columns)
{
    columns_ = columns < 1 ? 1 : columns;
    arrange();
}

void RadioGroup::setItemIndex(int index)
{
    // A choice made before the items are there (the form sets its items last, with its texts)
    // is taken when they come.
    if (items_.isEmpty() && index >= -1) {
        index_ = index;
        return;
    }
    if (index < -1 || index >= items_.size() || index == index_)
        return;
    if (index == -1) {
        group_.setExclusive(false);
        group_.button(index_)->setChecked(false);
        group_.setExclusive(true);
        index_ = -1;
        updateTabStops();
        emit changed(-1);
        return;
    }
    group_.button(index)->setChecked(true); // idToggled records it and notifies
}

QAbstractButton* RadioGroup::button(int index) const
{
    return group_.button(index);
}

void RadioGroup::updateTabStops()
{
    const int stop = index_ >= 0 ? index_ : 0;
    for (QAbstractButton* b : group_.buttons())
        b->setFocusPolicy(group_.id(b) == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

bool RadioGroup::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == this &&
        (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange))
        arrange();
    if (event->type() == QEvent::KeyPress) {
        auto* button = qobject_cast<QAbstractButton*>(watched);
        const int key = static_cast<QKeyEvent*>(event)->key();
        const int step = (key == Qt::Key_Down || key == Qt::Key_Right) ? 1
                         : (key == Qt::Key_Up || key == Qt::Key_Left)  ? -1
                                                                       : 0;
        if (button && step != 0) {
            const int next = group_.id(button) + step;
            if (next >= 0 && next < items_.size()) {
                setItemIndex(next);
                group_.button(next)->setFocus(Qt::OtherFocusReason);
            }
            return true;
        }
    }
    return QGroupBox::eventFilter(watched, event);
}

void RadioGroup::resizeEvent(QResizeEvent* event)
{
    QGroupBox::resizeEvent(event);
    arrange();
}

void RadioGroup::arrange()
{
    const int count = int(items_.size());
    if (count == 0)
        return;
    // The items share the box's inside, below its caption, evenly in rows and columns.
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    const QRect inside =
        style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxContents, this);
    const int rows = (count + columns_ - 1) / columns_;
    const int columnWidth = (inside.width() - 2 * SideInset) / columns_;
    const int rowHeight = inside.height() / rows;
    for (int i = 0; i < count; ++i) {
        const int column = i / rows;
        const int row = i % rows;
        // An item of two lines takes their height; rows never overlap.
        const int h = qMin(rowHeight, qMax(ItemHeight, group_.button(i)->sizeHint().height()));
        group_.button(i)->setGeometry(inside.left() + SideInset + column * columnWidth,
                                      inside.top() + row * rowHeight + (rowHeight - h) / 2,
                                      columnWidth, h);
    }
}
