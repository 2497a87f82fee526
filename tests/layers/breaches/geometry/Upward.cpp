#include "back/CardBack.h"
#include <QtPrintSupport/QPrinter>
