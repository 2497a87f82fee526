#pragma once
// Pictures a test gives the window as a user does: saved as files, then opened through the
// window's own menus with the scripted file dialog answering.
#include <QImage>
#include <QString>

class TForm1;
class ScriptedDialogs;

// Saves `image` losslessly (PNG) as `path` and returns the path; the test fails if it cannot.
QString savedPicture(const QImage& image, const QString& path);
// "Open..." on the front preview's menu, answered with `file`.
void openFrontPicture(TForm1& form, ScriptedDialogs& dialogs, const QString& file);
// "Open Image..." on the corner preview's menu, answered with `file`, and "Image" chosen for the
// lower-left corner.
void openCornerPicture(TForm1& form, ScriptedDialogs& dialogs, const QString& file);

// Gives the window's cards the turn's markers, for the layout chosen, through picture files in
// `folder`: the back's lower-left corner picture (drawn at half size at (M, H - M - 150)), and
// on the front where that corner comes to lie behind it once the card is turned (its lower
// right, at (W - M - 300, H - M - 150)). M is the back's margin on the printer as last read.
void markTurnCards(TForm1& form, ScriptedDialogs& dialogs, const QString& folder);
