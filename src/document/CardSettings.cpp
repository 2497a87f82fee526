#include "CardSettings.h"

#include "CardDocument.h"

namespace
{

CardSetting text(const char* section, const char* name, const char* control, const char* what,
                 QString CardDocument::*field)
{
    return {QLatin1String(section),
            QLatin1String(name),
            SettingKind::Text,
            0,
            0,
            {1, 0},
            QLatin1String(control),
            what,
            [field](const CardDocument& d) { return SettingValue(d.*field); },
            [field](CardDocument& d, const SettingValue& v) { d.*field = std::get<QString>(v); }};
}

// -1 is a group with no item chosen: no user can leave one so, but a file saved so must open.
template <typename Enum>
CardSetting choice(const char* section, const char* name, int items, const char* control,
                   const char* what, Enum CardDocument::*field, DesignVersion since = {1, 0})
{
    return {QLatin1String(section),
            QLatin1String(name),
            SettingKind::Choice,
            -1,
            items - 1,
            since,
            QLatin1String(control),
            what,
            [field](const CardDocument& d) { return SettingValue(int(d.*field)); },
            [field](CardDocument& d, const SettingValue& v) { d.*field = Enum(std::get<int>(v)); }};
}

CardSetting number(const char* section, const char* name, int minimum, int maximum,
                   const char* control, const char* what, int CardDocument::*field,
                   DesignVersion since = {1, 0})
{
    return {QLatin1String(section),
            QLatin1String(name),
            SettingKind::Number,
            minimum,
            maximum,
            since,
            QLatin1String(control),
            what,
            [field](const CardDocument& d) { return SettingValue(d.*field); },
            [field](CardDocument& d, const SettingValue& v) { d.*field = std::get<int>(v); }};
}

CardSetting flag(const char* name, const char* control, const char* what, Area area)
{
    return {QStringLiteral("textSetup"),
            QLatin1String(name),
            SettingKind::Flag,
            0,
            1,
            {1, 0},
            QLatin1String(control),
            what,
            [area](const CardDocument& d) { return SettingValue(d.ticked[area]); },
            [area](CardDocument& d, const SettingValue& v) { d.ticked[area] = std::get<bool>(v); }};
}

// The four layouts of the choice by item; any other layout shows no item chosen, and the
// design file keeps it apart ("print.otherLayout").
CardSetting layoutChoice()
{
    CardSetting setting =
        choice("print", "layout", 4, "TypeOfDeckRadioGroup", "Layout", &CardDocument::layout);
    setting.get = [](const CardDocument& d) {
        return SettingValue(isFirstLayout(d.layout) ? int(d.layout) : -1);
    };
    return setting;
}

} // namespace

const std::vector<CardSetting>& cardSettings()
{
    using D = CardDocument;
    static const std::vector<CardSetting> settings = {
        // The Text/Image page.
        text("back", "title", "TitleMemo", "Title", &D::title),
        text("back", "description", "DescMemo", "Descriptive Text", &D::description),
        text("back", "verticalText", "CreatedByMemo", "Vertical Text", &D::verticalText),
        text("back", "stamp", "StampMemo", "Stamp Text", &D::stamp),
        text("back", "lowerLeftText", "LowerLeftTextMemo", "Lower Left Text", &D::lowerLeftText),
        text("back", "address", "AddressMemo", "Address", &D::address),
        text("back", "postalBarCodeText", "PostalBarCodeEdit", "Postal Bar Code Text",
             &D::postalBarCodeText),
        text("back", "postCardText", "PostCardEdit", "PostCard Text", &D::postCardText),
        choice("back", "addressLines", 3, "AddressLinesRadioGroup", "Address Lines",
               &D::addressLines),
        choice("back", "addressSeparator", 4, "AddressSeperatorRadioGroup", "Address Seperator",
               &D::addressSeparator),
        choice("back", "stampBorder", 4, "StampBorderRadioGroup", "Stamp Border", &D::stampBorder),
        choice("back", "postalBarCodeBox", 2, "PostalBarCodeBoxRadioGroup", "Postal Bar Code Box",
               &D::postalBarCodeBox),
        choice("back", "lowerLeftCorner", 3, "LowerLeftCornerRadioGroup", "Lower Left Corner",
               &D::lowerLeftCorner),
        choice("back", "postCard", 2, "PostCardRadioGroup", "PostCard Caption", &D::postCard),
        // The ticks of the Text Setup page, top to bottom.
        flag("title", "TitleCheckBox", "Title Tick", Area::Title),
        flag("descriptive", "DescriptiveCheckBox", "Descriptive Text Tick", Area::Descriptive),
        flag("lowerLeftText", "LowerLeftTextCheckBox", "Lower Left Text Tick", Area::LowerLeftText),
        flag("addressSeparator", "AddressVerticalTextCheckBox", "Address Seperator Tick",
             Area::Separator),
        flag("stampBorder", "StampBorderTextCheckBox", "Stamp Border Tick", Area::Stamp),
        flag("postCard", "PostCardCheckBox", "PostCard Tick", Area::PostCard),
        flag("addressLines", "AddressLinesCheckBox", "Address Lines Tick", Area::Address),
        flag("postalBarCode", "PostalBarCodeCheckBox", "Postal Bar Code Tick", Area::PostalBarCode),
        // The PostCard Front page.
        text("front", "text", "FrontMemo", "Front Text", &D::frontText),
        number("front", "size", 1, 200, "ImageSizeUpDown", "Image Size", &D::imageSize),
        number("front", "horizontalOffset", 0, 100, "ImageHOffsetUpDown", "Horizontal Offset",
               &D::imageHOffset),
        number("front", "verticalOffset", 0, 100, "ImageVOffsetUpDown", "Vertical Offset",
               &D::imageVOffset),
        choice("front", "picker", 3, "FrontTextAtRadioGroup", "Front Text Picker", &D::picker),
        // The Print page.
        layoutChoice(),
        number("print", "copies", 1, 4, "CopiesUpDown", "Number of Copies", &D::copies),
        number("print", "imageAdjust", -50, 50, "PrintImageAdjustUpDown", "Print Image Adjust",
               &D::imageAdjust),
        number("print", "imageAdjustDown", -50, 50, "PrintImageVAdjustUpDown",
               "Print Image Adjust Down", &D::imageAdjustDown, {1, 1}),
        choice("print", "turn", 2, "SheetTurnRadioGroup", "Sheet Turn", &D::turn, {1, 2}),
    };
    return settings;
}

const CardSetting* cardSetting(const QString& key)
{
    for (const CardSetting& s : cardSettings())
        if (s.key() == key)
            return &s;
    return nullptr;
}
