// The real font dialogs, opened from the window: they open on the family that fontconfig puts
// behind each face the card names, with its size and style; OK without a change leaves every
// record and the card as they were; what the user picks is kept under the picked name; the
// sample shows the font and the effects box stays hidden.
#include "app/QtDialogs.h"
#include "app/TForm1.h"
#include "qtprinter/QtPrinterDevice.h"
#include "support/ImageChecks.h"
#include "support/WindowControls.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace
{

// What the dialog showed when it opened.
struct Shown {
    int dialogs = 0;
    QString family;
    QString style;
    int size = 0;
    int visibleCheckBoxes = 0;
    int sampleHeight = 0;
    int sampleFontHeight = 0;
};

class FontDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        device = QtPrinterDevice::pdfFiles(folder.path());
        dialogs = std::make_unique<QtDialogs>(*device);
        form = std::make_unique<TForm1>(*dialogs, *device);
        dialogs->setParent(form.get());
        form->FormActivate();
    }

    // "Open..." on the front preview's menu, the real file dialog answered with `picture` saved
    // as a file.
    void openFrontPicture(const QImage& picture)
    {
        const QString file = folder.filePath(QStringLiteral("picture.png"));
        ASSERT_TRUE(picture.save(file, "PNG"));
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                dialog->selectFile(file);
                QMetaObject::invokeMethod(dialog, "accept"); // as the Open button does
            }
        });
        poll.start(10);
        findControl<QAction>(*form, "OpenPopup")->trigger();
        ASSERT_EQ(form->document().frontFile(), file);
    }

    // Presses `button`; once the font dialog is open, notes what it shows and runs `answer`
    // (which accepts or rejects it).
    Shown pressAndAnswer(QAbstractButton* button, const std::function<void(QFontDialog&)>& answer)
    {
        Shown shown;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QFontDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            ++shown.dialogs;
            const QFont font = dialog->currentFont();
            shown.family = font.family();
            shown.style = QFontDatabase::styleString(font);
            shown.size = font.pointSize();
            for (QCheckBox* box : dialog->findChildren<QCheckBox*>())
                shown.visibleCheckBoxes += box->isVisibleTo(dialog) ? 1 : 0;
            for (QGroupBox* box : dialog->findChildren<QGroupBox*>())
                if (auto* sample = box->findChild<QLineEdit*>();
                    sample && box->isVisibleTo(dialog)) {
                    shown.sampleHeight = sample->height();
                    shown.sampleFontHeight = sample->fontMetrics().height();
                }
            answer(*dialog);
        });
        poll.start(10);
        button->click();
        return shown;
    }

    void tickOnly(int area)
    {
        const std::array<QCheckBox*, AreaCount> boxes = {
            findControl<QCheckBox>(*form, "TitleCheckBox"),
            findControl<QCheckBox>(*form, "DescriptiveCheckBox"),
            findControl<QCheckBox>(*form, "LowerLeftTextCheckBox"),
            findControl<QCheckBox>(*form, "AddressVerticalTextCheckBox"),
            findControl<QCheckBox>(*form, "StampBorderTextCheckBox"),
            findControl<QCheckBox>(*form, "PostCardCheckBox"),
            findControl<QCheckBox>(*form, "AddressLinesCheckBox"),
            findControl<QCheckBox>(*form, "PostalBarCodeCheckBox")};
        for (int i = 0; i < AreaCount; ++i)
            boxes[std::size_t(i)]->setChecked(i == area);
    }

    QTemporaryDir folder;
    std::unique_ptr<QtPrinterDevice> device;
    std::unique_ptr<QtDialogs> dialogs;
    std::unique_ptr<TForm1> form;
};

// The areas' records (the spare one takes the font of a walk that does not end on area 7).
void expectSameRecords(const AreaStyleArray& before, const AreaStyleArray& after)
{
    for (std::size_t i = 0; i < std::size_t(AreaCount); ++i) {
        EXPECT_EQ(after[i].name, before[i].name) << "record " << i;
        EXPECT_EQ(after[i].size, before[i].size) << "record " << i;
        EXPECT_EQ(after[i].style, before[i].style) << "record " << i;
        EXPECT_EQ(after[i].colour, before[i].colour) << "record " << i;
    }
}

// The card as it was, pixel for pixel. Only the "PostCard" caption's edges may differ: its face
// here (Z003, installed in Type 1 as well) is antialiased by Qt's rasteriser a shade differently
// once it has been drawn at another size, as the dialog's sample does. Its ink stays in place.
void expectSameOutside(const QImage& after, const QImage& before, const QRect& text)
{
    QImage a = after.copy();
    QImage b = before.copy();
    {
        QPainter pa(&a);
        pa.fillRect(text, Qt::white);
        QPainter pb(&b);
        pb.fillRect(text, Qt::white);
    }
    EXPECT_EQ(a, b);
}

void expectSameCard(const QImage& after, const QImage& before)
{
    const QRect caption(610, 40, 395, 185);
    EXPECT_EQ(inkIn(after, caption), inkIn(before, caption));
    expectSameOutside(after, before, caption);
}

// The dialog's family list holds `family` with a style of this weight and slant.
bool familyOffers(const QString& family, bool bold, bool italic)
{
    for (const QString& style : QFontDatabase::styles(family)) {
        const QFont font = QFontDatabase::font(family, style, 10);
        if (font.bold() == bold && font.italic() == italic)
            return true;
    }
    return false;
}

} // namespace

