#pragma once

#include <QString>
#include <exception>

// The program's one error type. Conversions, list access, file opens and settings
// writes throw it; the general handler (windows/ErrorBox.h) shows its message in the
// error box and the interrupted command ends.
class EAuralisError : public std::exception
{
public:
    explicit EAuralisError(const QString &message);
    const QString &message() const noexcept { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

namespace Errors {
// "'%s' is not a valid floating point value"
[[noreturn]] void invalidFloat(const QString &text);
// "'%s' is not a valid integer value"
[[noreturn]] void invalidInteger(const QString &text);
// "List index out of bounds"
[[noreturn]] void listIndexOutOfBounds();
// "Cannot open file %s"
[[noreturn]] void cannotOpenFile(const QString &path);
// "Unable to write to %s"
[[noreturn]] void unableToWrite(const QString &path);
}
