// Sheet layouts, the printer's figures and the print commands.
#include "TForm1.h"

#include "print/PrinterDevice.h"

void TForm1::TypeOfDeckRadioGroupClick(QObject* Sender)
{
    ui.Panel1->show();
    SheetWidth = 1200;
    SheetHeight = 800;
    if (ui.TypeOfDeckRadioGroup->itemIndex() == 3) {
        SheetWidth = 1100;
        SheetHeight = 850;
    }
    FrontImageRefresh(Sender);
}

void TForm1::RefreshPrintPage()
{
    Metrics = ReadPrinterMetrics(printer());
    PrintPageImage = CreatePrintPage(Metrics, ui.PrintImageAdjustUpDown->position());
}

void TForm1::PrintButtonClick(QObject*) {}
void TForm1::PrinterSetupButtonClick(QObject*) {}
void TForm1::Page1(QObject*) {}
void TForm1::PrintPostCardBacks() {}
void TForm1::FrontPagePrint() {}
