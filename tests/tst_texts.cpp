#include "base/Texts.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TestTexts : public QObject
{
    Q_OBJECT

private slots:
    void cut_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("max");
        QTest::addColumn<QString>("expected");

        QTest::newRow("short stays") << u"Iron"_s << 4 << u"Iron"_s;
        QTest::newRow("long ends in an ellipsis") << u"Hydrogen"_s << 5 << u"Hydr\u2026"_s;
        QTest::newRow("no half of a surrogate pair") << u"ab\U0001D11Ecd"_s << 4 << u"ab\u2026"_s;
        QTest::newRow("nothing left") << u"abc"_s << 0 << u""_s;
    }

    void cut()
    {
        QFETCH(QString, text);
        QFETCH(int, max);
        QFETCH(QString, expected);
        QCOMPARE(Texts::cut(text, max), expected);
    }

    void elideForBox_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");

        QTest::newRow("short path stays")
            << u"Unable to write to /a/b.ini"_s << u"Unable to write to /a/b.ini"_s;
        // A run of 16 characters with room for 10: the first four and the last five.
        QTest::newRow("long path elided in the middle")
            << u"Cannot open file /abcdefghi/x.bmp now"_s
            << u"Cannot open file /abc\u2026x.bmp now"_s;
        QTest::newRow("blanks and line breaks kept") << u"a  b\nc"_s << u"a  b\nc"_s;
    }

    void elideForBox()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(Texts::elideForBox(text, 10, 2000), expected);
    }

    void hugeTextsAreBounded()
    {
        const QString huge(17 * 1024 * 1024, QLatin1Char('x'));
        QCOMPARE(Texts::cut(huge).size(), Texts::MaxLineLength);
        const QString box = Texts::elideForBox(u"name "_s + huge + u" end"_s);
        QVERIFY(box.size() <= 2000);
        QVERIFY(box.startsWith(u"name xxx"_s));
    }
};

QTEST_APPLESS_MAIN(TestTexts)
#include "tst_texts.moc"
