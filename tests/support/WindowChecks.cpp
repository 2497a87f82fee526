#include "WindowChecks.h"

#include <QApplication>
#include <gtest/gtest.h>

void expectReadyToPrint(const TForm1& form)
{
    const Ui::TForm1& ui = form.ui;
    for (const QWidget* w : std::initializer_list<const QWidget*>{
             ui.PrinterSetupButton, ui.Label2, ui.Label3, ui.CopiesEdit, ui.CopiesUpDown,
             ui.PrintImageAdjustEdit, ui.PrintImageAdjustUpDown, ui.PreviewButton, ui.PrintButton,
             ui.ExitButton, ui.TypeOfDeckRadioGroup})
        EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}
