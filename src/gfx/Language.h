#pragma once
// The language the program speaks: chosen from the system's locale as GNU gettext chooses, the
// translations built into the program (translations/*.ts, compiled at build time), English
// otherwise. What the window shows, its messages and dialogs, the command line's help and the
// texts the program prints on a card follow it; the user's own texts stay as typed.
#include <QString>
#include <QStringList>
#include <functional>

class QCoreApplication;

// The languages the program has translations for besides English, by their ISO 639-1 codes
// ("de", "fr", ...), sorted: one for each compiled translation built in.
QStringList builtInLanguages();

// The language to speak by the environment's variables (read through `variable`), out of
// `available`; empty for English. As gettext: a locale of "C" or "POSIX" (the first set of
// LC_ALL, LC_MESSAGES, LANG) is English whatever LANGUAGE says; otherwise LANGUAGE's list
// (colon-separated, in order of preference) and then that locale. An entry like "de_AT.UTF-8"
// or "de" names German; the first one the program has wins, and "en" in the list stops the
// search at English.
QString chooseLanguage(const std::function<QString(const char*)>& variable,
                       const QStringList& available);
// The same with the process's environment and the built-in translations.
QString systemLanguage();

// Makes the application speak `language` (empty or "en": English): installs the program's
// translation and Qt's own for its standard dialogs and buttons, where the system has it,
// replacing those of an earlier call. False when the program has no translation for it (it then
// speaks English).
bool installLanguage(QCoreApplication& application, const QString& language);
