#pragma once
// A main window on the recording printer and scripted dialogs, as the program creates it.
#include "QtPrinters.h"
#include "RecordingPrinter.h"
#include "ScriptedDialogs.h"
#include "UserPictures.h"
#include "app/TForm1.h"
#include "support/WindowControls.h"

#include <QDir>
#include <QSettings>
#include <gtest/gtest.h>
#include <memory>

class FormFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Every window starts from the settings of a first run.
        QSettings(QStringLiteral("Talmiro"), QStringLiteral("Talmiro Postcard Print")).clear();
        form = std::make_unique<TForm1>(dialogs, printer);
    }
    void TearDown() override { form.reset(); }

    // The first activation of the window, as when it is first shown.
    void activate()
    {
        form->guard([this] { form->FormActivate(); });
    }
    // Presses "Continue" on the About page; a corner picture dialog that opens is cancelled
    // unless the test queued an answer.
    void pressContinue() { findControl<QPushButton>(*form, "ContinueButton")->click(); }
    // Selects a tab as the user does (runs the tab-change handler).
    void userSelects(QTabWidget* tabs, QWidget* page) { tabs->setCurrentWidget(page); }
    // The path of a page or picture file in the window's work folder.
    QString workFile(const QString& name) const
    {
        return QDir(form->state().WorkFolder).filePath(name);
    }
    // "Open..." on the front preview's menu, answered with `file`.
    void openFrontPicture(const QString& file) { ::openFrontPicture(*form, dialogs, file); }
    // Presses Print with the backs' page or the front page shown; returns the number of
    // documents the print began.
    int printFromTab(bool fronts)
    {
        userSelects(findControl<QTabWidget>(*form, "PageControl1"),
                    fronts ? findControl<QWidget>(*form, "FrontTabSheet")
                           : findControl<QWidget>(*form, "TextTabSheet"));
        const int before = printer.documentsBegun;
        findControl<QPushButton>(*form, "PrintButton")->click();
        return printer.documentsBegun - before;
    }

    ScriptedDialogs dialogs;
    RecordingPrinter printer;
    std::unique_ptr<TForm1> form;
};
