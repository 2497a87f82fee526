#pragma once
// A text of the window kept as its English source (marked for lupdate with
// QT_TRANSLATE_NOOP("TForm1", ...)) and given in the program's language where it is used, so
// that texts defined before the language is chosen still speak it.
#include <QCoreApplication>
#include <QString>
#include <utility>

struct WindowText {
    const char* source;

    operator QString() const { return QCoreApplication::translate("TForm1", source); }
    template <typename... Args> QString arg(Args&&... args) const
    {
        return QString(*this).arg(std::forward<Args>(args)...);
    }
};
