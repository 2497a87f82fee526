// The layouts beyond the four of the layout group: the Print menu's "Other Paper...", the
// user's own layouts kept between runs, and the miniature of the chosen one.
#include "Dialogs.h"
#include "TForm1.h"
#include "ui_TForm1.h"

#include <QAction>
#include <QPainter>
#include <QSettings>

namespace
{
const QString OwnLayoutsKey = QStringLiteral("layouts/own");

QSettings windowSettings()
{
    return QSettings(QStringLiteral("Talmiro"), QStringLiteral("Talmiro Postcard Print"));
}

std::vector<OwnLayout> keptOwnLayouts()
{
    std::vector<OwnLayout> own;
    for (const QVariant& v : windowSettings().value(OwnLayoutsKey).toList()) {
        const OwnLayout o = ownLayoutFromValues(v.toMap());
        if (ownLayoutProblem(o).isEmpty()) // a damaged entry is left out, not shown
            own.push_back(o);
    }
    return own;
}

void keepOwnLayouts(const std::vector<OwnLayout>& own)
{
    QVariantList list;
    for (const OwnLayout& o : own)
        list.push_back(ownLayoutValues(o));
    windowSettings().setValue(OwnLayoutsKey, list);
}

} // namespace

void TForm1::createOtherPaperCommand()
{
    // In the Print menu: the Print tab has no free room left for a button.
    OtherPaperItem = new QAction(tr("Other &Paper..."), this);
    OtherPaperItem->setObjectName(QStringLiteral("OtherPaperItem"));
    OtherPaperItem->setProperty("hint",
                                tr("Chooses 4 A6 cards on A4, a single A6 card, or a layout "
                                   "of your own for your stock."));
    ui.PrintMenu->insertAction(ui.PrintMenu->actions().value(0), OtherPaperItem);
    connect(OtherPaperItem, &QAction::triggered, this,
            [this] { guard([this] { OtherPaperButtonClick(); }); });
}

void TForm1::OtherPaperButtonClick()
{
    std::vector<OwnLayout> own = keptOwnLayouts();
    const std::size_t kept = own.size();
    const auto chosen = dialogs().chooseLayout(document().layout, own);
    if (own.size() != kept)
        keepOwnLayouts(own);
    if (!chosen || *chosen == document().layout)
        return;
    CardDocument card = document();
    card.layout = *chosen;
    commit(card, tr("Other paper"));
    TypeOfDeckRadioGroupClick(this);
}

void TForm1::drawLayoutMiniature()
{
    const auto l = sheetLayoutAt(document().layout);
    if (!l)
        return;
    QImage& canvas = ui.LayoutImage->canvas();
    QPainter p(&canvas);
    p.fillRect(canvas.rect(), Qt::white);
    // The paper as it lies, the cards on it where the layout puts them.
    QSizeF paper = l->paper.size(QPageSize::Millimeter) * (SheetPixelsPerInch / 25.4);
    if (l->orientation == QPageLayout::Landscape)
        paper.transpose();
    const qreal scale =
        std::min((canvas.width() - 4) / paper.width(), (canvas.height() - 4) / paper.height());
    const QPointF origin =
        QPointF(canvas.width() - paper.width() * scale, canvas.height() - paper.height() * scale) /
        2;
    p.setPen(Qt::black);
    p.drawRect(QRectF(origin, paper * scale));
    const PageTiling cards = frontPageTiling(document().layout);
    const QPointF block = l->placement == CardsOnPaper::AtMargins
                              ? QPointF(l->margin)
                              : QPointF((paper.width() - cards.page.width()) / 2,
                                        l->placement == CardsOnPaper::Centred
                                            ? (paper.height() - cards.page.height()) / 2
                                            : 0);
    p.setBrush(QColor(Qt::cyan));
    for (const QPoint at : cards.at)
        p.drawRect(QRectF(origin + (block + at) * scale, QSizeF(l->card) * scale));
    ui.LayoutImage->update();
}
