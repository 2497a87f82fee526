#pragma once
// The one error type of the graphics, file and printer layers. Handlers never catch it
// themselves: the handler guard shows its text in the error box.
#include <QString>
#include <stdexcept>

class AppError : public std::runtime_error
{
public:
    explicit AppError(const QString& text) : std::runtime_error(text.toStdString()), text_(text) {}
    const QString& text() const { return text_; }

private:
    QString text_;
};

// "Cannot open file "%s". %s" and "Cannot create file "%s". %s" with the system's reason.
[[noreturn]] void raiseCannotOpen(const QString& fileName, const QString& reason);
[[noreturn]] void raiseCannotCreate(const QString& fileName, const QString& reason);
