// The card front: composing, picking and the delayed refresh.
#include "TForm1.h"

void TForm1::PrepareFrontPreview()
{
    ui.FrontImage->resize(400, 300);
    ui.FrontImage->setCanvas(QImage());
    ui.FrontImage->ensureCanvas(400, 300, Qt::white);
    ui.FrontImage->resize(300, 200);
}

void TForm1::FrontImageRefresh(QObject*) {}
void TForm1::OpenPopupClick(QObject*) {}
void TForm1::FrontImageClick(QObject*) {}
void TForm1::DeletePopupClick(QObject*) {}
void TForm1::ImageSizeUpDownClick(QObject*, bool) {}
void TForm1::ImageHOffsetUpDownClick(QObject*, bool) {}
void TForm1::ImageVOffsetUpDownClick(QObject*, bool) {}
void TForm1::FrontImageTimerTimer(QObject*) {}
void TForm1::SelectFontButtonClick(QObject*) {}
void TForm1::FrontSelectColorButtonClick(QObject*) {}
void TForm1::FrontImageMouseDown(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
