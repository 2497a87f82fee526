#include "ImageBox.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>

namespace
{

// The local files a drag carries; empty when it carries none (text, a web address).
QStringList localFiles(const QMimeData* data)
{
    QStringList files;
    if (!data || !data->hasUrls())
        return files;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile() && !url.toLocalFile().isEmpty())
            files << url.toLocalFile();
    return files;
}

} // namespace

ImageBox::ImageBox(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void ImageBox::setCanvas(const QImage& image)
{
    canvas_ = image;
    update();
}

void ImageBox::ensureCanvas(int w, int h, const QColor& fill)
{
    if (canvas_.width() >= w && canvas_.height() >= h && canvas_.format() == QImage::Format_RGB32)
        return;
    QImage grown(qMax(w, canvas_.width()), qMax(h, canvas_.height()), QImage::Format_RGB32);
    grown.fill(fill);
    if (!canvas_.isNull()) {
        QPainter p(&grown);
        p.drawImage(QPoint(0, 0), canvas_);
    }
    canvas_ = grown;
    update();
}

void ImageBox::paintEvent(QPaintEvent*)
{
    if (canvas_.isNull())
        return;
    QPainter p(this);
    p.drawImage(QPoint(0, 0), canvas_);
}

void ImageBox::mousePressEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::LeftButton)
        leftDown_ = true;
    emit mousePressed(event->button(), event->modifiers(), pos.x(), pos.y());
    QWidget::mousePressEvent(event);
}

void ImageBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && leftDown_) {
        leftDown_ = false;
        if (rect().contains(event->position().toPoint()))
            emit clicked();
    }
    QWidget::mouseReleaseEvent(event);
}

void ImageBox::acceptFileDrops(bool accept)
{
    setAcceptDrops(accept);
}

void ImageBox::dragEnterEvent(QDragEnterEvent* event)
{
    if (!localFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void ImageBox::dragMoveEvent(QDragMoveEvent* event)
{
    if (!localFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void ImageBox::dropEvent(QDropEvent* event)
{
    const QStringList files = localFiles(event->mimeData());
    if (files.isEmpty())
        return;
    event->acceptProposedAction();
    emit filesDropped(files);
}
