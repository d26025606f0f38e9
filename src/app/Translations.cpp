#include "Translations.h"

#include "base/Language.h"
#include "settings/IniFile.h"
#include "settings/SettingsKeys.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdio>

namespace Translations {

QString folder(const QString &programFolder)
{
    return programFolder + QStringLiteral("translations");
}

QString install(QCoreApplication &app, const QString &requested, const QString &settingsFile,
    const QString &programFolder)
{
    QString stored;
    // A settings file that cannot be read is reported by the main window; here it only
    // leaves the language to the locale.
    if (!settingsFile.isEmpty()) {
        try {
            IniFile ini(settingsFile);
            stored = Settings::LanguageChoice.readText(ini, QString()).trimmed();
        } catch (...) {
        }
    }
    const QString locale
        = Language::fromEnvironment([](const char *name) { return qEnvironmentVariable(name); });
    QString code = Language::choose(requested, stored, locale);
    if (code != QLatin1String("en")) {
        auto *own = new QTranslator(&app);
        const QString file
            = folder(programFolder) + QStringLiteral("/auralis_") + code + QStringLiteral(".qm");
        if (own->load(file)) {
            QCoreApplication::installTranslator(own);
            // The toolkit's texts are a courtesy: without them its dialogs stay English.
            auto *toolkit = new QTranslator(&app);
            if (toolkit->load(QStringLiteral("qtbase_") + code,
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
                QCoreApplication::installTranslator(toolkit);
            else
                delete toolkit;
        } else {
            delete own;
            std::fprintf(stderr,
                "auralis: cannot load the translation %s; the program runs in English\n",
                qPrintable(file));
            code = QStringLiteral("en");
        }
    }
    Language::setCurrent(code);
    return code;
}

}
