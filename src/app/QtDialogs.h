#pragma once
#include "Dialogs.h"

class QtPrinterDevice;

// Dialogs on Qt's standard dialogs, parented to the main window. The printer set-up dialog works
// on the real printer object the window prints to, so it is handed over here, whole.
class QtDialogs : public Dialogs
{
public:
    explicit QtDialogs(QtPrinterDevice& printer, QWidget* parent = nullptr)
        : printer_(printer), parent_(parent)
    {
    }
    void setParent(QWidget* parent) { parent_ = parent; }

    std::optional<QString> openPicture(const FileDialogSettings& settings) override;
    std::optional<QStringList> openPictures(const FileDialogSettings& settings) override;
    std::optional<QString> savePicture(const FileDialogSettings& settings) override;
    std::optional<QString> openFile(const FileDialogSettings& settings) override;
    std::optional<QString> saveFile(const FileDialogSettings& settings) override;
    std::optional<QFont> chooseFont(const QFont& initial, bool scalableOnly) override;
    std::optional<QColor> chooseColor(const QColor& initial) override;
    bool printerSetup() override;
    void message(const QString& text) override;
    bool question(const QString& title, const QString& text) override;
    DialogAnswer yesNoCancel(const QString& title, const QString& text) override;
    void error(const QString& text) override;
    void errorWithDetails(const QString& text, const QString& details) override;
    bool waitForWork(const QString& text, const std::function<bool()>& done) override;
    std::optional<AddressChoice> chooseAddressColumns(const AddressTable& list,
                                                      const AddressChoice& initial) override;

private:
    QtPrinterDevice& printer_;
    QWidget* parent_;
};