TEST_F(FontDialogTest, TextSetupOpensOnTheRealFamilyAndOkWithoutAChangeChangesNothing)
{
    // Each area alone, then none ticked (the spare record).
    for (int area = 0; area <= AreaCount; ++area) {
        SCOPED_TRACE("area " + std::to_string(area));
        tickOnly(area);
        const AreaStyleArray before = form->document().AreaStyleTable;
        const QImage cardBefore = form->state().BackSheetImage.copy();
        const fc& seed = before[std::size_t(area)];

        const Shown shown = pressAndAnswer(findControl<QPushButton>(*form, "FontButton"),
                                           [](QFontDialog& dialog) { dialog.accept(); });
        ASSERT_EQ(shown.dialogs, 1);
        EXPECT_EQ(shown.family, QFontInfo(QFont(seed.name)).family());
        EXPECT_EQ(shown.size, seed.size);
        const bool bold = seed.style.testFlag(FontStyle::Bold);
        if (familyOffers(shown.family, bold, false)) {
            EXPECT_EQ(shown.style, bold ? QStringLiteral("Bold") : QStringLiteral("Regular"));
        }
        EXPECT_EQ(shown.visibleCheckBoxes, 0);
        EXPECT_GE(shown.sampleHeight, shown.sampleFontHeight);

        expectSameRecords(before, form->document().AreaStyleTable);
        if (area != int(Area::PostalBarCode)) {
            const fc& spare = form->document().AreaStyleTable[Area::Spare];
            EXPECT_EQ(spare.name, seed.name);
            EXPECT_EQ(spare.size, seed.size);
            EXPECT_EQ(spare.style, seed.style);
        }
        expectSameCard(form->state().BackSheetImage, cardBefore);
    }
}

TEST_F(FontDialogTest, FrontOpensOnItsFontAndOkWithoutAChangeComposesTheSameFront)
{
    openFrontPicture(solidImage(300, 200, Qt::darkCyan));
    findControl<QTextEdit>(*form, "FrontMemo")->setPlainText(QStringLiteral("Greetings"));
    form->FrontImageRefresh(form.get());
    const QImage frontBefore = form->state().FrontSheetImage.copy();
    // The band the text's lines stand in.
    const QRect textArea(form->document().FrontTextX, form->document().FrontTextY,
                         form->state().FrontSheetImage.width(), 200);
    const QFont fontBefore = form->document().FrontFont;

    const Shown shown = pressAndAnswer(findControl<QPushButton>(*form, "SelectFontButton"),
                                       [](QFontDialog& dialog) { dialog.accept(); });
    ASSERT_EQ(shown.dialogs, 1);
    EXPECT_EQ(shown.family, QStringLiteral("Liberation Serif"));
    EXPECT_EQ(shown.style, QStringLiteral("Bold"));
    EXPECT_EQ(shown.size, 48);
    EXPECT_EQ(shown.visibleCheckBoxes, 0);
    EXPECT_GE(shown.sampleHeight, shown.sampleFontHeight);

    EXPECT_EQ(form->document().FrontFont, fontBefore);
    // As on the card, the font's antialiasing may shift a shade after the dialog drew it at
    // another size: the text's band aside, the front is the same pixel for pixel.
    expectSameOutside(form->state().FrontSheetImage, frontBefore, textArea);
}

TEST_F(FontDialogTest, WhatTheUserPicksIsKeptUnderThePickedNameTheRestAsItWas)
{
    tickOnly(int(Area::Title));
    // Another family and size: kept under the family's own name.
    pressAndAnswer(findControl<QPushButton>(*form, "FontButton"), [](QFontDialog& dialog) {
        dialog.setCurrentFont(
            QFontDatabase::font(QStringLiteral("DejaVu Serif"), QStringLiteral("Book"), 14));
        dialog.accept();
    });
    EXPECT_EQ(form->document().AreaStyleTable[Area::Title].name, QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(form->document().AreaStyleTable[Area::Title].size, 14);
    EXPECT_EQ(form->document().AreaStyleTable[Area::Title].style, FontStyles(FontStyle::None));

    // Only the style, on the stamp's "Arial": the face keeps its name and the size stays.
    tickOnly(int(Area::Stamp));
    pressAndAnswer(findControl<QPushButton>(*form, "FontButton"), [](QFontDialog& dialog) {
        dialog.setCurrentFont(
            QFontDatabase::font(QStringLiteral("Liberation Sans"), QStringLiteral("Italic"), 8));
        dialog.accept();
    });
    EXPECT_EQ(form->document().AreaStyleTable[Area::Stamp].name, QStringLiteral("Arial"));
    EXPECT_EQ(form->document().AreaStyleTable[Area::Stamp].size, 8);
    EXPECT_EQ(form->document().AreaStyleTable[Area::Stamp].style, FontStyles(FontStyle::Italic));

    // Cancel leaves everything.
    const AreaStyleArray before = form->document().AreaStyleTable;
    pressAndAnswer(findControl<QPushButton>(*form, "FontButton"), [](QFontDialog& dialog) {
        dialog.setCurrentFont(QFont(QStringLiteral("DejaVu Sans"), 20));
        dialog.reject();
    });
    expectSameRecords(before, form->document().AreaStyleTable);
}
