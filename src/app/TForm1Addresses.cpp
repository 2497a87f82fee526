// An address list: opened from the Files menu, its columns chosen, stepped through on the back
// preview, and printed one card an address.
#include "TForm1.h"
#include "ui_TForm1.h"

#include "BackgroundWork.h"
#include "StepPanel.h"
#include "WaitCursor.h"

#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>

namespace
{
// Where the steps sit on the back preview: over the strip below the address, clear of the
// address and the corner picture.
constexpr QRect AddressStepPlace(392, 372, 204, 24);
// How long the status bar says what was read.
constexpr int ListReadMessageMs = 15000;
} // namespace

void TForm1::createAddressControls()
{
    AddressListItem = new QAction(tr("&Address List..."), this);
    AddressListItem->setObjectName(QStringLiteral("AddressListItem"));
    AddressListItem->setProperty(
        "hint", tr("Prints a card for each address of a CSV or vCard list.|Opens a list of "
                   "addresses (CSV or vCard); the Address Lines item \"Text\" then prints each "
                   "address on a card of its own."));
    RemoveAddressListItem = new QAction(tr("&Remove Address List"), this);
    RemoveAddressListItem->setObjectName(QStringLiteral("RemoveAddressListItem"));
    RemoveAddressListItem->setProperty("hint",
                                       tr("Prints the typed address again instead of the list."));
    ui.FilesMenu->insertActions(ui.SaveImageAsItem, {AddressListItem, RemoveAddressListItem});
    ui.FilesMenu->insertSeparator(ui.SaveImageAsItem);
    RemoveAddressListItem->setEnabled(false);
    connect(ui.FilesMenu, &QMenu::aboutToShow, this,
            [this] { RemoveAddressListItem->setEnabled(bool(document().addresses)); });
    connect(AddressListItem, &QAction::triggered, this,
            [this] { guard([this] { AddressListItemClick(AddressListItem); }); });
    connect(RemoveAddressListItem, &QAction::triggered, this,
            [this] { guard([this] { RemoveAddressListItemClick(RemoveAddressListItem); }); });

    const StepPanel steps =
        makeStepPanel(ui.StandardTabSheet, AddressStepPlace,
                      {QStringLiteral("AddressStepPanel"), QStringLiteral("AddressStepLabel"),
                       QStringLiteral("PreviousAddressButton"), QStringLiteral("NextAddressButton"),
                       tr("Previous address"), tr("Next address")},
                      [this](QObject* button, int step) {
                          guard([&] { AddressStepButtonClick(button, step); });
                      });
    AddressStepPanel = steps.panel;
    AddressStepLabel = steps.label;
}

void TForm1::AddressListItemClick(QObject*)
{
    FileDialogSettings settings;
    settings.title = tr("Address List");
    settings.filter = tr("Address lists (*.csv;*.vcf;*.txt;*.tsv)|*.csv;*.vcf;*.txt;*.tsv|All "
                         "files (*)|*");
    settings.fileName = document().addresses ? document().addresses->fileName : QString();
    if (const auto fileName = dialogs().openFile(settings))
        openAddressList(*fileName);
}

void TForm1::openAddressList(const QString& fileName)
{
    // Read whole and checked before anything of the card changes.
    std::optional<AddressTable> read;
    {
        const WaitCursor wait;
        read = loadAddressList(fileName);
    }
    const SharedAddressList list(std::move(*read));
    const AddressChoice offered{list->defaults, document().startCard,
                                int(frontPageTiling(document().layout).at.size())};
    const auto choice = dialogs().chooseAddressColumns(*list, offered);
    if (!choice)
        return;
    CardDocument card = document();
    card.addresses = list;
    card.addressColumns = choice->columns;
    card.startCard = choice->startCard;
    card.addressLines = AddressLines::Text;
    shownAddress_ = 0;
    commit(card, tr("Address List"));
    const int count = int(card.listAddresses().size());
    QString said = tr("Addresses from \"%1\": %2").arg(QFileInfo(fileName).fileName()).arg(count);
    if (list->windows1252)
        said += tr("; its text is not UTF-8 and was read as Windows-1252");
    ui.StatusBar1->showMessage(said, ListReadMessageMs);
    const int leftOut = list->leftOut + int(list->records.size()) - count;
    if (leftOut > 0)
        dialogs().message(
            tr("Left out of the list, without an address: %1 contacts.").arg(leftOut));
    DrawPostCardBack(this, 1, 0, 0);
}

void TForm1::RemoveAddressListItemClick(QObject*)
{
    CardDocument card = document();
    card.addresses = {};
    card.addressColumns = {};
    commit(card, tr("Remove Address List"));
    DrawPostCardBack(this, 1, 0, 0);
}

void TForm1::AddressStepButtonClick(QObject*, int step)
{
    const int count = int(document().listAddresses().size());
    if (count == 0)
        return;
    shownAddress_ = (shownAddress_ + step + count) % count;
    DrawPostCardBack(this, 1, 0, 0);
}

CardDocument TForm1::shownCard() const
{
    if (!document().printsAddressList())
        return document();
    const QStringList addresses = document().listAddresses();
    if (addresses.isEmpty())
        return document().withAddress(QString());
    return document().withAddress(
        addresses[std::clamp(shownAddress_, 0, int(addresses.size()) - 1)]);
}

void TForm1::showAddressStep()
{
    if (!AddressStepPanel)
        return;
    const bool list = document().printsAddressList();
    RemoveAddressListItem->setEnabled(bool(document().addresses));
    AddressStepPanel->setVisible(list);
    if (!list)
        return;
    const int count = int(document().listAddresses().size());
    shownAddress_ = std::clamp(shownAddress_, 0, std::max(0, count - 1));
    AddressStepLabel->setText(tr("Address %1 of %2").arg(count ? shownAddress_ + 1 : 0).arg(count));
    AddressStepPanel->raise();
}

QString TForm1::sendRun(const PreparedPrint& print)
{
    const int sheets = print.run.sheets();
    if (sheets <= 1)
        return sendPrint(printer(), print);
    auto job = std::make_shared<BackgroundJob>();
    auto sent = std::make_shared<std::atomic<int>>(0);
    auto note = std::make_shared<QString>();
    PrinterDevice* device = &printer();
    startBackgroundWork(job, [device, print, job = job.get(), sent, note] {
        *note = sendPrint(*device, print, [job, sent](int done, int) {
            *sent = done;
            return !job->progress.cancel;
        });
    });
    if (waitForBackgroundWork(dialogs(), tr("Printing %1 sheets...").arg(sheets), job))
        return *note;
    // Cancelled: the run ends whole at the end of the sheet it is on.
    spinEventsUntil([&job] { return bool(job->done); });
    if (job->error)
        std::rethrow_exception(job->error);
    dialogs().message(tr("Printing was cancelled: %1 of %2 sheets went to the printer.")
                          .arg(int(*sent))
                          .arg(sheets));
    return *note;
}
