#pragma once
// The one list of the card's settings that a control holds: its key in the design file, what
// kind of value it is and its range, the format version that first keeps it, the control that
// shows it, the name its undo step carries, and how it is read from and written to a document.
// The design file, the window's binding and the command line all go through it; nothing else
// lists the keys. To add a setting: a field in CardDocument, its line in cardSettings() (with
// the format version that first writes it; raise DesignFormat's minor version when that is a
// new one) and its control in the window's form.
#include <QString>
#include <functional>
#include <variant>
#include <vector>

struct CardDocument;

struct DesignVersion {
    int major = 0;
    int minor = 0;
    auto operator<=>(const DesignVersion&) const = default;
    QString text() const { return QStringLiteral("%1.%2").arg(major).arg(minor); }
};

// The design format this program writes. A file of a newer minor version opens (what it adds is
// ignored); a newer major version is refused.
constexpr DesignVersion DesignFormat{1, 5};

enum class SettingKind {
    Text,   // a memo's or an edit's text
    Choice, // a radio group's item index, from minimum (-1: none) to maximum
    Number, // a spinner's position, from minimum to maximum
    Flag,   // a check box's tick
};

using SettingValue = std::variant<bool, int, QString>;

struct CardSetting {
    QString section; // the JSON object the setting sits in: "back", "textSetup", "front", "print"
    QString name;
    SettingKind kind;
    int minimum = 0;
    int maximum = 0;
    DesignVersion since{1, 0}; // files of older versions lack it: the default card's is taken
    QString control;           // the object name of the window's control that shows it
    // What its undo step is called ("Undo Typing in Title"), translated in the "CardSettings"
    // context.
    const char* label = "";
    std::function<SettingValue(const CardDocument&)> get;
    std::function<void(CardDocument&, const SettingValue&)> set;

    QString key() const { return section + QLatin1Char('.') + name; }
};

const std::vector<CardSetting>& cardSettings();
// The setting of `key`, or null.
const CardSetting* cardSetting(const QString& key);
