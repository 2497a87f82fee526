#pragma once
// The one error type of the graphics, file and printer layers. Handlers never catch it
// themselves: the handler guard shows its text in the error box.
#include <QString>
#include <stdexcept>

class AppError : public std::runtime_error
{
public:
    // `details`: what a library said (a decoder's error code, say), for a status bar or a
    // details box; never part of the sentence a person reads.
    explicit AppError(const QString& text, const QString& details = {})
        : std::runtime_error(text.toStdString()), text_(text), details_(details)
    {
    }
    const QString& text() const { return text_; }
    const QString& details() const { return details_; }

private:
    QString text_;
    QString details_;
};

// "Cannot open file "%s". %s" and "Cannot create file "%s". %s" with the system's reason.
[[noreturn]] void raiseCannotOpen(const QString& fileName, const QString& reason);
[[noreturn]] void raiseCannotCreate(const QString& fileName, const QString& reason);
