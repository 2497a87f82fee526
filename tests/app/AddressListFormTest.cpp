// An address list through the window, as a user goes: Files > Address List..., the back
// preview stepping through the addresses, a print of several sheets cancelled at a sheet, and
// the list removed again.
#include "app/BackgroundWork.h"
#include "app/widgets/RadioGroup.h"
#include "support/FormFixture.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolButton>

namespace
{

class AddressListForm : public FormFixture
{
};

TEST_F(AddressListForm, OpenStepPrintCancelAndRemove)
{
    activate();
    pressContinue();
    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("friends.csv"));
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    // Windows-1252, semicolons, one without an address, five with one.
    file.write("Name;Stra\xDF"
               "e;PLZ;Ort\nAnna;A-Weg 1;1000;Wien\nBernd;B-Weg 2;2000;Graz\n"
               "Nur Name;;;\nCarla;C-Weg 3;3000;Linz\nDora;D-Weg 4;4000;Steyr\nEmil;E-Weg 5;5000;"
               "Wels\n");
    file.close();

    const QImage typed = form->state().BackSheetImage;
    dialogs.openFileAnswers.push_back(csv);
    findControl<QAction>(*form, "AddressListItem")->trigger();
    EXPECT_EQ(form->document().addressLines, AddressLines::Text);
    EXPECT_EQ(form->document().listAddresses().size(), 5);
    EXPECT_TRUE(dialogs.messages.last().contains(QStringLiteral("address: 1 contacts")))
        << dialogs.messages.last().toStdString();
    EXPECT_TRUE(findControl<QStatusBar>(*form, "StatusBar1")
                    ->currentMessage()
                    .contains(QStringLiteral("Windows-1252")));

    // The preview shows the list's addresses in turn, and says which.
    auto* label = findControl<QLabel>(*form, "AddressStepLabel");
    EXPECT_FALSE(findControl<QWidget>(*form, "AddressStepPanel")->isHidden());
    EXPECT_EQ(label->text(), QStringLiteral("Address 1 of 5"));
    const QImage first = form->state().BackSheetImage;
    EXPECT_NE(first, typed);
    findControl<QToolButton>(*form, "PreviousAddressButton")->click();
    EXPECT_EQ(label->text(), QStringLiteral("Address 5 of 5"));
    EXPECT_NE(form->state().BackSheetImage, first);

    // "4 on Sheet" from card 1: two sheets; Cancel in the wait box ends after one went out.
    findControl<QTabWidget>(*form, "PageControl2")->setCurrentIndex(0);
    setQuickWorkMs(0);
    dialogs.waitCancels.push_back(true);
    findControl<RadioGroup>(*form, "TypeOfDeckRadioGroup")->setItemIndex(int(Layout::FourOnSheet));
    EXPECT_EQ(printFromTab(false), 1);
    setQuickWorkMs(QuickWorkMs);
    EXPECT_EQ(printer.documentsEnded, 1);
    EXPECT_EQ(printer.documentsAborted, 0);
    EXPECT_TRUE(dialogs.messages.last().contains(QStringLiteral("of 2 sheets")))
        << dialogs.messages.last().toStdString();

    // Removed, the typed address prints again and the steps go.
    findControl<QAction>(*form, "RemoveAddressListItem")->trigger();
    EXPECT_FALSE(form->document().addresses);
    EXPECT_TRUE(findControl<QWidget>(*form, "AddressStepPanel")->isHidden());
}

} // namespace
