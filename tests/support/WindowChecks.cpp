#include "WindowChecks.h"
#include "support/WindowControls.h"

#include <QApplication>
#include <gtest/gtest.h>

std::vector<QWidget*> printControls(const TForm1& form)
{
    return {findControl<QPushButton>(form, "PrinterSetupButton"),
            findControl<QLabel>(form, "Label2"),
            findControl<QLabel>(form, "Label3"),
            findControl<QLineEdit>(form, "CopiesEdit"),
            findControl<UpDown>(form, "CopiesUpDown"),
            findControl<QLineEdit>(form, "PrintImageAdjustEdit"),
            findControl<UpDown>(form, "PrintImageAdjustUpDown"),
            findControl<QLabel>(form, "PrintImageVAdjustLabel"),
            findControl<QLineEdit>(form, "PrintImageVAdjustEdit"),
            findControl<UpDown>(form, "PrintImageVAdjustUpDown"),
            findControl<QPushButton>(form, "PreviewButton"),
            findControl<QPushButton>(form, "PrintButton"),
            findControl<QPushButton>(form, "ExitButton"),
            findControl<RadioGroup>(form, "TypeOfDeckRadioGroup"),
            findControl<RadioGroup>(form, "SheetTurnRadioGroup")};
}

void expectReadyToPrint(const TForm1& form)
{
    for (const QWidget* w : printControls(form))
        EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}
