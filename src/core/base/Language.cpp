#include "base/Language.h"

#include <QFileInfo>
#include <QHash>

namespace Language {

namespace {

QString g_current = QStringLiteral("en");

}

const QStringList &shipped()
{
    static const QStringList codes { QStringLiteral("de"), QStringLiteral("es"),
        QStringLiteral("fr"), QStringLiteral("it"), QStringLiteral("pl"), QStringLiteral("pt_BR"),
        QStringLiteral("zh_CN") };
    return codes;
}

QStringList accepted()
{
    return QStringList { QStringLiteral("en") } + shipped();
}

QString nativeName(const QString &code)
{
    // As each language writes its own name at the head of a list of languages.
    static const QHash<QString, QString> names { { QStringLiteral("en"),
                                                     QStringLiteral("English") },
        { QStringLiteral("de"), QStringLiteral("Deutsch") },
        { QStringLiteral("es"), QStringLiteral("Español") },
        { QStringLiteral("fr"), QStringLiteral("Français") },
        { QStringLiteral("it"), QStringLiteral("Italiano") },
        { QStringLiteral("pl"), QStringLiteral("Polski") },
        { QStringLiteral("pt_BR"), QStringLiteral("Português (Brasil)") },
        { QStringLiteral("zh_CN"), QStringLiteral("简体中文") } };
    return names.value(code, code);
}

QString match(const QString &localeName)
{
    // "de_DE.UTF-8@euro": the encoding and the modifier say nothing of the language.
    QString name = localeName.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    name.replace(QLatin1Char('-'), QLatin1Char('_'));
    if (name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX"))
        return QStringLiteral("en");
    const QString language = name.section(QLatin1Char('_'), 0, 0).toLower();
    const QString territory = name.section(QLatin1Char('_'), 1).toUpper();
    if (language == QLatin1String("en"))
        return language;
    const QString full = territory.isEmpty() ? language : language + QLatin1Char('_') + territory;
    if (shipped().contains(full))
        return full;
    if (shipped().contains(language))
        return language;
    // Simplified Chinese is written in China and Singapore, Traditional in Taiwan, Hong Kong
    // and Macao; "zh" alone, as LANGUAGE often has it, is taken as Simplified.
    if (language == QLatin1String("zh")) {
        static const QStringList traditional { QStringLiteral("TW"), QStringLiteral("HK"),
            QStringLiteral("MO"), QStringLiteral("HANT") };
        return traditional.contains(territory) ? QString() : QStringLiteral("zh_CN");
    }
    if (language == QLatin1String("pt"))
        return QStringLiteral("pt_BR");
    return QString();
}

QString fromEnvironment(const std::function<QString(const char *)> &getenv)
{
    for (const char *variable : { "LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG" }) {
        const QString value = getenv(variable);
        if (value.isEmpty())
            continue;
        if (qstrcmp(variable, "LANGUAGE") == 0) {
            // GNU's list of preferences; an empty list, or one the program has none of,
            // leaves the choice to the next variable.
            for (const QString &entry : value.split(QLatin1Char(':'), Qt::SkipEmptyParts))
                if (const QString code = match(entry); !code.isEmpty())
                    return code;
            continue;
        }
        const QString code = match(value);
        return code.isEmpty() ? QStringLiteral("en") : code;
    }
    return QStringLiteral("en");
}

QString choose(const QString &commandLine, const QString &stored, const QString &locale)
{
    if (!commandLine.isEmpty())
        return commandLine;
    if (accepted().contains(stored))
        return stored;
    return locale.isEmpty() ? QStringLiteral("en") : locale;
}

QString current()
{
    return g_current;
}

void setCurrent(const QString &code)
{
    g_current = code.isEmpty() ? QStringLiteral("en") : code;
}

QString localisedFile(const QString &file, const QString &code)
{
    if (code.isEmpty() || code == QLatin1String("en"))
        return file;
    const QFileInfo info(file);
    return info.path() + QLatin1Char('/') + info.completeBaseName() + QLatin1Char('_') + code
        + QLatin1Char('.') + info.suffix();
}

}
