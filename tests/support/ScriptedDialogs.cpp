#include "ScriptedDialogs.h"

namespace
{

template <typename T> std::optional<T> take(std::deque<std::optional<T>>& queue)
{
    if (queue.empty())
        return std::nullopt;
    const bool answered = queue.front().has_value();
    T value = answered ? *queue.front() : T();
    queue.pop_front();
    if (!answered)
        return std::nullopt;
    return value;
}

bool take(std::deque<bool>& queue, bool fallback)
{
    if (queue.empty())
        return fallback;
    const bool value = queue.front();
    queue.pop_front();
    return value;
}

} // namespace

std::optional<QString> ScriptedDialogs::openPicture(const FileDialogSettings& settings)
{
    openShown.push_back(settings);
    log << QStringLiteral("open");
    return take(openAnswers);
}

std::optional<QStringList> ScriptedDialogs::openPictures(const FileDialogSettings& settings)
{
    if (openSeveralAnswers.empty())
        return Dialogs::openPictures(settings);
    openShown.push_back(settings);
    log << QStringLiteral("open");
    return take(openSeveralAnswers);
}

std::optional<QString> ScriptedDialogs::savePicture(const FileDialogSettings& settings)
{
    saveShown.push_back(settings);
    log << QStringLiteral("save");
    return take(saveAnswers);
}

std::optional<QString> ScriptedDialogs::openFile(const FileDialogSettings& settings)
{
    openFileShown.push_back(settings);
    log << QStringLiteral("openFile");
    return take(openFileAnswers);
}

std::optional<QString> ScriptedDialogs::saveFile(const FileDialogSettings& settings)
{
    saveFileShown.push_back(settings);
    log << QStringLiteral("saveFile");
    return take(saveFileAnswers);
}

std::optional<QFont> ScriptedDialogs::chooseFont(const QFont& initial, bool scalableOnly)
{
    fontShown.push_back(initial);
    fontScalableOnly.push_back(scalableOnly);
    log << QStringLiteral("font");
    return take(fontAnswers);
}

std::optional<QColor> ScriptedDialogs::chooseColor(const QColor& initial)
{
    colorShown.push_back(initial);
    log << QStringLiteral("color");
    return take(colorAnswers);
}

bool ScriptedDialogs::printerSetup()
{
    ++printerSetups;
    log << QStringLiteral("printer");
    return take(printerSetupAnswers, false);
}

void ScriptedDialogs::message(const QString& text)
{
    messages << text;
    log << QStringLiteral("message:") + text;
}

bool ScriptedDialogs::question(const QString& title, const QString& text)
{
    questions << title + QLatin1Char('|') + text;
    log << QStringLiteral("question:") + title;
    return take(questionAnswers, true);
}

DialogAnswer ScriptedDialogs::yesNoCancel(const QString& title, const QString& text)
{
    questions << title + QLatin1Char('|') + text;
    log << QStringLiteral("yesNoCancel:") + title;
    if (yesNoCancelAnswers.empty())
        return DialogAnswer::Cancel;
    const DialogAnswer answer = yesNoCancelAnswers.front();
    yesNoCancelAnswers.pop_front();
    return answer;
}

void ScriptedDialogs::error(const QString& text)
{
    errorWithDetails(text, QString());
}

void ScriptedDialogs::errorWithDetails(const QString& text, const QString& details)
{
    errors << text;
    errorDetails << details;
    log << QStringLiteral("error:") + text;
}

bool ScriptedDialogs::waitForWork(const QString& text, const std::function<bool()>& done)
{
    waitsShown << text;
    log << QStringLiteral("wait:") + text;
    if (duringWait)
        duringWait();
    if (take(waitCancels, false))
        return false;
    return Dialogs::waitForWork(text, done);
}
