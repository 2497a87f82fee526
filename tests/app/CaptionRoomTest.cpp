// Every caption, item and edit of the window is whole at the window's fonts and style: each text
// fits the room its control gives it, no control covers another, and a group box keeps its
// controls inside its frame and clear of its caption. The walk takes whatever controls the
// window has, so controls added later are held to the same; and it walks the window in every
// language the program speaks, since a translation may need more room than the English text.
#include "gfx/Language.h"
#include "support/FormFixture.h"
#include "support/WindowControls.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTextDocument>
#include <QTextEdit>
#include <QtMath>

namespace
{

QString nameOf(const QWidget* w)
{
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                     : w->objectName();
}

// Our own controls, not the parts Qt builds inside its composite widgets.
bool isControl(const QWidget* w)
{
    return !w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_"));
}

// Shown when its page is the current one: every widget between it and its page (or the window)
// is shown. Pages of a tab widget count as shown, as each is in turn.
bool shownOnItsPage(const QWidget* w, const QWidget* window)
{
    for (const QWidget* a = w; a && a != window; a = a->parentWidget()) {
        const QWidget* parent = a->parentWidget();
        if (parent && parent->objectName() == QLatin1String("qt_tabwidget_stackedwidget"))
            return true;
        if (a->isHidden())
            return false;
    }
    return true;
}

// A single line of text: its advance and the font's cell height.
QSize textSize(const QWidget* w, const QString& text)
{
    const QFontMetrics fm = w->fontMetrics();
    return {fm.size(Qt::TextSingleLine | Qt::TextShowMnemonic, text).width(), fm.height()};
}

void needRoom(QStringList& problems, const QWidget* w, const QString& text, QSize room)
{
    const QSize need = textSize(w, text);
    if (need.width() > room.width() || need.height() > room.height())
        problems << QStringLiteral("%1: \"%2\" needs %3 x %4, has %5 x %6")
                        .arg(nameOf(w), text)
                        .arg(need.width())
                        .arg(need.height())
                        .arg(room.width())
                        .arg(room.height());
}

QStyleOptionGroupBox groupBoxOption(const QGroupBox* box)
{
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.lineWidth = 1;
    option.midLineWidth = 0;
    option.textAlignment = box->alignment();
    option.subControls = QStyle::SC_GroupBoxFrame;
    if (!box->title().isEmpty())
        option.subControls |= QStyle::SC_GroupBoxLabel;
    if (box->isFlat())
        option.features |= QStyleOptionFrame::Flat;
    return option;
}

// The text of one control against the room it gives it.
void checkText(QStringList& problems, QWidget* w)
{
    QStyle* style = w->style();
    if (auto* label = qobject_cast<QLabel*>(w)) {
        if (label->text().isEmpty() || label->wordWrap())
            return;
        const int inset = 2 * label->margin() + qMax(0, label->indent());
        needRoom(problems, w, label->text(),
                 label->contentsRect().size() - QSize(inset, 2 * label->margin()));
    } else if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) {
        // The indicator, its spacing and the whole caption, one text line high.
        const int indicator = style->pixelMetric(QStyle::PM_IndicatorHeight);
        const QSize need(w->sizeHint().width(), qMax(indicator, textSize(w, QString()).height()));
        if (need.width() > w->width() || need.height() > w->height())
            problems << QStringLiteral("%1: \"%2\" needs %3 x %4, has %5 x %6")
                            .arg(nameOf(w), static_cast<QAbstractButton*>(w)->text())
                            .arg(need.width())
                            .arg(need.height())
                            .arg(w->width())
                            .arg(w->height());
    } else if (auto* button = qobject_cast<QPushButton*>(w)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QRect contents = style->subElementRect(QStyle::SE_PushButtonContents, &option, w);
        needRoom(problems, w, button->text(), contents.size());
    } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        // Qt keeps 2 pixels beside the text and 1 above and below, inside the frame.
        const int frame = edit->hasFrame() ? style->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
        const QMargins text = edit->textMargins();
        const QSize room =
            edit->contentsRect().size() - QSize(2 * frame + 4 + text.left() + text.right(),
                                                2 * frame + 2 + text.top() + text.bottom());
        needRoom(problems, w, edit->text().isEmpty() ? QStringLiteral("0") : edit->text(), room);
    } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
        const QStyleOptionGroupBox option = groupBoxOption(box);
        if (!box->title().isEmpty()) {
            const QRect label =
                style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, w);
            if (!box->rect().contains(label))
                problems << QStringLiteral("%1: caption \"%2\" runs out of the box")
                                .arg(nameOf(w), box->title());
            needRoom(problems, w, box->title(), label.size());
        }
    } else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
        for (int i = 0; i < tabs->count(); ++i) {
            if (!tabs->isTabVisible(i))
                continue;
            const QRect tab = tabs->tabRect(i);
            if (!tabs->rect().contains(tab) || tab.width() < textSize(w, tabs->tabText(i)).width())
                problems
                    << QStringLiteral("%1: tab \"%2\" is cut").arg(nameOf(w), tabs->tabText(i));
        }
    }
}

