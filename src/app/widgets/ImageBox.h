#pragma once
// An image control with a drawing surface of its own: the surface is shown unscaled at the
// control's top-left corner and may be larger than the control.
#include <QImage>
#include <QWidget>

class ImageBox : public QWidget
{
    Q_OBJECT

public:
    explicit ImageBox(QWidget* parent = nullptr);

    QImage& canvas() { return canvas_; }
    const QImage& canvas() const { return canvas_; }
    // Replaces the surface (a built-in picture, for example).
    void setCanvas(const QImage& image);
    // Makes the surface at least w x h, keeping what is drawn, new parts in `fill`.
    void ensureCanvas(int w, int h, const QColor& fill = Qt::white);
    // Takes files dragged onto it (from a file manager, say): local files only, announced by
    // filesDropped. Off until asked for.
    void acceptFileDrops(bool accept);

signals:
    void clicked();
    void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    // The local files dropped on the box, in the order the drag gave them; never empty.
    void filesDropped(const QStringList& fileNames);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QImage canvas_;
    bool leftDown_ = false;
};
