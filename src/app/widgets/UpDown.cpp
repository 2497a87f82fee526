#include "UpDown.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

UpDown::UpDown(QWidget* parent)
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this))
{
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    up_->setAccessibleName(tr("Up"));
    down_->setAccessibleName(tr("Down"));
    for (QToolButton* b : {up_, down_}) {
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoRepeat(true);
        b->setIconSize(QSize(7, 5));
    }
    setFocusPolicy(Qt::TabFocus);
    connect(up_, &QToolButton::clicked, this, [this] { click(true); });
    connect(down_, &QToolButton::clicked, this, [this] { click(false); });
}

void UpDown::setMinimum(int v)
{
    min_ = v;
    setPosition(position_);
}

void UpDown::setMaximum(int v)
{
    max_ = v;
    setPosition(position_);
}

void UpDown::setPosition(int v)
{
    const int was = position_;
    position_ = qBound(min_, v, qMax(min_, max_));
    writeAssociate();
    if (position_ != was)
        emit positionChanged(position_);
}

void UpDown::setAssociate(QLineEdit* edit)
{
    if (edit_)
        edit_->removeEventFilter(this);
    edit_ = edit;
    if (edit_) {
        edit_->installEventFilter(this);
        writeAssociate();
    }
}

void UpDown::click(bool up)
{
    if (!isEnabled())
        return;
    // A number typed into the edit is where the arrow starts from.
    bool typed = false;
    const int value = edit_ ? edit_->text().trimmed().toInt(&typed) : 0;
    if (typed)
        position_ = qBound(min_, value, qMax(min_, max_));
    setPosition(position_ + (up ? 1 : -1));
    emit clicked(up);
}

void UpDown::writeAssociate()
{
    if (edit_)
        edit_->setText(QString::number(position_));
}

bool UpDown::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == edit_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            click(key == Qt::Key_Up);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void UpDown::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)
        click(event->key() == Qt::Key_Up);
    else
        QWidget::keyPressEvent(event);
}

void UpDown::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
}

void UpDown::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        up_->setEnabled(isEnabled());
        down_->setEnabled(isEnabled());
    }
}
