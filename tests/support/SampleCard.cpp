#include "SampleCard.h"

#include <algorithm>

CardBackInput defaultCardBack()
{
    CardBackInput in;
    AreaStyleArray table;
    loadDefaultAreaStyles(table);
    std::copy_n(table.begin(), AreaCount, in.styles.begin());
    in.titleLines = {QStringLiteral("TITLE TEXT")};
    in.descLines = {QStringLiteral("Descriptive Text")};
    in.lowerLeftLines = {QStringLiteral("Lower Left Text")};
    in.createdByLines = {QStringLiteral("CreatedBy Text (Vertical Text)")};
    in.stampLines = {QStringLiteral("PLACE"), QString(), QStringLiteral("STAMP"), QString(),
                     QStringLiteral("HERE")};
    in.postalBarCodeText = QStringLiteral("PLEASE DO NOT WRITE BELOW THIS LINE");
    in.postCardText = QStringLiteral("PostCard");
    return in;
}
