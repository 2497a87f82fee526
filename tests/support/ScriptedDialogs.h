#pragma once
// Dialogs answered from a script: each kind of dialog takes its answers from its own queue
// (an empty queue means Cancel, or Yes for questions) and every call is logged.
#include "app/Dialogs.h"

#include <QStringList>
#include <deque>
#include <functional>

class ScriptedDialogs : public Dialogs
{
public:
    std::deque<std::optional<QString>> openAnswers;
    // Answers of the open dialog that takes several pictures; while empty it takes openAnswers.
    std::deque<std::optional<QStringList>> openSeveralAnswers;
    std::deque<std::optional<QString>> saveAnswers;
    std::deque<std::optional<QFont>> fontAnswers;
    std::deque<std::optional<QColor>> colorAnswers;
    std::deque<bool> questionAnswers;
    std::deque<bool> printerSetupAnswers;
    // For each wait box: true presses Cancel as soon as it shows; an empty queue waits to the
    // end. `duringWait` runs while each box shows, before it is answered.
    std::deque<bool> waitCancels;
    std::function<void()> duringWait;
    std::deque<std::optional<QString>> openFileAnswers;
    std::deque<std::optional<QString>> saveFileAnswers;
    std::deque<DialogAnswer> yesNoCancelAnswers; // an empty queue answers Cancel

    // What was shown.
    std::vector<FileDialogSettings> openShown;
    std::vector<FileDialogSettings> saveShown;
    std::vector<QFont> fontShown;
    std::vector<bool> fontScalableOnly;
    std::vector<QColor> colorShown;
    QStringList messages;
    QStringList errors;
    QStringList errorDetails; // what each error had behind its details button
    std::vector<FileDialogSettings> openFileShown;
    std::vector<FileDialogSettings> saveFileShown;
    QStringList questions; // "title|text", of both kinds of question
    int printerSetups = 0;
    QStringList waitsShown;
    // Log of every dialog in order: "open", "save", "font", "color", "printer",
    // "message:TEXT", "question:TITLE", "error:TEXT", "wait:TEXT", "openFile", "saveFile",
    // "yesNoCancel:TITLE".
    QStringList log;

    std::optional<QString> openPicture(const FileDialogSettings& settings) override;
    std::optional<QStringList> openPictures(const FileDialogSettings& settings) override;
    std::optional<QString> savePicture(const FileDialogSettings& settings) override;
    std::optional<QString> openFile(const FileDialogSettings& settings) override;
    std::optional<QString> saveFile(const FileDialogSettings& settings) override;
    std::optional<QFont> chooseFont(const QFont& initial, bool scalableOnly) override;
    std::optional<QColor> chooseColor(const QColor& initial) override;
    bool printerSetup() override;
    void message(const QString& text) override;
    bool question(const QString& title, const QString& text) override;
    DialogAnswer yesNoCancel(const QString& title, const QString& text) override;
    void error(const QString& text) override;
    void errorWithDetails(const QString& text, const QString& details) override;
    bool waitForWork(const QString& text, const std::function<bool()>& done) override;
};
