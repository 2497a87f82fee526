#pragma once
// The window's controls whose state a design keeps, by the key each has in the design file.
// To keep a new control: add its line to designControls() with the format version that first
// writes it (and raise DesignFormat's minor version when that is a new one), then bind the key
// to the control in src/app/TForm1Design.cpp. A test fails while a control of the window is in
// neither list.
#include <QString>
#include <vector>

struct DesignVersion {
    int major = 0;
    int minor = 0;
    auto operator<=>(const DesignVersion&) const = default;
    QString text() const { return QStringLiteral("%1.%2").arg(major).arg(minor); }
};

// The format this program writes. A file of a newer minor version opens (what it adds is
// ignored); a newer major version is refused.
constexpr DesignVersion DesignFormat{1, 3};

enum class SettingKind {
    Text,   // a string: a memo's or an edit's text
    Choice, // a radio group's item index, from minimum (-1: none) to maximum
    Number, // a spinner's position, from minimum to maximum
    Flag,   // a check box's tick
};

struct ControlSetting {
    QString section; // the JSON object the setting sits in: "back", "textSetup", "front", "print"
    QString name;
    SettingKind kind;
    int minimum = 0;
    int maximum = 0;
    DesignVersion since{1, 0}; // files of older versions lack it: the window's default is taken

    QString key() const { return section + QLatin1Char('.') + name; }
};

const std::vector<ControlSetting>& designControls();
