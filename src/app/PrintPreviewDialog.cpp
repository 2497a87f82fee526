#include "PrintPreviewDialog.h"
#include "WaitCursor.h"

#include "gfx/AppError.h"
#include "print/PreviewPrinter.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace
{
// A burst of changes settles within this (typing, a spinner held down).
constexpr int RefreshPauseMs = 300;
constexpr double MillimetresPerInch = 25.4;
constexpr int PageGap = 16; // screen pixels between the pages

// A captioned view of one page; the caption names the view for screen readers too.
QLabel* pageView(QBoxLayout* row, const QString& caption, const char* name)
{
    auto* column = new QVBoxLayout;
    auto* title = new QLabel(caption);
    title->setWordWrap(true);
    auto* view = new QLabel;
    view->setObjectName(QLatin1String(name));
    view->setAccessibleName(caption);
    view->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    title->setBuddy(view);
    column->addWidget(title);
    column->addWidget(view, 1);
    row->addLayout(column);
    return view;
}

} // namespace

PrintPreviewDialog::PrintPreviewDialog(std::function<PreparedPrint()> prepare,
                                       std::function<void(const PreparedPrint&)> print,
                                       QWidget* parent)
    : QDialog(parent), prepare_(std::move(prepare)), print_(std::move(print))
{
    setObjectName(QStringLiteral("PrintPreviewDialog"));
    setWindowTitle(tr("Print Preview"));
    auto* layout = new QVBoxLayout(this);
    summary_ = new QLabel;
    summary_->setObjectName(QStringLiteral("PreviewSummary"));
    summary_->setWordWrap(true);
    layout->addWidget(summary_);

    auto* pages = new QWidget;
    auto* row = new QHBoxLayout(pages);
    row->setSpacing(PageGap);
    frontsView_ = pageView(row, tr("Page of fronts"), "PreviewFronts");
    backsView_ = pageView(row, tr("Page of backs"), "PreviewBacks");
    throughView_ =
        pageView(row, tr("Backs seen through the sheet, over their fronts"), "PreviewSeenThrough");
    row->addStretch();
    scroll_ = new QScrollArea;
    scroll_->setObjectName(QStringLiteral("PreviewPages"));
    scroll_->setAccessibleName(tr("Pages"));
    scroll_->setWidget(pages);
    scroll_->setWidgetResizable(true);
    scroll_->setFocusPolicy(Qt::StrongFocus); // the arrow keys scroll a page at 100 %
    layout->addWidget(scroll_, 1);

    auto* buttons = new QHBoxLayout;
    previous_ = new QPushButton(tr("&Previous Sheet"));
    previous_->setObjectName(QStringLiteral("PreviewPreviousSheet"));
    sheetLabel_ = new QLabel;
    sheetLabel_->setObjectName(QStringLiteral("PreviewSheetLabel"));
    next_ = new QPushButton(tr("&Next Sheet"));
    next_->setObjectName(QStringLiteral("PreviewNextSheet"));
    fitButton_ = new QPushButton(tr("Zoom to &Fit"));
    fitButton_->setObjectName(QStringLiteral("PreviewFit"));
    actualButton_ = new QPushButton(tr("&100 %"));
    actualButton_->setObjectName(QStringLiteral("PreviewActualSize"));
    actualButton_->setAccessibleName(tr("Zoom to 100 %"));
    for (QPushButton* zoom : {fitButton_, actualButton_})
        zoom->setCheckable(true);
    printButton_ = new QPushButton(tr("&Print"));
    printButton_->setObjectName(QStringLiteral("PreviewPrint"));
    auto* close = new QPushButton(tr("&Close"));
    close->setObjectName(QStringLiteral("PreviewClose"));
    for (QWidget* w : std::initializer_list<QWidget*>{previous_, sheetLabel_, next_})
        buttons->addWidget(w);
    buttons->addStretch();
    buttons->addWidget(fitButton_);
    buttons->addWidget(actualButton_);
    buttons->addStretch();
    buttons->addWidget(printButton_);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    connect(previous_, &QPushButton::clicked, this, [this] { showSheet(sheet_ - 1); });
    connect(next_, &QPushButton::clicked, this, [this] { showSheet(sheet_ + 1); });
    connect(fitButton_, &QPushButton::clicked, this, [this] { setZoom(true); });
    connect(actualButton_, &QPushButton::clicked, this, [this] { setZoom(false); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(printButton_, &QPushButton::clicked, this, [this] {
        if (!prepared_)
            return;
        // What is shown is what prints: the very print the pages were made from.
        const PreparedPrint shown = *prepared_;
        accept();
        print_(shown);
    });
    refreshTimer_.setSingleShot(true);
    refreshTimer_.setInterval(RefreshPauseMs);
    connect(&refreshTimer_, &QTimer::timeout, this, &PrintPreviewDialog::refresh);
    resize(1100, 700);
}

int PrintPreviewDialog::sheets() const
{
    return prepared_ ? prepared_->run.sheets() : 0;
}

void PrintPreviewDialog::refreshSoon()
{
    if (isVisible())
        refreshTimer_.start();
}

void PrintPreviewDialog::refresh()
{
    refreshTimer_.stop();
    prepared_.reset();
    try {
        const WaitCursor wait;
        prepared_ = prepare_();
    } catch (const AppError& e) {
        // Nothing to show: say why where the pages would be.
        shown_ = {};
        summary_->setText(e.text());
        showPages();
        return;
    }
    showSheet(sheet_);
}

void PrintPreviewDialog::showSheet(int sheet)
{
    if (!prepared_)
        return;
    sheet_ = std::clamp(sheet, 0, sheets() - 1);
    {
        const WaitCursor wait;
        // At the screen's resolution, so 100 % is the paper's real size.
        shown_ = previewSheet(*prepared_, sheet_, logicalDpiX());
    }
    summary_->setText(summary());
    showPages();
}

QString PrintPreviewDialog::summary() const
{
    const PreparedPrint& p = *prepared_;
    const PrinterMetrics& m = p.metrics;
    const auto mm = [](int pixels, int dpi) { return qRound(pixels * MillimetresPerInch / dpi); };
    QStringList lines;
    lines << tr("Paper %1 x %2 mm at %3 dpi; the shaded edge is what the printer cannot reach. "
                "Print Quality: %4. Copies: %5.")
                 .arg(mm(m.PhysicalWidth, m.DpiX))
                 .arg(mm(m.PhysicalHeight, m.DpiY))
                 .arg(m.DpiX)
                 .arg(p.quality == PrintQuality::AsShown ? tr("As shown") : tr("Fine"))
                 .arg(shown_.copies);
    if (p.side == PrintSide::Backs)
        lines << tr("Only the backs print: the card has no front picture yet.");
    else if (p.sides != PrintSides::OneSided)
        lines << tr("Both sides print in one go, the printer turning the sheet over its %1.")
                     .arg(p.sides == PrintSides::ShortEdge ? tr("short edge") : tr("long edge"));
    else
        lines << tr("The fronts print first; then the sheets go back in turned over %1, and the "
                    "backs print on them.")
                     .arg(turnOnPage(p.turn, p.layout) == SheetTurn::Calendar
                              ? tr("like a wall calendar")
                              : tr("like the page of a book"));
    if (!p.cutQuestion.isEmpty())
        lines << tr("The paper or the printer's margins cut the cards; Print asks first.");
    return lines.join(QLatin1Char('\n'));
}

void PrintPreviewDialog::setZoom(bool fit)
{
    fit_ = fit;
    showPages();
}

void PrintPreviewDialog::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    if (fit_)
        showPages();
}

void PrintPreviewDialog::showPages()
{
    const bool fronts = !shown_.fronts.isNull(), backs = !shown_.backs.isNull();
    QImage through;
    if (fronts && backs)
        through = backsSeenThrough(shown_.fronts, shown_.backs,
                                   turnOnPage(prepared_->turn, prepared_->layout));
    const QSize paper = fronts ? shown_.fronts.size() : shown_.backs.size();
    const int count = int(fronts) + int(backs) + int(!through.isNull());
    double scale = 1;
    if (fit_ && count > 0 && !paper.isEmpty()) {
        // Room for the pages side by side below their captions.
        const QSize room = scroll_->viewport()->size() - QSize(PageGap * (count + 1), 3 * PageGap);
        scale = std::min(double(room.width()) / count / paper.width(),
                         double(room.height()) / paper.height());
        scale = std::clamp(scale, 0.05, 1.0);
    }
    const auto show = [&](QLabel* view, const QImage& page) {
        view->setVisible(!page.isNull());
        for (QLabel* caption : view->parentWidget()->findChildren<QLabel*>())
            if (caption->buddy() == view)
                caption->setVisible(!page.isNull());
        if (page.isNull()) {
            view->clear();
            return;
        }
        const QImage shaded = withUnprintableShaded(page, shown_.printable);
        const QSize size(std::max(1, int(std::lround(paper.width() * scale))),
                         std::max(1, int(std::lround(paper.height() * scale))));
        view->setPixmap(QPixmap::fromImage(
            scale == 1 ? shaded
                       : shaded.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    };
    show(frontsView_, shown_.fronts);
    show(backsView_, shown_.backs);
    show(throughView_, through);
    fitButton_->setChecked(fit_);
    actualButton_->setChecked(!fit_);
    const int n = sheets();
    sheetLabel_->setText(n > 0 ? tr("Sheet %1 of %2").arg(sheet_ + 1).arg(n) : QString());
    for (QWidget* w : std::initializer_list<QWidget*>{previous_, sheetLabel_, next_})
        w->setVisible(n > 1);
    previous_->setEnabled(sheet_ > 0);
    next_->setEnabled(sheet_ + 1 < n);
    printButton_->setEnabled(bool(prepared_));
}
