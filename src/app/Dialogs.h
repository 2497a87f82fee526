#pragma once
// Every standard dialog and message box the handlers use goes through this seam, so tests can
// answer them. Filters are written "Description|*.a;*.b" as the window describes them.
#include "addresses/AddressList.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QWidget;

struct FileDialogSettings {
    QString title; // empty: the platform's default title
    QString filter;
    QString defaultExt;
    QString initialDir;
    QString fileName; // the dialog's current file name
};

enum class DialogAnswer { Yes, No, Cancel };

// What the address list's dialog chooses: the columns of each line and the first card of the
// first sheet to print on (1 to `cardsPerSheet`).
struct AddressChoice {
    AddressColumns columns;
    int startCard = 1;
    int cardsPerSheet = 1;
};

class Dialogs
{
public:
    virtual ~Dialogs() = default;

    // Open and save dialogs with a picture preview. Empty optional on cancel.
    virtual std::optional<QString> openPicture(const FileDialogSettings& settings) = 0;
    virtual std::optional<QString> savePicture(const FileDialogSettings& settings) = 0;
    // The open dialog taking several pictures at once, in the order listed.
    virtual std::optional<QStringList> openPictures(const FileDialogSettings& settings)
    {
        if (const std::optional<QString> one = openPicture(settings))
            return QStringList{*one};
        return std::nullopt;
    }

    // Open and save dialogs without a preview, for design files; the save dialog asks before it
    // replaces a file. Empty optional on cancel.
    virtual std::optional<QString> openFile(const FileDialogSettings& settings) = 0;
    virtual std::optional<QString> saveFile(const FileDialogSettings& settings) = 0;

    // Font dialog offering face, style and size only (no colour, underline or strike-out).
    virtual std::optional<QFont> chooseFont(const QFont& initial, bool scalableOnly) = 0;
    // Colour dialog with its custom-colour part shown.
    virtual std::optional<QColor> chooseColor(const QColor& initial) = 0;

    // The printer set-up dialog on the printer the program prints to; whether it was confirmed.
    virtual bool printerSetup() = 0;

    // A message box with an OK button, waiting until it is closed.
    virtual void message(const QString& text) = 0;
    // A message box with Yes and No buttons; true for Yes.
    virtual bool question(const QString& title, const QString& text) = 0;
    // A message box with Yes, No and Cancel buttons; closing it is Cancel.
    virtual DialogAnswer yesNoCancel(const QString& title, const QString& text) = 0;
    // The application's error box.
    virtual void error(const QString& text) = 0;
    // The error box with what the program found out beyond its sentence (a decoder's code, a
    // library's words) behind a details button; without a box for them, the sentence alone.
    virtual void errorWithDetails(const QString& text, const QString& /*details*/) { error(text); }

    // A box saying `text` while work runs, with a Cancel button, until `done` returns true;
    // false when the user pressed Cancel first. Without a box (the default) it waits to the end.
    virtual bool waitForWork(const QString& text, const std::function<bool()>& done);

    // The address list's columns for the lines of an address, shown as the list's first
    // address would print, and the start card. Empty optional on cancel. Without a dialog (the
    // default) the choice is taken as offered.
    virtual std::optional<AddressChoice> chooseAddressColumns(const AddressTable& list,
                                                              const AddressChoice& initial);
};
