#include "base/Errors.h"

#include <QCoreApplication>

EAuralisError::EAuralisError(const QString &message)
    : m_message(message)
    , m_utf8(message.toUtf8())
{
}

namespace Errors {

void invalidFloat(const QString &text)
{
    throw EAuralisError(
        QCoreApplication::translate("Errors", "'%1' is not a valid floating point value")
            .arg(text));
}

void invalidInteger(const QString &text)
{
    throw EAuralisError(
        QCoreApplication::translate("Errors", "'%1' is not a valid integer value").arg(text));
}

void listIndexOutOfBounds()
{
    throw EAuralisError(QCoreApplication::translate("Errors", "List index out of bounds"));
}

void cannotOpenFile(const QString &path)
{
    throw EAuralisError(QCoreApplication::translate("Errors", "Cannot open file %1").arg(path));
}

void unableToWrite(const QString &path)
{
    throw EAuralisError(QCoreApplication::translate("Errors", "Unable to write to %1").arg(path));
}

}
