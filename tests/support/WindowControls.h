#pragma once
// The main window's controls as a test reaches them: by their object names, the names the
// window's form gives them, as a user finds them by their captions.
#include "app/widgets/ImageBox.h"
#include "app/widgets/RadioGroup.h"
#include "app/widgets/UpDown.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QWidget>
#include <QtGlobal>

// The window's control of that name and type. A test that names one the window does not have
// stops there, naming it.
template <typename T> T* findControl(const QWidget& window, const char* name)
{
    T* found = window.findChild<T*>(QLatin1String(name));
    if (!found)
        qFatal("The window has no %s named \"%s\"", T::staticMetaObject.className(), name);
    return found;
}
