#pragma once
#include "Dialogs.h"

// Dialogs on Qt's standard dialogs, parented to the main window.
class QtDialogs : public Dialogs
{
public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    std::optional<QString> openPicture(const FileDialogSettings& settings) override;
    std::optional<QString> savePicture(const FileDialogSettings& settings) override;
    std::optional<QFont> chooseFont(const QFont& initial, bool scalableOnly) override;
    std::optional<QColor> chooseColor(const QColor& initial) override;
    bool printerSetup(PrinterDevice& printer) override;
    void message(const QString& text) override;
    bool question(const QString& title, const QString& text) override;
    void error(const QString& text) override;

private:
    QWidget* parent_;
};
