#include "base/Errors.h"

EAuralisError::EAuralisError(const QString &message)
    : m_message(message)
    , m_utf8(message.toUtf8())
{
}

namespace Errors {

void invalidFloat(const QString &text)
{
    throw EAuralisError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
}

void invalidInteger(const QString &text)
{
    throw EAuralisError(QStringLiteral("'%1' is not a valid integer value").arg(text));
}

void listIndexOutOfBounds()
{
    throw EAuralisError(QStringLiteral("List index out of bounds"));
}

void cannotOpenFile(const QString &path)
{
    throw EAuralisError(QStringLiteral("Cannot open file %1").arg(path));
}

void unableToWrite(const QString &path)
{
    throw EAuralisError(QStringLiteral("Unable to write to %1").arg(path));
}

}
