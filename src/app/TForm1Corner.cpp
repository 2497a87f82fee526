// The lower-left corner picture and its preview box.
#include "TForm1.h"

#include <QPainter>

void TForm1::CreateCornerImage()
{
    CornerImage = QImage(300, 300, QImage::Format_RGB32);
    CornerImage.fill(fromTColor(TColors::Cream));
    QPainter p(&ui.PostCardBackImage->canvas());
    p.drawImage(QRect(0, 0, 116, 116), CornerImage);
    ui.PostCardBackImage->update();
}

void TForm1::PostCardBackImageClick(QObject*) {}

void TForm1::OpenImage1Click(QObject* Sender)
{
    PostCardBackImageClick(Sender);
}

void TForm1::DeleteImageClick(QObject*) {}
