#pragma once
// An up-down spinner attached to an edit: it keeps a position within its range, writes it into
// the edit and reports which arrow was pressed. Up and Down keys in the edit press the arrows.
#include <QWidget>

class QLineEdit;
class QToolButton;

class UpDown : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int minimum READ minimum WRITE setMinimum)
    Q_PROPERTY(int maximum READ maximum WRITE setMaximum)
    Q_PROPERTY(int position READ position WRITE setPosition)

public:
    explicit UpDown(QWidget* parent = nullptr);

    int minimum() const { return min_; }
    void setMinimum(int v);
    int maximum() const { return max_; }
    void setMaximum(int v);
    int position() const { return position_; }
    void setPosition(int v);
    void setAssociate(QLineEdit* edit);
    QLineEdit* associate() const { return edit_; }

    // Presses an arrow as a click would: moves the position and reports the click.
    void click(bool up);

signals:
    void clicked(bool up);
    // The position changed: by an arrow or by setPosition.
    void positionChanged(int position);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void writeAssociate();

    QToolButton* up_;
    QToolButton* down_;
    QLineEdit* edit_ = nullptr;
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
};
