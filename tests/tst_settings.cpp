#include "MainWindowFixture.h"
#include "common/ErrorBox.h"
#include "common/FrameBounds.h"
#include "elements/Elements.h"
#include "settings/IniFile.h"
#include "windows/Unt_find.h"
#include "windows/Unt_info.h"
#include "windows/Unt_temp.h"
#include "windows/unt_optn.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <array>
#include <memory>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

const QString Shipped = QStringLiteral(AURALIS_SHIPPED_DATA "/");
const QString DefaultPicture = Shipped + u"auraback.bmp"_s;
const QRect DefaultBounds(5, 5, 800, 760);

using Probes::contentOf;
using Probes::namesInOrder;

void writeFile(const QString &path, const QByteArray &content)
{
    QVERIFY(Probes::writeFile(path, content));
}

// A PNG chunk: length, type, data, CRC.
QByteArray pngChunk(const QByteArray &type, const QByteArray &data)
{
    const auto bigEndian = [](quint32 v) {
        QByteArray b;
        for (int shift = 24; shift >= 0; shift -= 8)
            b += char((v >> shift) & 0xff);
        return b;
    };
    quint32 crc = 0xffffffffu;
    for (const char c : type + data) {
        crc ^= quint8(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return bigEndian(quint32(data.size())) + type + data + bigEndian(crc ^ 0xffffffffu);
}

// A PNG file of that size and kind whose pixel data stops after its first byte.
QByteArray pngHeader(quint32 width, quint32 height, char bitDepth, char colourType)
{
    QByteArray header;
    for (quint32 v : { width, height })
        for (int shift = 24; shift >= 0; shift -= 8)
            header += char((v >> shift) & 0xff);
    header += bitDepth;
    header += colourType;
    header += QByteArray(3, '\0'); // compression, filter, interlace
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", header)
        + pngChunk("IDAT", QByteArray(1, '\x78'));
}

QString readValue(const QString &path, const QString &section, const QString &key)
{
    return Probes::iniValue(path, section, key);
}

// The main window as start-up makes it, with the tool windows whose settings are checked.
struct Program : MainWindowFixture
{
    explicit Program(
        const QString &folder, QChar separator = QLatin1Char('.'), bool toolWindows = false)
        : MainWindowFixture(startOptions(folder, Shipped, separator, QSize(1000, 800)),
            toolWindows ? Info | Temperature | Find | Options : 0)
    {
    }

    std::array<QAction *, 4> schemeItems() const
    {
        return { main->mnuIUPACApproved, main->mnuIUPACProvisional, main->mnuIUPACRecommended,
            main->mnuACSRecommended };
    }
    int checkedScheme() const
    {
        const auto items = schemeItems();
        for (int i = 0; i < 4; ++i) {
            if (items[i]->isChecked())
                return i;
        }
        return -1;
    }
    void checkScheme(int scheme) { main->MenuClick(schemeItems()[size_t(scheme)]); }
    void sendClose()
    {
        QCloseEvent close;
        QCoreApplication::sendEvent(main.get(), &close);
        QVERIFY(close.isAccepted());
    }
    int selectedTiles() const
    {
        int count = 0;
        for (int z = 1; z <= 109; ++z)
            count += main->tile(z) && main->tile(z)->selected();
        return count;
    }
};
}

class TestSettings : public QObject
{
    Q_OBJECT

    std::optional<QTemporaryDir> m_dir; // a fresh settings folder for each test

    QString folder() const { return m_dir->path(); }
    QString iniPath() const { return m_dir->filePath(u"auralis.ini"_s); }

private slots:
    void init()
    {
        ErrorBox::setRecording(true);
        ErrorBox::recorded().clear();
        m_dir.emplace();
    }

    void firstRunWithoutFileUsesDefaults()
    {
        Program p(folder());
        QCOMPARE(p->state().settingsFile(), iniPath());
        QCOMPARE(p->frameGeometry(), DefaultBounds);
        QCOMPARE(p->state().selectedElement(), 1);
        QVERIFY(p->tile(1)->selected());
        QCOMPARE(p.selectedTiles(), 1);
        QCOMPARE(p->state().temperature(), 298.15f);
        QCOMPARE(p->TempSlider->value(), 298);
        QCOMPARE(p->tile(80)->temperature(), double(298.15f));
        QVERIFY(p->mnuSaveConfigOnExit->isChecked());
        QVERIFY(!p->mnuTrendsOnTop->isChecked());
        QVERIFY(!p->mnuElementOnTop->isChecked());
        QCOMPARE(p.checkedScheme(), 1);
        QCOMPARE(p->state().backgroundFile(), DefaultPicture);
        QVERIFY(!p->imgWallpaper.isNull());
        QCOMPARE(p->labelColour(p->lblMetals), TColor::rgb(255, 0, 0));
        QCOMPARE(p->labelColour(p->lblUndefined), TColor::rgb(128, 128, 128));
        QCOMPARE(ErrorBox::recorded(), QStringList());
        QVERIFY(!QFile::exists(p->state().settingsFile())); // loading writes nothing
    }

    void fullSaveAndReloadKeepsEveryValue()
    {
        const QString picture = m_dir->filePath(u"my back.bmp"_s);
        QVERIFY(QFile::copy(DefaultPicture, picture));
        {
            Program p(folder(), QLatin1Char('.'), true);
            p->move(33, 44);
            p->resize(700, 500);
            p->ElementClick(26, Qt::LeftButton);
            p->setTemperature(1234.56f);
            p->mnuSaveConfigOnExit->setChecked(false);
            p->MenuClick(p->mnuTrendsOnTop);
            p->MenuClick(p->mnuElementOnTop);
            p.checkScheme(3);
            ColourScheme colours = p->state().colours();
            colours.legend[ColourScheme::Metals] = TColor::rgb(1, 2, 3);
            colours.legend[ColourScheme::Gases] = TColor::system(TColor::WindowText);
            colours.table = Colours::Silver;
            colours.infoDefault = false;
            colours.info[ColourScheme::Symbol] = TColor::rgb(10, 20, 30);
            colours.info[ColourScheme::Value1] = TColor::rgb(40, 50, 60);
            p->applyColourScheme(colours);
            p->applyBackground(picture, QPixmap(picture));
            p.info->move(40, 60);
            p->MenuClick(p->mnuElementInfo);
            p.temperature->pageTemp->setCurrentIndex(2);
            p.temperature->move(70, 80);
            p.find->selectPage(TfrmFindElement::SymbolPage);
            p.find->move(90, 100);
            p.options->move(90, 110);
            p->SaveSettings();
        }
        const QString info = u"Element Info Window"_s;
        const struct
        {
            QString section, key, value;
        } saved[] = {
            { info, u"Left"_s, u"40"_s },
            { info, u"Top"_s, u"60"_s },
            { info, u"Visible"_s, u"1"_s },
            { info, u"DefaultColours"_s, u"0"_s },
            { info, u"Symbol"_s, QString::number(10 + 256 * 20 + 65536 * 30) },
            { info, u"Value1"_s, QString::number(40 + 256 * 50 + 65536 * 60) },
            { u"Temperature Window"_s, u"Tab"_s, u"2"_s },
            { u"Temperature Window"_s, u"Left"_s, u"70"_s },
            { u"Find Window"_s, u"Tab"_s, u"1"_s },
            { u"Find Window"_s, u"Top"_s, u"100"_s },
            { u"Color Window"_s, u"Left"_s, u"90"_s },
            { u"Color Window"_s, u"Top"_s, u"110"_s },
            { u"Colors"_s, u"Background"_s, u"Gray"_s },
            // A system colour is written as what it currently resolves to.
            { u"Colors"_s, u"Gases"_s,
                QString::number(TColor::system(TColor::WindowText).toSettings()) },
            { u"Settings"_s, u"Temperature"_s, u"1234.56"_s },
        };
        for (const auto &s : saved)
            QCOMPARE(readValue(iniPath(), s.section, s.key), s.value);

        Program q(folder());
        QCOMPARE(q->frameGeometry(), QRect(33, 44, 700, 500));
        QCOMPARE(q->state().selectedElement(), 26);
        QCOMPARE(q.selectedTiles(), 1);
        QVERIFY(q->tile(26)->selected());
        QCOMPARE(q->state().temperature(), 1234.56f);
        QCOMPARE(q->TempSlider->value(), 1235);
        QVERIFY(!q->mnuSaveConfigOnExit->isChecked());
        QVERIFY(q->mnuTrendsOnTop->isChecked());
        QVERIFY(q->mnuElementOnTop->isChecked());
        QCOMPARE(q.checkedScheme(), 3);
        QCOMPARE(q->labelColour(q->lblMetals), TColor::rgb(1, 2, 3));
        QCOMPARE(q->state().backgroundFile(), picture);
        QVERIFY(!q->imgWallpaper.isNull());
        QCOMPARE(ErrorBox::recorded(), QStringList());
    }

    void newFileListsKeysInOrder()
    {
        Program p(folder(), QLatin1Char('.'), true);
        p->SaveSettings();
        const QString keys = QStringLiteral(
            "[Main Window]|Maximized|Top|Left|Width|Height|"
            "[Settings]|Selected Element|Temperature|SaveINI|TrendsOnTop|ElementOnTop|Background|"
            "Naming Scheme|"
            "[Temperature Window]|Tab|Left|Top|"
            "[Find Window]|Tab|Left|Top|"
            "[Element Info Window]|Left|Top|Visible|DefaultColours|Symbol|ElementName|Number|"
            "Property1|Property2|Value1|Value2|"
            "[Colors]|Metals|Nonmetals|Semimetals|Solids|Liquids|Gases|Undefined|Background|"
            "[Color Window]|Left|Top");
        const QStringList expected = keys.split(QLatin1Char('|'));
        QCOMPARE(namesInOrder(p->state().settingsFile()), expected);

        // Saving again changes values only, never the order or the number of keys.
        p.checkScheme(2);
        p->SaveSettings();
        QCOMPARE(namesInOrder(p->state().settingsFile()), expected);
        QCOMPARE(readValue(p->state().settingsFile(), u"Settings"_s, u"Naming Scheme"_s), u"2"_s);
    }

    void boundsAreOuterFrameAndMaximisedKeepsThem()
    {
        const QString path = iniPath();
        auto bound = [&path](const char16_t *key) {
            return IniFile(path).readInteger(u"Main Window"_s, QString::fromUtf16(key), 0);
        };
        // The first-show keys are present, so showing the window asks nothing.
        writeFile(path, "[About]\nRead=1\n[Colors]\nBackground=Gray\n");
        {
            Program p(folder());
            p->show();
            QVERIFY(QTest::qWaitForWindowExposed(p.main.get()));
            QTRY_COMPARE(p->frameGeometry(), DefaultBounds);

            p->move(20, 30);
            p->resize(600, 400);
            const QRect outer = p->frameGeometry();
            p->SaveSettings();
            p->setWindowState(Qt::WindowMaximized);
            p->SaveSettings();
            QCOMPARE(readValue(path, u"Main Window"_s, u"Maximized"_s), u"1"_s);
            QCOMPARE(QRect(bound(u"Left"), bound(u"Top"), bound(u"Width"), bound(u"Height")),
                QRect(20, 30, outer.width(), outer.height()));
        }
        Program q(folder());
        QVERIFY(q->windowState() & Qt::WindowMaximized);
        q->setWindowState(Qt::WindowNoState);
        q->show();
        QVERIFY(QTest::qWaitForWindowExposed(q.main.get()));
        QTRY_COMPARE(q->frameGeometry().size(), QSize(bound(u"Width"), bound(u"Height")));
        QCOMPARE(q->frameGeometry().topLeft(), QPoint(20, 30));
    }

    // A desktop that neither places windows nor tells where they are (native Wayland):
    // the stored places and the maximised state stay byte for byte, a size is still saved.
    void placesThatCannotBeReadAreKept()
    {
        const QByteArray places = "[Main Window]\nTop=7\nLeft=-40\nMaximized=1\n"
                                  "[Element Info Window]\nLeft=300\nTop=20\n"
                                  "[Find Window]\nLeft=301\nTop=21\n"
                                  "[Temperature Window]\nLeft=302\nTop=22\n"
                                  "[Color Window]\nLeft=303\nTop=23\n";
        writeFile(iniPath(), places + "[About]\nRead=1\n[Colors]\nBackground=Gray\n");
        FrameBounds::setPlacesWindowsForTesting(false);
        auto restore = qScopeGuard([] { FrameBounds::setPlacesWindowsForTesting({}); });
        int width = 0;
        {
            Program p(folder(), QLatin1Char('.'), true);
            p->SaveSettings(); // maximised: nothing of the bounds is written
            p->setWindowState(Qt::WindowNoState);
            p->resize(600, 400);
            width = p->frameGeometry().width();
            p->SaveSettings();
        }
        QVERIFY(contentOf(iniPath()).startsWith(places.left(places.indexOf("[Element"))));
        for (const QByteArray &line : places.split('\n'))
            QVERIFY2(contentOf(iniPath()).contains(line), line.constData());
        QCOMPARE(readValue(iniPath(), u"Main Window"_s, u"Width"_s), QString::number(width));
    }

    void exitWithMarkClearedWritesOnlySaveIni()
    {
        const QString path = iniPath();
        {
            Program p(folder());
            p->mnuSaveConfigOnExit->setChecked(false);
            p.sendClose();
        }
        QCOMPARE(contentOf(path), QByteArray("[Settings]\nSaveINI=0\n"));

        // With the mark checked the whole set is written, SaveINI as 1; clearing it later
        // touches that one value only.
        {
            Program p(folder());
            QVERIFY(!p->mnuSaveConfigOnExit->isChecked());
            p->mnuSaveConfigOnExit->setChecked(true);
            p->setTemperature(500.0f);
            p->FormClose();
        }
        const QByteArray saved = contentOf(path);
        QVERIFY(saved.contains("SaveINI=1\n"));
        QVERIFY(saved.contains("Temperature=500.00\n"));
        {
            Program p(folder());
            p->mnuSaveConfigOnExit->setChecked(false);
            p->setTemperature(10.0f);
            p->FormClose();
        }
        QCOMPARE(contentOf(path), QByteArray(saved).replace("SaveINI=1", "SaveINI=0"));
        QCOMPARE(ErrorBox::recorded(), QStringList());
    }

    void valueTypes_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QRect>("bounds");
        QTest::addColumn<bool>("maximised");
        QTest::addColumn<bool>("saveOnExit");
        QTest::addColumn<bool>("elementOnTop");

        QTest::newRow("Maximized yes is the default")
            << QByteArray("[Main Window]\nMaximized=yes\n") << DefaultBounds << false << true
            << false;
        QTest::newRow("Maximized 2 is true")
            << QByteArray("[Main Window]\nMaximized=2\n") << DefaultBounds << true << true << false;
        QTest::newRow("hex bounds")
            << QByteArray("[main window]\nTop=0x20\nLeft=$1F\nWidth=0X200\nHeight=$190\n")
            << QRect(31, 32, 512, 400) << false << true << false;
        QTest::newRow("SaveINI 0 is false, ElementOnTop 2 is true")
            << QByteArray("[Settings]\nSaveINI=0\nElementOnTop=2\n") << DefaultBounds << false
            << false << true;
        QTest::newRow("SaveINI and ElementOnTop -1 are true")
            << QByteArray("[Settings]\nSaveINI=-1\nElementOnTop=-1\n") << DefaultBounds << false
            << true << true;
        QTest::newRow("word keeps the default")
            << QByteArray("[Settings]\nSaveINI=no\nElementOnTop=true\n") << DefaultBounds << false
            << true << false;
    }

    void valueTypes()
    {
        QFETCH(QByteArray, file);
        QFETCH(QRect, bounds);
        QFETCH(bool, maximised);
        QFETCH(bool, saveOnExit);
        QFETCH(bool, elementOnTop);

        writeFile(iniPath(), file);
        Program p(folder());
        QCOMPARE(bool(p->windowState() & Qt::WindowMaximized), maximised);
        if (!maximised)
            QCOMPARE(p->frameGeometry(), bounds);
        QCOMPARE(p->mnuSaveConfigOnExit->isChecked(), saveOnExit);
        QCOMPARE(p->mnuElementOnTop->isChecked(), elementOnTop);
        QCOMPARE(ErrorBox::recorded(), QStringList());
    }

    void temperatureAndSlider_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<int>("slider");
        QTest::addColumn<float>("kelvin");
        QTest::addColumn<QString>("written");

        const QChar point('.');
        const QChar comma(',');
        QTest::newRow("above the slider")
            << QByteArray("6543.21") << point << 6000 << 6543.21f << "6543.21";
        QTest::newRow("half to even 0") << QByteArray("0.50") << point << 0 << 0.5f << "0.50";
        QTest::newRow("half to even 2") << QByteArray("1.50") << point << 2 << 1.5f << "1.50";
        QTest::newRow("half to even 2 from 2.5")
            << QByteArray("2.5") << point << 2 << 2.5f << "2.50";
        // The slider rounds the temperature as held, 32-bit, not the text's exact value.
        QTest::newRow("held as 3.5") << QByteArray("3.49999999") << point << 4 << 3.5f << "3.50";
        QTest::newRow("held as 2.5") << QByteArray("2.50000001") << point << 2 << 2.5f << "2.50";
        QTest::newRow("below zero") << QByteArray("-12") << point << 0 << -12.0f << "-12.00";
        QTest::newRow("huge") << QByteArray("1e30") << point << 6000 << 1e30f << QString();
        QTest::newRow("comma separator")
            << QByteArray("298,15") << comma << 298 << 298.15f << "298,15";
        QTest::newRow("comma, blanks around")
            << QByteArray("  77,5 ") << comma << 78 << 77.5f << "77,50";
    }

    void temperatureAndSlider()
    {
        QFETCH(QByteArray, text);
        QFETCH(QChar, separator);
        QFETCH(int, slider);
        QFETCH(float, kelvin);
        QFETCH(QString, written);

        writeFile(iniPath(), "[Settings]\nTemperature=" + text + "\n");
        Program p(folder(), separator);
        QCOMPARE(p->TempSlider->value(), slider);
        QCOMPARE(p->state().temperature(), kelvin);
        QCOMPARE(p->tile(1)->temperature(), double(kelvin));
        QCOMPARE(ErrorBox::recorded(), QStringList());
        if (written.isEmpty())
            return;
        p->SaveSettings();
        QCOMPARE(readValue(p->state().settingsFile(), u"Settings"_s, u"Temperature"_s), written);
    }

    void unusableValuesAreSkipped_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<QStringList>("errors");
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("scheme");

        const QChar point('.');
        QTest::newRow("element 0")
            << QByteArray("Selected Element=0") << point << QStringList() << 1 << 0;
        QTest::newRow("element 110")
            << QByteArray("Selected Element=110") << point << QStringList() << 1 << 0;
        QTest::newRow("element not a number")
            << QByteArray("Selected Element=iron") << point << QStringList() << 1 << 0;
        QTest::newRow("element 109")
            << QByteArray("Selected Element=109") << point << QStringList() << 109 << 0;
        QTest::newRow("temperature with the other separator")
            << QByteArray("Temperature=298.15") << QChar(',')
            << QStringList { "'298.15' is not a valid floating point value." } << 1 << 0;
        QTest::newRow("temperature not a number")
            << QByteArray("Temperature=warm") << point
            << QStringList { "'warm' is not a valid floating point value." } << 1 << 0;
        QTest::newRow("picture missing")
            << QByteArray("Background=/no/such/picture.bmp") << point
            << QStringList { "Cannot open file /no/such/picture.bmp." } << 1 << 0;
        QTest::newRow("scheme 4") << QByteArray("Naming Scheme=4") << point
                                  << QStringList { "List index out of bounds." } << 1 << 1;
        QTest::newRow("scheme -1") << QByteArray("Naming Scheme=-1") << point
                                   << QStringList { "List index out of bounds." } << 1 << 1;
    }

    void unusableValuesAreSkipped()
    {
        QFETCH(QByteArray, line);
        QFETCH(QChar, separator);
        QFETCH(QStringList, errors);
        QFETCH(int, selected);
        QFETCH(int, scheme);

        // The bad line comes first; the keys after it must still be applied.
        const QString path = iniPath();
        writeFile(path, "[Settings]\n" + line + "\nElementOnTop=1\nNaming Scheme=0\n");
        Program p(folder(), separator);
        QCOMPARE(ErrorBox::recorded(), errors);
        QCOMPARE(p->state().selectedElement(), selected);
        QCOMPARE(p.selectedTiles(), 1);
        QVERIFY(p->tile(selected)->selected());
        QCOMPARE(p->state().temperature(), 298.15f);
        QCOMPARE(p->TempSlider->value(), 298);
        QVERIFY(p->mnuElementOnTop->isChecked());
        QCOMPARE(p.checkedScheme(), scheme);

        // A picture that failed to load keeps its path for the next save.
        p->SaveSettings();
        QCOMPARE(readValue(path, u"Settings"_s, u"Background"_s),
            line.startsWith("Background") ? u"/no/such/picture.bmp"_s : DefaultPicture);
    }

    // The background picture at start: up to the pixel limit it loads (beyond the toolkit's
    // own decoding limit); anything else leaves the table without it, says why, and keeps
    // the path.
    void backgroundPictureAtStart_data()
    {
        QTest::addColumn<QByteArray>("content"); // "40MP": a real picture of 6400 x 6250
        QTest::addColumn<QString>("error"); // %1: the path; empty: it loads
        QTest::newRow("40 million pixels") << QByteArray("40MP") << QString();
        const QByteArray rgb8000x6000 = pngHeader(8000, 6000, 8, 2);
        QTest::newRow("8000 x 6000 in the header, a tiny file")
            << rgb8000x6000
            << u"Bitmap image %1 is too large (8000 x 6000 pixels; at most 40 million)."_s;
        QTest::newRow("6000 x 6000 at 16 bits a channel")
            << pngHeader(6000, 6000, 16, 6)
            << u"Bitmap image %1 is too large (6000 x 6000 pixels; 288 MB to decode; at most "
               "160 MB)."_s;
        QTest::newRow("4000 x 3000 in the header, a tiny file")
            << pngHeader(4000, 3000, 8, 2) << u"Cannot open file %1."_s;
        QTest::newRow("truncated") << QByteArray("half") << u"Cannot open file %1."_s;
        QTest::newRow("not a picture")
            << QByteArray("just some words") << u"Cannot open file %1."_s;
    }
    void backgroundPictureAtStart()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, error);
        const QString picture = m_dir->filePath(u"back.png"_s);
        QSize size;
        if (content == "40MP" || content == "half") {
            size = content == "40MP" ? QSize(6400, 6250) : QSize(300, 200);
            QImage image(size, QImage::Format_RGB32);
            image.fill(Qt::white);
            for (int y = 0; y < size.height(); ++y)
                image.setPixel(y % size.width(), y, 0xff00ff00u);
            QImageWriter writer(picture, "png");
            writer.setCompression(1);
            QVERIFY(writer.write(image));
            if (content == "half") {
                QFile f(picture);
                QVERIFY(f.open(QIODevice::ReadWrite));
                QVERIFY(f.resize(f.size() / 2));
            }
        } else {
            writeFile(picture, content);
        }
        writeFile(iniPath(), "[Settings]\nBackground=" + picture.toUtf8() + "\n");

        Program p(folder());
        QCOMPARE(ErrorBox::recorded(),
            error.isEmpty() ? QStringList() : QStringList { error.arg(picture) });
        QCOMPARE(p->imgWallpaper.size(), error.isEmpty() ? size : QSize(0, 0));
        QCOMPARE(p->state().backgroundFile(), picture);
        p->SaveSettings();
        QCOMPARE(readValue(iniPath(), u"Settings"_s, u"Background"_s), picture);
    }

    void hostileFileLoadsWithDefaults()
    {
        QByteArray hostile;
        for (int i = 0; i < 1000; ++i)
            hostile += "[Settings]\nSelected Element=" + QByteArray::number(1000 + i)
                + QByteArray("\n[\0\n", 4);
        hostile += QByteArray(300000, '\xff') + "\n[Main Window]\nWidth=99999999\nLeft=-99999999\n";
        writeFile(iniPath(), hostile);
        Program p(folder());
        QCOMPARE(p->state().selectedElement(), 1);
        QCOMPARE(p.selectedTiles(), 1);
        QVERIFY(p->width() <= 32000);
        QVERIFY(p->x() >= -32000);
        QCOMPARE(ErrorBox::recorded(), QStringList());
    }

    void unwritableFolderIsReportedOnce()
    {
        // A plain file stands where the settings folder should be: no one can write there.
        const QString blocker = m_dir->filePath(u"blocker"_s);
        writeFile(blocker, "x");
        const QString expected = u"Unable to write to "_s + blocker + u"/auralis.ini."_s;

        for (bool saveOnExit : { true, false }) {
            ErrorBox::recorded().clear();
            Program p(blocker, QLatin1Char('.'), true);
            QCOMPARE(ErrorBox::recorded(), QStringList());
            p->mnuSaveConfigOnExit->setChecked(saveOnExit);
            p.sendClose();
            QCOMPARE(ErrorBox::recorded(), QStringList { expected });
            QCOMPARE(contentOf(blocker), QByteArray("x"));
        }
    }

    void settingsFolderChoice()
    {
        QStandardPaths::setTestModeEnabled(true);
        Program p(folder());
        QCOMPARE(StartFacts::chooseSettingsFolder({}, p->state().programFolder()), Shipped);
        QCOMPARE(
            StartFacts::chooseSettingsFolder({ u"\"/tmp/my cfg\""_s }, p->state().programFolder()),
            u"/tmp/my cfg/"_s);
        QCOMPARE(StartFacts::chooseSettingsFolder({ u"/tmp/cfg/"_s }, p->state().programFolder()),
            u"/tmp/cfg/"_s);

        // A program folder that cannot be written sends the settings to the user's folder.
        TfrmAuralis::StartOptions options;
        options.programFolder = m_dir->filePath(u"missing/"_s);
        options.screenSize = QSize(1000, 800);
        TfrmAuralis installed(options);
        const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
        QCOMPARE(installed.state().facts().settingsFolder, config + QLatin1Char('/'));
        QVERIFY(QFileInfo(config).isDir());
        QCOMPARE(
            StartFacts::chooseSettingsFolder({ u"/tmp/cfg"_s }, installed.state().programFolder()),
            u"/tmp/cfg/"_s);
        // An argument of control characters names no folder.
        QCOMPARE(StartFacts::chooseSettingsFolder({ u"\x01"_s }, installed.state().programFolder()),
            config + QLatin1Char('/'));

        // An installed program's folder stays untouched even when it can be written (as
        // root can); the named folder still wins.
        const QString tree = m_dir->filePath(u"usr/lib/auralis/"_s);
        QVERIFY(QDir().mkpath(tree));
        writeFile(tree + u"auralis.installed"_s, "installed\n");
        options.programFolder = tree;
        TfrmAuralis writableInstalled(options);
        QCOMPARE(writableInstalled.state().facts().settingsFolder, config + QLatin1Char('/'));
        QCOMPARE(StartFacts::chooseSettingsFolder({ u"/tmp/cfg"_s }, tree), u"/tmp/cfg/"_s);
        QVERIFY(!QFile::exists(tree + u"auralis.ini"_s));
    }
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
