// Which language the program speaks: the locale's variables in their order, a locale's
// name matched to the translations shipped, and the choice of the command line and the
// settings over the locale.
#include "base/Language.h"

#include <QMap>
#include <QTest>

using namespace Qt::StringLiterals;

class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
    void match_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("code");
        QTest::newRow("German of Germany") << u"de_DE.UTF-8"_s << u"de"_s;
        QTest::newRow("with a modifier") << u"de_AT.UTF-8@euro"_s << u"de"_s;
        QTest::newRow("French of Canada") << u"fr_CA"_s << u"fr"_s;
        QTest::newRow("Brazilian Portuguese") << u"pt_BR.UTF-8"_s << u"pt_BR"_s;
        QTest::newRow("Portuguese of Portugal takes the one Portuguese")
            << u"pt_PT"_s << u"pt_BR"_s;
        QTest::newRow("Simplified Chinese") << u"zh_CN.UTF-8"_s << u"zh_CN"_s;
        QTest::newRow("Chinese of Singapore") << u"zh_SG"_s << u"zh_CN"_s;
        QTest::newRow("Chinese alone") << u"zh"_s << u"zh_CN"_s;
        QTest::newRow("Traditional Chinese has none") << u"zh_TW"_s << QString();
        QTest::newRow("a language the program has not") << u"nl_NL"_s << QString();
        QTest::newRow("English") << u"en_GB.UTF-8"_s << u"en"_s;
        QTest::newRow("the C locale") << u"C.UTF-8"_s << u"en"_s;
        QTest::newRow("POSIX") << u"POSIX"_s << u"en"_s;
        QTest::newRow("a BCP 47 tag") << u"es-MX"_s << u"es"_s;
    }
    void match()
    {
        QFETCH(QString, locale);
        QFETCH(QString, code);
        QCOMPARE(Language::match(locale), code);
    }

    // LANGUAGE, LC_ALL, LC_MESSAGES, LANG: the first that is set decides; LANGUAGE is a
    // list whose first entry the program has wins, and one it has none of passes on.
    void environmentOrder_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("all");
        QTest::addColumn<QString>("messages");
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("code");
        QTest::newRow("nothing set") << u""_s << u""_s << u""_s << u""_s << u"en"_s;
        QTest::newRow("LANG alone") << u""_s << u""_s << u""_s << u"it_IT.UTF-8"_s << u"it"_s;
        QTest::newRow("LC_MESSAGES over LANG")
            << u""_s << u""_s << u"pl_PL"_s << u"it_IT"_s << u"pl"_s;
        QTest::newRow("LC_ALL over LC_MESSAGES")
            << u""_s << u"es_ES"_s << u"pl_PL"_s << u"it_IT"_s << u"es"_s;
        QTest::newRow("LANGUAGE over LC_ALL") << u"fr"_s << u"es_ES"_s << u""_s << u""_s << u"fr"_s;
        QTest::newRow("LANGUAGE's first the program has")
            << u"nl:sv:de:fr"_s << u""_s << u""_s << u""_s << u"de"_s;
        QTest::newRow("LANGUAGE with none of them passes on")
            << u"nl:sv"_s << u""_s << u""_s << u"pt_BR.UTF-8"_s << u"pt_BR"_s;
        QTest::newRow("an unknown language is English")
            << u""_s << u"nl_NL"_s << u""_s << u"de_DE"_s << u"en"_s;
        QTest::newRow("LANGUAGE with English first")
            << u"en:de"_s << u""_s << u""_s << u"de_DE"_s << u"en"_s;
    }
    void environmentOrder()
    {
        QFETCH(QString, language);
        QFETCH(QString, all);
        QFETCH(QString, messages);
        QFETCH(QString, lang);
        QFETCH(QString, code);
        const QMap<QString, QString> env { { u"LANGUAGE"_s, language }, { u"LC_ALL"_s, all },
            { u"LC_MESSAGES"_s, messages }, { u"LANG"_s, lang } };
        QCOMPARE(Language::fromEnvironment(
                     [&env](const char *name) { return env.value(QString::fromLatin1(name)); }),
            code);
    }

    void choice_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("code");
        QTest::newRow("the locale") << QString() << QString() << u"de"_s << u"de"_s;
        QTest::newRow("the settings over the locale") << QString() << u"fr"_s << u"de"_s << u"fr"_s;
        QTest::newRow("English chosen in the settings")
            << QString() << u"en"_s << u"de"_s << u"en"_s;
        QTest::newRow("the command line over both") << u"pl"_s << u"fr"_s << u"de"_s << u"pl"_s;
        QTest::newRow("an unknown stored code follows the locale")
            << QString() << u"xx"_s << u"it"_s << u"it"_s;
        QTest::newRow("an empty stored code follows the locale")
            << QString() << QString() << u"zh_CN"_s << u"zh_CN"_s;
    }
    void choice()
    {
        QFETCH(QString, commandLine);
        QFETCH(QString, stored);
        QFETCH(QString, locale);
        QFETCH(QString, code);
        QCOMPARE(Language::choose(commandLine, stored, locale), code);
    }

    void namesAndFiles()
    {
        QCOMPARE(Language::nativeName(u"de"_s), u"Deutsch"_s);
        QCOMPARE(Language::nativeName(u"pl"_s), u"Polski"_s);
        QCOMPARE(Language::nativeName(u"pt_BR"_s), u"Português (Brasil)"_s);
        QCOMPARE(Language::localisedFile(u"/usr/lib/auralis/auralis.hlp"_s, u"de"_s),
            u"/usr/lib/auralis/auralis_de.hlp"_s);
        QCOMPARE(Language::localisedFile(u"/x/auralis.hlp"_s, u"en"_s), u"/x/auralis.hlp"_s);
        QCOMPARE(Language::accepted().first(), u"en"_s);
        QCOMPARE(Language::shipped().size(), 7);
    }
};

QTEST_APPLESS_MAIN(TestLanguage)
#include "tst_language.moc"
