// The program's languages: chosen from the environment as gettext chooses, built into the
// program, complete and current, and spoken by the window.
#include "gfx/Language.h"
#include "back/CardBack.h"
#include "geometry/PrinterMetrics.h"
#include "geometry/SheetLayout.h"
#include "print/AlignmentPages.h"
#include "support/FormFixture.h"
#include "support/ImageChecks.h"
#include "support/WindowControls.h"

#include <QApplication>
#include <QDomDocument>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextEdit>
#include <map>
#include <set>

namespace
{

const QStringList Translated = {QStringLiteral("de"), QStringLiteral("es"), QStringLiteral("fr"),
                                QStringLiteral("it")};

QString choose(const std::map<std::string, QString>& environment)
{
    return chooseLanguage(
        [&](const char* name) {
            const auto found = environment.find(name);
            return found == environment.end() ? QString() : found->second;
        },
        Translated);
}

// One message of a translation file.
struct Message {
    QString context, source, translation;
    bool finished = false;
};

QList<Message> readTs(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QDomDocument document;
    if (!document.setContent(&file))
        return {};
    QList<Message> messages;
    for (QDomElement context =
             document.documentElement().firstChildElement(QStringLiteral("context"));
         !context.isNull(); context = context.nextSiblingElement(QStringLiteral("context"))) {
        const QString name = context.firstChildElement(QStringLiteral("name")).text();
        for (QDomElement m = context.firstChildElement(QStringLiteral("message")); !m.isNull();
             m = m.nextSiblingElement(QStringLiteral("message"))) {
            const QDomElement t = m.firstChildElement(QStringLiteral("translation"));
            messages.append({name, m.firstChildElement(QStringLiteral("source")).text(), t.text(),
                             !t.hasAttribute(QStringLiteral("type"))});
        }
    }
    return messages;
}

QString tsFile(const QString& language)
{
    return QStringLiteral(TALMIRO_SOURCE_DIR "/translations/talmiro_%1.ts").arg(language);
}

// The place markers (%1, %2, ...) of a text, sorted.
QStringList markers(const QString& text)
{
    QStringList found;
    static const QRegularExpression marker(QStringLiteral("%L?\\d"));
    for (const auto& match : marker.globalMatch(text))
        found << match.captured().remove(QLatin1Char('L'));
    found.sort();
    return found;
}

// Every text a person reads in the window: captions, items, tabs, menus, hints, tooltips, the
// names screen readers say, and the default texts of the card's edits.
QStringList windowTexts(const QWidget& window)
{
    QStringList texts;
    const auto add = [&](const QString& text) {
        if (!text.trimmed().isEmpty())
            texts << text;
    };
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (w->objectName().startsWith(QLatin1String("qt_")))
            continue;
        add(w->toolTip());
        add(w->accessibleName());
        add(w->property("hint").toString());
        if (auto* label = qobject_cast<const QLabel*>(w))
            add(label->text());
        else if (auto* button = qobject_cast<const QAbstractButton*>(w))
            add(button->text());
        else if (auto* box = qobject_cast<const QGroupBox*>(w))
            add(box->title());
        else if (auto* edit = qobject_cast<const QTextEdit*>(w))
            add(edit->toPlainText());
        else if (auto* group = qobject_cast<const RadioGroup*>(w))
            for (const QString& item : group->items())
                add(item);
        else if (auto* tabs = qobject_cast<const QTabWidget*>(w))
            for (int i = 0; i < tabs->count(); ++i)
                if (tabs->widget(i)->objectName() != QLatin1String("HiddenImagesTabSheet"))
                    add(tabs->tabText(i));
    }
    for (const QAction* action : window.findChildren<QAction*>()) {
        add(action->text());
        add(action->property("hint").toString());
    }
    add(window.windowTitle());
    return texts;
}

// Numbers and signs, the same in every language.
bool numbersOnly(const QString& text)
{
    static const QRegularExpression numbers(QStringLiteral("^[-\\d\\s%().,:/]*$"));
    return numbers.match(text).hasMatch();
}

// The texts a translation keeps as in English ("Text" in German, "No" in Spanish, names): each
// source whose translation is itself, its place markers matching anything.
QList<QRegularExpression> keptAsInEnglish(const QString& language)
{
    QList<QRegularExpression> kept;
    for (const Message& m : readTs(tsFile(language)))
        if (m.translation == m.source) {
            QString pattern = QRegularExpression::escape(m.source);
            pattern.replace(QRegularExpression(QStringLiteral("\\\\%\\d")), QStringLiteral(".*"));
            kept << QRegularExpression(QRegularExpression::anchoredPattern(pattern));
        }
    return kept;
}

} // namespace

