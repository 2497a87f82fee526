// Drives the real main window through the tasks of the user guide and saves a screenshot of
// each step. Dialogs are answered by the program, so it runs unattended under Xvfb:
//   take-screenshots OUTPUT_FOLDER
#include "app/Dialogs.h"
#include "app/TForm1.h"
#include "front/FrontComposer.h"
#include "gfx/JpegCodec.h"
#include "gfx/SheetText.h"
#include "qtprinter/QtPrinterDevice.h"
#include "support/WindowControls.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <deque>

namespace
{

// Answers every dialog as the guide's user would.
class GuideDialogs : public Dialogs
{
public:
    std::deque<QString> pictures;
    std::optional<QString> openPicture(const FileDialogSettings&) override
    {
        if (pictures.empty())
            return std::nullopt;
        const QString next = pictures.front();
        pictures.pop_front();
        return next;
    }
    std::optional<QString> savePicture(const FileDialogSettings&) override { return std::nullopt; }
    std::optional<QString> openFile(const FileDialogSettings&) override { return std::nullopt; }
    std::optional<QString> saveFile(const FileDialogSettings&) override { return std::nullopt; }
    std::optional<QFont> chooseFont(const QFont& initial, bool) override { return initial; }
    std::optional<QColor> chooseColor(const QColor& initial) override { return initial; }
    bool printerSetup() override { return false; }
    void message(const QString&) override {}
    bool question(const QString&, const QString&) override { return true; }
    DialogAnswer yesNoCancel(const QString&, const QString&) override { return DialogAnswer::No; }
    void error(const QString& text) override
    {
        std::fprintf(stderr, "error box: %s\n", qPrintable(text));
    }
};

// A holiday photo: sky, sun, hills and a lake.
QImage landscape(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB888);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, h * 0.6);
    sky.setColorAt(0, QColor(90, 150, 220));
    sky.setColorAt(1, QColor(250, 210, 160));
    p.fillRect(image.rect(), sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 236, 150));
    p.drawEllipse(QPointF(w * 0.72, h * 0.28), h * 0.09, h * 0.09);
    QPainterPath far;
    far.moveTo(0, h * 0.55);
    far.cubicTo(w * 0.25, h * 0.35, w * 0.45, h * 0.5, w * 0.6, h * 0.42);
    far.cubicTo(w * 0.75, h * 0.36, w * 0.9, h * 0.5, w, h * 0.45);
    far.lineTo(w, h);
    far.lineTo(0, h);
    p.setBrush(QColor(96, 128, 110));
    p.drawPath(far);
    QPainterPath nearHill;
    nearHill.moveTo(0, h * 0.65);
    nearHill.cubicTo(w * 0.3, h * 0.55, w * 0.5, h * 0.7, w, h * 0.6);
    nearHill.lineTo(w, h);
    nearHill.lineTo(0, h);
    p.setBrush(QColor(62, 110, 60));
    p.drawPath(nearHill);
    QLinearGradient lake(0, h * 0.72, 0, h);
    lake.setColorAt(0, QColor(70, 120, 170));
    lake.setColorAt(1, QColor(30, 70, 120));
    p.setBrush(lake);
    p.drawRect(QRectF(0, h * 0.74, w, h * 0.26));
    return image;
}

void settle(int ms = 150)
{
    QTest::qWait(ms);
}

