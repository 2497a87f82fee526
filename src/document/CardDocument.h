#pragma once
// The card as the user designs it: every setting of the back, the front and the print, the
// fonts and colours, both pictures and the front text's place. A plain value: copying it is
// cheap (the pictures are shared), and "unchanged since saved" is a comparison. The window
// binds its controls to it, the design file keeps it, and the cores render from it.
#include "CardPicture.h"
#include "addresses/AddressList.h"
#include "back/AreaStyles.h"
#include "back/CardBack.h"
#include "front/FrontComposer.h"
#include "geometry/PagePlacement.h"
#include "geometry/SheetLayout.h"
#include "gfx/TColor.h"

#include <QFont>
#include <QString>
#include <vector>

// The most photos a front takes for a run: each is held decoded for the card while the design
// is open.
constexpr int MaxFrontPhotos = 50;

struct CardDocument {
    // The Text/Image page: the texts as typed, line breaks as "\n".
    QString title;
    QString description;
    QString verticalText; // CreatedByMemo, between the letter half and the address half
    QString stamp;
    QString lowerLeftText;
    QString address;
    QString postalBarCodeText;
    QString postCardText;
    AddressLines addressLines = AddressLines::Lines;
    AddressSeparator addressSeparator = AddressSeparator::VerticalText;
    StampBorder stampBorder = StampBorder::Stamp;
    PostalBarCodeBox postalBarCodeBox = PostalBarCodeBox::Yes;
    LowerLeftCorner lowerLeftCorner = LowerLeftCorner::Image;
    PostCardCaption postCard = PostCardCaption::Yes;
    SharedPicture corner; // none: the corner has no picture chosen
    // A list of addresses: with one, the typed address item prints each of its addresses on a
    // card of its own, with the columns chosen for the lines; the first cards of the first
    // sheet before `startCard` (1 to the cards a sheet holds) are left blank.
    SharedAddressList addresses;
    AddressColumns addressColumns;
    int startCard = 1;

    // The Text Setup page: which areas a font or colour goes to, and each area's own.
    AreaArray<bool, AreaCount> ticked{};
    AreaStyleArray AreaStyleTable;

    // The PostCard Front page.
    SharedPicture front;
    // The photos after `front` when the user chose several: card k of a run shows photo k, the
    // photos starting over when the run has more cards. Empty with one photo or none.
    std::vector<SharedPicture> morePhotos;
    QString frontText;
    int imageSize = 100; // percent of the fitted size
    int imageHOffset = 50;
    int imageVOffset = 50;
    FrontTextPicker picker = FrontTextPicker::Current;
    QFont FrontFont;
    TColor FrontTextColour = TColors::Black;
    int FrontTextX = 20;
    int FrontTextY = 400;
    // The user picked the text's place on the preview; until then a front turned on its side
    // starts its upward text near the card's lower left corner.
    bool FrontTextPicked = false;

    // The Print page.
    Layout layout = Layout::LandscapeLandscape;
    int copies = 1;
    int imageAdjust = 0;     // sheet pixels the backs move right
    int imageAdjustDown = 0; // and down
    SheetTurn turn = SheetTurn::Book;

    bool operator==(const CardDocument&) const = default;

    // Whether the backs print the list's addresses, one a card.
    bool printsAddressList() const { return addresses && addressLines == AddressLines::Text; }
    // The list's addresses that have more than a name, each as its card shows it.
    QStringList listAddresses() const;
    // The card with `address` as its typed address.
    CardDocument withAddress(const QString& address) const;

    // The corner picture counts as chosen while it has a file.
    bool cornerChosen() const { return corner && !corner->fileName.isEmpty(); }
    bool hasFrontPicture() const { return front && !front->image.isNull(); }
    // The front's photos: none, the one, or the several of a run.
    int photoCount() const { return front ? 1 + int(morePhotos.size()) : 0; }
    // The card with photo `k` (of photoCount()) as its only front photo.
    CardDocument withPhoto(int k) const;
    // The pictures' files and images, empty while there are none; the corner's image is the
    // cream square of a corner with none chosen.
    QString cornerFile() const { return corner ? corner->fileName : QString(); }
    QImage cornerImage() const;
    QString frontFile() const { return front ? front->fileName : QString(); }
    QImage frontImage() const { return front ? front->image : QImage(); }
    QSize frontSize() const { return front ? front->size : QSize(); }
    bool frontTurned() const { return front && front->turned; }
    // The card's size in sheet pixels, as the layout makes it.
    QSize sheetSize() const { return cardSizeOf(layout); }
    QPoint nudge() const { return {imageAdjust, imageAdjustDown}; }
    // How the user turns the sheet between the two pages: Book or Calendar.
    SheetTurn sheetTurn() const
    {
        return turn == SheetTurn::Calendar ? SheetTurn::Calendar : SheetTurn::Book;
    }
};

// The card as the program starts: the texts and choices of a new card, the default styles and
// front font.
CardDocument defaultCardDocument();
