#include "DesignSettings.h"

namespace
{

ControlSetting text(const char* section, const char* name)
{
    return {QLatin1String(section), QLatin1String(name), SettingKind::Text};
}

// -1 is a group with no item chosen: no user can leave one so, but a file saved so must open.
ControlSetting choice(const char* section, const char* name, int items,
                      DesignVersion since = {1, 0})
{
    return {QLatin1String(section), QLatin1String(name), SettingKind::Choice, -1, items - 1, since};
}

ControlSetting number(const char* section, const char* name, int minimum, int maximum,
                      DesignVersion since = {1, 0})
{
    return {
        QLatin1String(section), QLatin1String(name), SettingKind::Number, minimum, maximum, since};
}

ControlSetting flag(const char* section, const char* name)
{
    return {QLatin1String(section), QLatin1String(name), SettingKind::Flag, 0, 1};
}

} // namespace

const std::vector<ControlSetting>& designControls()
{
    static const std::vector<ControlSetting> settings = {
        // The Text/Image page.
        text("back", "title"),
        text("back", "description"),
        text("back", "verticalText"),
        text("back", "stamp"),
        text("back", "lowerLeftText"),
        text("back", "address"),
        text("back", "postalBarCodeText"),
        text("back", "postCardText"),
        choice("back", "addressLines", 3),
        choice("back", "addressSeparator", 4),
        choice("back", "stampBorder", 4),
        choice("back", "postalBarCodeBox", 2),
        choice("back", "lowerLeftCorner", 3),
        choice("back", "postCard", 2),
        // The ticks of the Text Setup page, top to bottom.
        flag("textSetup", "title"),
        flag("textSetup", "descriptive"),
        flag("textSetup", "lowerLeftText"),
        flag("textSetup", "addressSeparator"),
        flag("textSetup", "stampBorder"),
        flag("textSetup", "postCard"),
        flag("textSetup", "addressLines"),
        flag("textSetup", "postalBarCode"),
        // The PostCard Front page.
        text("front", "text"),
        number("front", "size", 1, 200),
        number("front", "horizontalOffset", 0, 100),
        number("front", "verticalOffset", 0, 100),
        choice("front", "picker", 3),
        // The Print page.
        choice("print", "layout", 4),
        number("print", "copies", 1, 4),
        number("print", "imageAdjust", -50, 50),
        number("print", "imageAdjustDown", -50, 50, {1, 1}),
        choice("print", "turn", 2, {1, 2}),
    };
    return settings;
}
