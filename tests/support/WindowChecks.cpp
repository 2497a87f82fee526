#include "WindowChecks.h"

#include <QApplication>
#include <gtest/gtest.h>

std::vector<QWidget*> printControls(const TForm1& form)
{
    const Ui::TForm1& ui = form.ui;
    return {ui.PrinterSetupButton,
            ui.Label2,
            ui.Label3,
            ui.CopiesEdit,
            ui.CopiesUpDown,
            ui.PrintImageAdjustEdit,
            ui.PrintImageAdjustUpDown,
            ui.PrintImageVAdjustLabel,
            ui.PrintImageVAdjustEdit,
            ui.PrintImageVAdjustUpDown,
            ui.PreviewButton,
            ui.PrintButton,
            ui.ExitButton,
            ui.TypeOfDeckRadioGroup,
            ui.SheetTurnRadioGroup};
}

void expectReadyToPrint(const TForm1& form)
{
    for (const QWidget* w : printControls(form))
        EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}
