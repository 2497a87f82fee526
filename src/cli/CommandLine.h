#pragma once
// The program's command line: a design exported or printed without a window or a display.
#include <QString>

// Whether the arguments after the program's name ask for the command line: any of them is an
// option. A design alone, or nothing, opens the window.
bool wantsCommandLine(int argc, char** argv);

// Gives Qt the program's name, version and maker, for the window and the command line alike.
void nameApplication(const QString& version);

// Runs the command line and returns the exit status: 0 done, 1 an error (said on standard
// error in the window's words; no file is left), 2 bad usage. Its actions run in a
// QGuiApplication on the offscreen platform unless another is chosen.
int runCommandLine(int argc, char** argv, const QString& version);