TEST(Language, ChosenFromTheLocaleAsGettextChoosesIt)
{
    EXPECT_EQ(choose({{"LANG", QStringLiteral("de_DE.UTF-8")}}), QStringLiteral("de"));
    EXPECT_EQ(choose({{"LANG", QStringLiteral("fr_CA")}}), QStringLiteral("fr"));
    EXPECT_EQ(choose({{"LANG", QStringLiteral("es_ES.UTF-8@euro")}}), QStringLiteral("es"));
    EXPECT_EQ(choose({{"LANG", QStringLiteral("it")}}), QStringLiteral("it"));
    // LC_ALL before LC_MESSAGES before LANG.
    EXPECT_EQ(choose({{"LC_ALL", QStringLiteral("it_IT.UTF-8")},
                      {"LC_MESSAGES", QStringLiteral("fr_FR")},
                      {"LANG", QStringLiteral("de_DE")}}),
              QStringLiteral("it"));
    EXPECT_EQ(choose({{"LC_MESSAGES", QStringLiteral("fr_FR")}, {"LANG", QStringLiteral("de_DE")}}),
              QStringLiteral("fr"));
    // LANGUAGE's list first, in its order, skipping languages the program lacks.
    EXPECT_EQ(
        choose({{"LANGUAGE", QStringLiteral("pt_BR:es:de")}, {"LANG", QStringLiteral("de_DE")}}),
        QStringLiteral("es"));
    EXPECT_EQ(choose({{"LANGUAGE", QStringLiteral("pt_BR:pt")}, {"LANG", QStringLiteral("fr_FR")}}),
              QStringLiteral("fr"));
    // English where asked for, where nothing fits, and under the C locale.
    EXPECT_EQ(choose({{"LANGUAGE", QStringLiteral("en_GB:de")}, {"LANG", QStringLiteral("de_DE")}}),
              QString());
    EXPECT_EQ(choose({{"LANG", QStringLiteral("pt_BR.UTF-8")}}), QString());
    EXPECT_EQ(choose({{"LANGUAGE", QStringLiteral("de")}, {"LANG", QStringLiteral("C")}}),
              QString());
    EXPECT_EQ(choose({{"LANGUAGE", QStringLiteral("de")}, {"LC_ALL", QStringLiteral("C.UTF-8")}}),
              QString());
    EXPECT_EQ(choose({{"LANG", QStringLiteral("POSIX")}}), QString());
    EXPECT_EQ(choose({}), QString());
    EXPECT_EQ(choose({{"LANG", QStringLiteral("d")}}), QString());
}

TEST(Language, TheFourTranslationsAreBuiltIn)
{
    EXPECT_EQ(builtInLanguages(), Translated);
}

TEST(Language, InstallingOneSpeaksItAndEnglishComesBack)
{
    const QString continueText = QStringLiteral("Continue");
    QStringList spoken;
    for (const QString& language : Translated) {
        ASSERT_TRUE(installLanguage(*qApp, language)) << language.toStdString();
        spoken << QCoreApplication::translate("TForm1", "Continue");
        EXPECT_NE(spoken.last(), continueText) << language.toStdString();
    }
    EXPECT_EQ(QSet<QString>(spoken.begin(), spoken.end()).size(), spoken.size());
    EXPECT_TRUE(installLanguage(*qApp, QString()));
    EXPECT_EQ(QCoreApplication::translate("TForm1", "Continue"), continueText);
    // A language the program lacks: English, and said so.
    EXPECT_FALSE(installLanguage(*qApp, QStringLiteral("pt")));
    EXPECT_EQ(QCoreApplication::translate("TForm1", "Continue"), continueText);
}

TEST(Language, EveryTranslationIsCompleteAndKeepsThePlaceMarkers)
{
    for (const QString& language : Translated) {
        const QList<Message> messages = readTs(tsFile(language));
        ASSERT_GT(messages.size(), 100) << language.toStdString();
        for (const Message& m : messages) {
            const std::string where =
                QStringLiteral("%1, %2: \"%3\"").arg(language, m.context, m.source).toStdString();
            EXPECT_TRUE(m.finished) << where << " is unfinished";
            EXPECT_FALSE(m.translation.trimmed().isEmpty()) << where << " is not translated";
            EXPECT_EQ(markers(m.translation).join(QLatin1Char(' ')).toStdString(),
                      markers(m.source).join(QLatin1Char(' ')).toStdString())
                << where;
            // A text that ends in a space or a line break ends so in every language.
            EXPECT_EQ(m.translation.endsWith(QLatin1Char(' ')), m.source.endsWith(QLatin1Char(' ')))
                << where;
            EXPECT_EQ(m.translation.endsWith(QLatin1Char('\n')),
                      m.source.endsWith(QLatin1Char('\n')))
                << where;
        }
    }
}

