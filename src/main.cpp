#include "gfx/Language.h"
#include "app/ProgramVersion.h"
#include "app/QtDialogs.h"
#include "app/TForm1.h"
#include "cli/CommandLine.h"
#include "gfx/SheetText.h"
#include "qtprinter/QtPrinterDevice.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char* argv[])
{
    // An option asks for the command line, which needs no window and no display.
    if (wantsCommandLine(argc, argv))
        return runCommandLine(argc, argv, QString::fromLatin1(ProgramVersion));

    QApplication app(argc, argv);
    nameApplication(QString::fromLatin1(ProgramVersion));
    installFontSubstitutions();
    // The system's language where the program has it (LANGUAGE, LANG, ...), English otherwise.
    installLanguage(app, systemLanguage());

    QtPrinterDevice printer;
    QtDialogs dialogs(printer);
    TForm1 form(dialogs, printer);
    dialogs.setParent(&form);
    // A design given on the command line (a double-click on a design file) opens once the
    // window is shown.
    form.openDesignAtStart(QCoreApplication::arguments().mid(1));
    form.move(form.screen()->availableGeometry().center() - form.rect().center());
    form.show();
    return app.exec();
}