// Where a group box's caption has ink: the caption's columns, its letters' rows.
QRect captionInk(const QGroupBox* box)
{
    if (box->title().isEmpty())
        return {};
    const QStyleOptionGroupBox option = groupBoxOption(box);
    const QRect label =
        box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
    const QFontMetrics fm = box->fontMetrics();
    const QRect tight = fm.tightBoundingRect(box->title());
    const int baseline = label.top() + (label.height() - fm.height()) / 2 + fm.ascent();
    return QRect(label.left(), baseline + tight.top(), label.width(), tight.height());
}

// The part of a control that shows something, in its parent's coordinates: a check box or
// radio button's indicator and caption, a group box's frame and caption (the rest of either is
// empty), any other control's whole rectangle.
QRect drawnExtent(const QWidget* w)
{
    const bool check = qobject_cast<const QCheckBox*>(w);
    if (check || qobject_cast<const QRadioButton*>(w)) {
        QStyleOptionButton button;
        button.initFrom(w);
        button.text = static_cast<const QAbstractButton*>(w)->text();
        QStyle* style = w->style();
        const QRect indicator = style->subElementRect(
            check ? QStyle::SE_CheckBoxIndicator : QStyle::SE_RadioButtonIndicator, &button, w);
        const QRect contents = style->subElementRect(
            check ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents, &button, w);
        const QRect text = style->itemTextRect(
            w->fontMetrics(), contents, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic,
            w->isEnabled(), button.text);
        return (indicator | text).translated(w->pos());
    }
    if (auto* box = qobject_cast<const QGroupBox*>(w)) {
        const QStyleOptionGroupBox option = groupBoxOption(box);
        const QRect frame =
            w->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame, w);
        return (frame | captionInk(box)).translated(w->pos());
    }
    return w->geometry();
}

// Controls that share a parent do not cover each other, and a group box's controls lie inside
// its frame, clear of its caption. The About page's sample picture is the backdrop its
// buttons and notes stand on.
void checkPlaces(QStringList& problems, QWidget* parent, const QWidget* window)
{
    // The pages of a tab widget share one place; only one is shown at a time.
    if (parent->objectName() == QLatin1String("qt_tabwidget_stackedwidget"))
        return;
    QList<QWidget*> children;
    for (QObject* o : parent->children())
        if (auto* w = qobject_cast<QWidget*>(o);
            w && isControl(w) && shownOnItsPage(w, window) && !w->isWindow())
            children << w;
    for (int i = 0; i < children.size(); ++i)
        for (int j = i + 1; j < children.size(); ++j) {
            const QWidget* a = children[i];
            const QWidget* b = children[j];
            if (a->objectName() == QLatin1String("AboutSampleImage") ||
                b->objectName() == QLatin1String("AboutSampleImage"))
                continue;
            const QRect common = drawnExtent(a) & drawnExtent(b);
            if (!common.isEmpty())
                problems << QStringLiteral("%1 and %2 overlap by %3 x %4")
                                .arg(nameOf(a), nameOf(b))
                                .arg(common.width())
                                .arg(common.height());
            // A radio group lays out its own items: they also take no press in common where
            // they show nothing (the window's tables place some check boxes a pixel into each
            // other; those stay as the tables say).
            const QRect pressed = a->geometry() & b->geometry();
            if (qobject_cast<const RadioGroup*>(parent) && common.isEmpty() && !pressed.isEmpty())
                problems << QStringLiteral("%1 and %2 take presses on %3 x %4 in common")
                                .arg(nameOf(a), nameOf(b))
                                .arg(pressed.width())
                                .arg(pressed.height());
        }
    if (auto* box = qobject_cast<QGroupBox*>(parent)) {
        const QStyleOptionGroupBox option = groupBoxOption(box);
        QStyle* style = box->style();
        // Inside the frame's lines, the top line included.
        const QRect inside =
            style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame, box)
                .adjusted(1, 2, -1, -1);
        const QRect caption = captionInk(box);
        for (const QWidget* w : children)
            if (!inside.contains(drawnExtent(w)) || drawnExtent(w).intersects(caption))
                problems << QStringLiteral("%1 sits on the frame or caption of %2")
                                .arg(nameOf(w), nameOf(box));
    }
}

} // namespace