TEST(Language, TheTranslationsHoldEveryTextMarkedInTheSources)
{
    // The texts lupdate finds now in the sources and the window's form, as the
    // update_translations target gathers them.
    QTemporaryDir scratch;
    const QString fresh = scratch.filePath(QStringLiteral("fresh.ts"));
    QProcess lupdate;
    lupdate.start(QStringLiteral(TALMIRO_LUPDATE),
                  {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                   QStringLiteral(TALMIRO_SOURCE_DIR "/src"),
                   QStringLiteral(TALMIRO_SOURCE_DIR "/resources/TForm1.ui"), QStringLiteral("-ts"),
                   fresh});
    ASSERT_TRUE(lupdate.waitForFinished(120000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
    std::set<std::pair<QString, QString>> marked;
    for (const Message& m : readTs(fresh))
        marked.insert({m.context, m.source});
    ASSERT_GT(marked.size(), 100u);
    for (const QString& language : Translated) {
        std::set<std::pair<QString, QString>> held;
        for (const Message& m : readTs(tsFile(language)))
            held.insert({m.context, m.source});
        for (const auto& [context, source] : marked)
            EXPECT_TRUE(held.count({context, source}))
                << language.toStdString() << " lacks " << context.toStdString() << ": \""
                << source.toStdString() << "\" (cmake --build build --target update_translations)";
        for (const auto& [context, source] : held)
            EXPECT_TRUE(marked.count({context, source}))
                << language.toStdString()
                << " holds a text no source has: " << context.toStdString() << ": \""
                << source.toStdString() << "\"";
    }
}

TEST(Language, ARadioGroupTranslatedAfterItsChoiceKeepsTheChoiceAndItsButtons)
{
    // As the generated form does: the choice first, the items with the texts afterwards.
    RadioGroup group;
    group.setItemIndex(1);
    group.setItems({QStringLiteral("Book"), QStringLiteral("Calendar")});
    EXPECT_EQ(group.itemIndex(), 1);
    ASSERT_TRUE(group.button(1));
    EXPECT_TRUE(group.button(1)->isChecked());
    // Translated again: the same buttons with new captions, the choice as it was, no change
    // signalled.
    QAbstractButton* const calendar = group.button(1);
    int changes = 0;
    QObject::connect(&group, &RadioGroup::changed, [&](int) { ++changes; });
    group.setItems({QStringLiteral("Buch"), QStringLiteral("Kalender")});
    EXPECT_EQ(group.button(1), calendar);
    EXPECT_EQ(calendar->text(), QStringLiteral("Kalender"));
    EXPECT_EQ(group.itemIndex(), 1);
    EXPECT_TRUE(calendar->isChecked());
    EXPECT_EQ(changes, 0);
    // Other items are laid out anew.
    group.setItems({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    EXPECT_EQ(group.button(2)->text(), QStringLiteral("c"));
    EXPECT_EQ(group.itemIndex(), 1);
}

TEST(Language, TheAlignmentTestPagesKeepTheirWordsOnTheCardsInEveryLanguage)
{
    for (const QString& language : QStringList{QStringLiteral("en")} + Translated) {
        ASSERT_TRUE(installLanguage(*qApp, language));
        for (const Layout layout : {Layout::PortraitPortrait, Layout::LandscapeLandscape,
                                    Layout::SingleOn4x6, Layout::FourOnSheet}) {
            AlignmentSheet sheet =
                alignmentSheetFor(layout, nominalMetrics(), SheetTurn::Book, QPoint());
            sheet.acrossNudge = QCoreApplication::translate("TForm1", "Print Image Adj");
            sheet.downNudge = QCoreApplication::translate("TForm1", "Print Adj Down");
            // The page of fronts carries the words; the backs' pointers reach past their cards
            // by design.
            for (const AlignmentPatch& patch : alignmentFrontPatches(sheet))
                EXPECT_TRUE(
                    std::any_of(sheet.cards.begin(), sheet.cards.end(),
                                [&](const auto& c) { return c.front.contains(patch.area); }))
                    << language.toStdString() << ", layout " << int(layout)
                    << ": a mark of the page of fronts runs off its card";
        }
    }
    installLanguage(*qApp, QString());
}

// The window made in each language shows no text of the English window, but for numbers and
// the texts its translation keeps as they are.
class WindowLanguage : public FormFixture, public ::testing::WithParamInterface<QString>
{
protected:
    void SetUp() override
    {
        english = windowTexts(*std::make_unique<TForm1>(dialogs, printer));
        ASSERT_TRUE(installLanguage(*qApp, GetParam()));
        FormFixture::SetUp();
    }
    void TearDown() override
    {
        FormFixture::TearDown();
        installLanguage(*qApp, QString());
    }
    QStringList english;
};

TEST_P(WindowLanguage, EveryTextOfTheWindowIsTranslated)
{
    activate();
    pressContinue();
    const QStringList shown = windowTexts(*form);
    EXPECT_GT(shown.size(), 150);
    const QSet<QString> englishTexts(english.begin(), english.end());
    const QList<QRegularExpression> kept = keptAsInEnglish(GetParam());
    QStringList untranslated;
    for (const QString& text : shown)
        if (englishTexts.contains(text) && !numbersOnly(text) &&
            std::none_of(kept.begin(), kept.end(),
                         [&](const auto& same) { return same.match(text).hasMatch(); }))
            untranslated << text;
    EXPECT_TRUE(untranslated.isEmpty())
        << "In English still: \"" << untranslated.join(QStringLiteral("\", \"")).toStdString()
        << "\"";
}

INSTANTIATE_TEST_SUITE_P(Translated, WindowLanguage, ::testing::ValuesIn(Translated),
                         [](const auto& info) { return info.param.toStdString(); });

// A card back drawn in each language and layout, with every part the window offers: the
// caption ("PostCard" in the post office's word) stays clear of the stamp box, and the stamp's
// text stays inside it.
class CardBackLanguage : public FormFixture, public ::testing::WithParamInterface<QString>
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

TEST_P(CardBackLanguage, TheCaptionAndTheStampTextKeepToTheirPlaces)
{
    activate();
    // The About page's sample: its bar code text, written from x = 425 on the 600 pixels wide
    // sample, ends before the sample's edge, where it would be cut.
    const QImage& about = findControl<ImageBox>(*form, "AboutSampleImage")->canvas();
    const QRect barCodeText = inkIn(about, QRect(425, 320, 175, 29));
    ASSERT_NE(barCodeText, QRect());
    EXPECT_LT(barCodeText.right(), about.width() - 3) << "the sample's bar code text is cut";
    pressContinue();
    findControl<RadioGroup>(*form, "StampBorderRadioGroup")->setChoice(StampBorder::ThinBox);
    findControl<RadioGroup>(*form, "AddressSeperatorRadioGroup")
        ->setChoice(AddressSeparator::VerticalText);
    findControl<RadioGroup>(*form, "PostalBarCodeBoxRadioGroup")->setChoice(PostalBarCodeBox::Yes);
    findControl<RadioGroup>(*form, "PostCardRadioGroup")->setChoice(PostCardCaption::Yes);
    findControl<RadioGroup>(*form, "AddressLinesRadioGroup")->setChoice(AddressLines::Lines);
    auto* tabs = findControl<QTabWidget>(*form, "PageControl1");
    for (const Layout layout : {Layout::PortraitPortrait, Layout::LandscapeLandscape,
                                Layout::SingleOn4x6, Layout::FourOnSheet}) {
        findControl<RadioGroup>(*form, "TypeOfDeckRadioGroup")->setChoice(layout);
        userSelects(tabs, findControl<QWidget>(*form, "TextTabSheet"));
        userSelects(tabs, findControl<QWidget>(*form, "StandardTabSheet"));
        const QImage& sheet = form->state().BackSheetImage;
        const std::string where =
            GetParam().toStdString() + ", layout " + std::to_string(int(layout));
        // The stamp box as the card draws it: 150 x 170 in the top right corner's margins.
        const int m = backMargin(layout, form->state().Metrics);
        const QRect box(QPoint(sheet.width() - m - 150, m), QPoint(sheet.width() - m, m + 170));
        ASSERT_NE(inkIn(sheet, box), QRect()) << where;
        // No blue of the caption in or on the box.
        int blue = 0;
        for (int y = box.top() - 2; y <= box.bottom() + 2; ++y)
            for (int x = box.left() - 2; x <= box.right() + 2; ++x) {
                const QColor c = sheet.pixelColor(x, y);
                blue += c.blue() > c.red() + 60 && c.blue() > c.green() + 60;
            }
        EXPECT_EQ(blue, 0) << where << ": the caption runs into the stamp box";
        // Nothing right of the box, where a stamp text too wide for it would run out.
        EXPECT_EQ(inkIn(sheet, QRect(QPoint(box.right() + 2, box.top()),
                                     QPoint(sheet.width() - 1, box.bottom()))),
                  QRect())
            << where << ": the stamp text runs out of its box";
    }
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, CardBackLanguage,
                         ::testing::Values(QStringLiteral("en"), QStringLiteral("de"),
                                           QStringLiteral("es"), QStringLiteral("fr"),
                                           QStringLiteral("it")),
                         [](const auto& info) { return info.param.toStdString(); });
