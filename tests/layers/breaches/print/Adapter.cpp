#include "PrinterDevice.h"
#include "app/TForm1.h"
#include "qtprinter/QtPrinterDevice.h"
#include <QPainter>
