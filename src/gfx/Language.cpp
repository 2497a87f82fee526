#include "Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>
#include <algorithm>
#include <memory>

namespace
{

const QString TranslationFolder = QStringLiteral(":/translations");
const QString ProgramPrefix = QStringLiteral("talmiro_");

// "de_AT.UTF-8@euro" and "de" both name "de"; "C", "POSIX" and nonsense name nothing.
QString languageOf(const QString& entry)
{
    QString code = entry.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    code = code.section(QLatin1Char('_'), 0, 0).section(QLatin1Char('-'), 0, 0).toLower();
    const bool letters =
        code.size() >= 2 && code.size() <= 3 &&
        std::all_of(code.begin(), code.end(), [](QChar c) { return c >= u'a' && c <= u'z'; });
    return letters ? code : QString();
}

// The translators this process installed, replaced by the next installLanguage.
std::unique_ptr<QTranslator>& programTranslator()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

std::unique_ptr<QTranslator>& qtTranslator()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

} // namespace

QStringList builtInLanguages()
{
    Q_INIT_RESOURCE(talmiro_gfx_translations);
    QStringList languages;
    const QStringList files =
        QDir(TranslationFolder)
            .entryList({ProgramPrefix + QStringLiteral("*.qm")}, QDir::Files, QDir::Name);
    for (const QString& file : files)
        languages << file.mid(ProgramPrefix.size()).chopped(3);
    return languages;
}

QString chooseLanguage(const std::function<QString(const char*)>& variable,
                       const QStringList& available)
{
    QString locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = variable(name);
        if (!locale.isEmpty())
            break;
    }
    if (locale == QLatin1String("C") || locale == QLatin1String("POSIX") ||
        locale.startsWith(QLatin1String("C.")))
        return {};
    QStringList wanted = variable("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    wanted << locale;
    for (const QString& entry : wanted) {
        const QString language = languageOf(entry);
        if (language == QLatin1String("en"))
            return {};
        if (available.contains(language))
            return language;
    }
    return {};
}

QString systemLanguage()
{
    return chooseLanguage([](const char* name) { return qEnvironmentVariable(name); },
                          builtInLanguages());
}

bool installLanguage(QCoreApplication& application, const QString& language)
{
    for (auto* held : {&programTranslator(), &qtTranslator()})
        if (*held) {
            application.removeTranslator(held->get());
            held->reset();
        }
    if (language.isEmpty() || language == QLatin1String("en"))
        return true;
    if (!builtInLanguages().contains(language))
        return false;
    auto program = std::make_unique<QTranslator>();
    if (!program->load(ProgramPrefix + language, TranslationFolder))
        return false;
    application.installTranslator(program.get());
    programTranslator() = std::move(program);
    // Qt's own words (Yes, No, Cancel, the file and colour dialogs), from Qt's translations
    // package where it is installed.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + language,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        application.installTranslator(qt.get());
        qtTranslator() = std::move(qt);
    }
    return true;
}
