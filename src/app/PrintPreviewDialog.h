#pragma once
// Print > Print Preview...: the sheets as the printer will get them, made by the print path
// itself (previewSheet), with steps through a run, zoom, and Print. The dialog only shows;
// the window prepares the print and prints it.
#include "document/PrintPreview.h"

#include <QDialog>
#include <QTimer>
#include <functional>
#include <optional>

class QLabel;
class QPushButton;
class QScrollArea;

class PrintPreviewDialog : public QDialog
{
    Q_OBJECT

public:
    // `prepare` makes the print as Print would send it now (it may raise AppError); `print`
    // prints the print shown.
    PrintPreviewDialog(std::function<PreparedPrint()> prepare,
                       std::function<void(const PreparedPrint&)> print, QWidget* parent = nullptr);

    // Prepares the print anew and shows it, on the sheet shown before where the run still has
    // it.
    void refresh();
    // The same a moment later, once a burst of changes (typing, a spinner held) has settled.
    void refreshSoon();
    // Steps to sheet `sheet` of the run (from 0).
    void showSheet(int sheet);
    int sheet() const { return sheet_; }
    int sheets() const;
    // What is shown: the pages of the sheet, raw as the printer gets them.
    const SheetPreview& shown() const { return shown_; }
    bool fitsWindow() const { return fit_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void showPages();
    void setZoom(bool fit);
    QString summary() const;

    std::function<PreparedPrint()> prepare_;
    std::function<void(const PreparedPrint&)> print_;
    std::optional<PreparedPrint> prepared_;
    SheetPreview shown_;
    int sheet_ = 0;
    bool fit_ = true;
    QTimer refreshTimer_;

    QLabel* summary_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QLabel* frontsView_ = nullptr;
    QLabel* backsView_ = nullptr;
    QLabel* throughView_ = nullptr;
    QLabel* sheetLabel_ = nullptr;
    QPushButton* previous_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* fitButton_ = nullptr;
    QPushButton* actualButton_ = nullptr;
    QPushButton* printButton_ = nullptr;
};
