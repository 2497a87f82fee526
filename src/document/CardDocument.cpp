#include "CardDocument.h"

#include "back/CornerImage.h"

#include <QCoreApplication>

CardDocument defaultCardDocument()
{
    // The texts a new card shows, in the program's language, each the user's to replace.
    CardDocument card;
    card.title = QCoreApplication::translate("CardDocument", "TITLE TEXT");
    card.description = QCoreApplication::translate("CardDocument", "Descriptive Text");
    card.verticalText =
        QCoreApplication::translate("CardDocument", "CreatedBy Text (Vertical Text)");
    card.stamp = QCoreApplication::translate("CardDocument", "PLACE\n\nSTAMP\n\nHERE");
    card.lowerLeftText = QCoreApplication::translate("CardDocument", "Lower Left Text");
    card.postalBarCodeText =
        QCoreApplication::translate("CardDocument", "PLEASE DO NOT WRITE BELOW THIS LINE");
    card.postCardText = QCoreApplication::translate("CardDocument", "PostCard");
    loadDefaultAreaStyles(card.AreaStyleTable);
    card.FrontFont = QFont(QStringLiteral("Times New Roman"));
    card.FrontFont.setPixelSize(64);
    card.FrontFont.setBold(true);
    return card;
}

QImage CardDocument::cornerImage() const
{
    return corner ? corner->image : newCornerImage();
}

QStringList CardDocument::listAddresses() const
{
    QStringList out;
    if (!addresses)
        return out;
    for (const QStringList& record : addresses->records)
        if (hasAddress(record, addressColumns))
            out << addressText(record, addressColumns);
    return out;
}

CardDocument CardDocument::withAddress(const QString& text) const
{
    CardDocument card = *this;
    card.address = text;
    return card;
}

CardDocument CardDocument::withPhoto(int k) const
{
    CardDocument card = *this;
    if (k > 0 && k <= int(morePhotos.size()))
        card.front = morePhotos[std::size_t(k - 1)];
    card.morePhotos.clear();
    return card;
}