void shoot(QWidget* w, const QString& path)
{
    // The pointer rests off the window, so the hint panel shows no stray hint.
    QCursor::setPos(w->screen()->geometry().bottomRight());
    settle();
    if (!w->grab().save(path))
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
    else
        std::printf("%s\n", qPrintable(path));
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    installFontSubstitutions();
    if (argc < 2) {
        std::fprintf(stderr, "usage: take-screenshots OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(out.path());
    QTemporaryDir work;
    const QString photo = work.filePath(QStringLiteral("lake.jpg"));
    writeJpegFile(landscape(1600, 1200), photo, 92);
    const QString corner = work.filePath(QStringLiteral("lake-corner.jpg"));
    writeJpegFile(landscape(600, 450), corner, 92);

    QtPrinterDevice printer;
    GuideDialogs dialogs;
    TForm1 form(dialogs, printer);
    form.show();
    settle(500); // the first activation renders the back and the About sample

    shoot(&form, out.filePath(QStringLiteral("about.png")));

    dialogs.pictures.push_back(corner);
    findControl<QPushButton>(form, "ContinueButton")->click();
    findControl<QTextEdit>(form, "TitleMemo")
        ->setPlainText(QStringLiteral("Greetings from Lake Talmiro"));
    findControl<QTextEdit>(form, "DescMemo")
        ->setPlainText(QStringLiteral("A week of sunshine, long walks over the hills and "
                                      "evenings by the water."));
    findControl<QTextEdit>(form, "CreatedByMemo")
        ->setPlainText(QStringLiteral("Printed at home with Talmiro Postcard Print"));
    shoot(&form, out.filePath(QStringLiteral("text-image.png")));

    findControl<QTabWidget>(form, "PageControl1")
        ->setCurrentWidget(findControl<QWidget>(form, "StandardTabSheet"));
    shoot(&form, out.filePath(QStringLiteral("card-back.png")));

    findControl<QTabWidget>(form, "PageControl2")
        ->setCurrentWidget(findControl<QWidget>(form, "TextSetupTabSheet"));
    findControl<QCheckBox>(form, "TitleCheckBox")->setChecked(true);
    shoot(&form, out.filePath(QStringLiteral("text-setup.png")));
    findControl<QCheckBox>(form, "TitleCheckBox")->setChecked(false);

    findControl<QTabWidget>(form, "PageControl1")
        ->setCurrentWidget(findControl<QWidget>(form, "FrontTabSheet"));
    findControl<QTextEdit>(form, "FrontMemo")->setPlainText(QStringLiteral("Lake Talmiro"));
    dialogs.pictures.push_back(photo);
    form.guard([&] { form.OpenPopupClick(findControl<QAction>(form, "OpenPopup")); });
    // The text's place picked on the preview (at a quarter of the card's scale), the picker
    // then back on its start-up choice.
    RadioGroup* picker = findControl<RadioGroup>(form, "FrontTextAtRadioGroup");
    const int pickerChoice = picker->itemIndex();
    picker->setChoice(FrontTextPicker::Position);
    form.guard([&] { form.FrontImageMouseDown(&form, Qt::LeftButton, Qt::NoModifier, 15, 15); });
    picker->setItemIndex(pickerChoice);
    shoot(&form, out.filePath(QStringLiteral("card-front.png")));

    findControl<QTabWidget>(form, "PageControl1")
        ->setCurrentWidget(findControl<QWidget>(form, "StandardTabSheet"));
    findControl<QTabWidget>(form, "PageControl2")
        ->setCurrentWidget(findControl<QWidget>(form, "PrintControlTabSheet"));
    findControl<RadioGroup>(form, "TypeOfDeckRadioGroup")->setChoice(Layout::FourOnSheet);
    shoot(&form, out.filePath(QStringLiteral("print.png")));

    // The four layout pictures side by side, each with its name under it.
    const std::pair<ImageBox*, QString> layouts[] = {
        {findControl<ImageBox>(form, "ppImage"), QStringLiteral("Portrait - Portrait")},
        {findControl<ImageBox>(form, "llImage"), QStringLiteral("Landscape-Landscape")},
        {findControl<ImageBox>(form, "slImage"), QStringLiteral("Single on 4x6 paper")},
        {findControl<ImageBox>(form, "FourupImage"), QStringLiteral("4 on Sheet")},
    };
    constexpr int Cell = 150;
    QImage sheet(4 * Cell, 130, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    {
        QPainter p(&sheet);
        QFont f(QStringLiteral("Liberation Sans"));
        f.setPixelSize(12);
        p.setFont(f);
        for (int i = 0; i < 4; ++i) {
            const QImage& picture = layouts[i].first->canvas();
            const QSize size = picture.size();
            p.drawImage(QRect(QPoint(i * Cell + (Cell - size.width()) / 2, 8), size), picture);
            p.drawText(QRect(i * Cell, 104, Cell, 20), Qt::AlignCenter, layouts[i].second);
        }
    }
    const QString layoutsPath = out.filePath(QStringLiteral("layouts.png"));
    sheet.save(layoutsPath);
    std::printf("%s\n", qPrintable(layoutsPath));
    form.hide();
    return 0;
}
