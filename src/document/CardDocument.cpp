#include "CardDocument.h"

#include "back/CornerImage.h"

#include <QCoreApplication>

CardDocument defaultCardDocument()
{
    // The texts a new card shows, each the user's to replace: the window's own, in its
    // language.
    const auto tr = [](const char* text) { return QCoreApplication::translate("TForm1", text); };
    CardDocument card;
    card.title = tr("TITLE TEXT");
    card.description = tr("Descriptive Text");
    card.verticalText = tr("CreatedBy Text (Vertical Text)");
    card.stamp = tr("PLACE\n\nSTAMP\n\nHERE");
    card.lowerLeftText = tr("Lower Left Text");
    card.postalBarCodeText = tr("PLEASE DO NOT WRITE BELOW THIS LINE");
    card.postCardText = tr("PostCard");
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