// The window made in English and in each translation.
class CaptionRoom : public FormFixture, public ::testing::WithParamInterface<QString>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(installLanguage(*qApp, GetParam()));
        FormFixture::SetUp();
    }
    void TearDown() override
    {
        FormFixture::TearDown();
        installLanguage(*qApp, QString());
    }
};

TEST_P(CaptionRoom, EveryTextFitsItsControlAndNoControlCoversAnother)
{
    activate();
    pressContinue(); // the print controls and the left panel are shown from here on
    form->show();
    QCoreApplication::processEvents();

    QStringList problems;
    int walked = 0;
    for (QWidget* w : form->findChildren<QWidget*>()) {
        if (!shownOnItsPage(w, form.get()) || w->isWindow() ||
            findControl<QWidget>(*form, "HiddenImagesTabSheet")->isAncestorOf(w))
            continue;
        // Tab bars are Qt's parts, but their captions are ours.
        if (isControl(w) || qobject_cast<QTabBar*>(w)) {
            checkText(problems, w);
            ++walked;
        }
        checkPlaces(problems, w, form.get());
    }
    EXPECT_GT(walked, 100);
    EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();
}

// The texts the window shows in its text boxes, which show no scroll bars: the About page's
// words and the card's default texts, and every hint in the hint panel, each whole in its box.
TEST_P(CaptionRoom, EveryTextBoxAndHintShowsWhole)
{
    activate();
    form->show();
    QCoreApplication::processEvents();
    QStringList problems;
    const auto needRows = [&](QTextEdit* box, const QString& what) {
        const int need = qCeil(box->document()->size().height());
        if (need > box->viewport()->height())
            problems << QStringLiteral("%1: \"%2\" needs %3 pixels high, has %4")
                            .arg(nameOf(box), what.left(60))
                            .arg(need)
                            .arg(box->viewport()->height());
    };
    for (QTextEdit* box : form->findChildren<QTextEdit*>())
        if (!box->toPlainText().isEmpty())
            needRows(box, box->toPlainText());
    auto* panel = findControl<QTextEdit>(*form, "Memo2");
    QStringList hints;
    for (const QObject* o : form->findChildren<QObject*>())
        hints << o->property("hint").toString();
    for (const QString& hint : hints)
        if (!hint.isEmpty()) {
            panel->setPlainText(hint.mid(hint.indexOf(QLatin1Char('|')) + 1));
            needRows(panel, hint);
        }
    EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();
}

TEST_P(CaptionRoom, StatusBarKeepsItsPlaceAndHeightUnderThePages)
{
    activate();
    form->show();
    QCoreApplication::processEvents();
    QStatusBar* bar = findControl<QStatusBar>(*form, "StatusBar1");
    EXPECT_EQ(bar->pos() - form->centralWidget()->pos(), QPoint(0, 481));
    EXPECT_EQ(bar->size(), QSize(776, 21));
    EXPECT_EQ(bar->geometry().bottom(), form->height() - 1);
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, CaptionRoom,
                         ::testing::Values(QStringLiteral("en"), QStringLiteral("de"),
                                           QStringLiteral("es"), QStringLiteral("fr"),
                                           QStringLiteral("it")),
                         [](const auto& info) { return info.param.toStdString(); });
