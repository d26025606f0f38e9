#include "MainWindowFixture.h"
#include "common/Choosers.h"
#include "common/ErrorBox.h"
#include "elements/Elements.h"
#include "settings/IniFile.h"
#include "windows/Unt_info.h"
#include "windows/unt_optn.h"

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QStyleOptionGroupBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QtEndian>
#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString Shipped = QStringLiteral(AURALIS_SHIPPED_DATA "/");

QColor shown(QWidget *sample)
{
    if (qobject_cast<QLabel *>(sample))
        return sample->palette().color(QPalette::WindowText);
    if (sample->objectName() == "Background"_L1)
        return sample->palette().color(QPalette::Window);
    // A stroke, line or circle: the colour it draws most.
    const QImage image = sample->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    QMap<QRgb, int> counts;
    const QRgb back = sample->parentWidget()->palette().color(QPalette::Window).rgb();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) == 255 && image.pixel(x, y) != back)
                ++counts[image.pixel(x, y)];
    QRgb best = 0;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most)
            best = it.key(), most = it.value();
    return QColor(best);
}

// A bitmap header announcing side × side pixels at 24 bits, with no pixels behind it.
QByteArray enormousBitmapHeader(quint32 side)
{
    QByteArray b(54, '\0');
    auto put32 = [&b](int at, quint32 v) { qToLittleEndian(v, b.data() + at); };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, 54u + side * side * 3u);
    put32(10, 54);
    put32(14, 40);
    put32(18, side);
    put32(22, side);
    b[26] = 1; // planes
    b[28] = 24; // bits per pixel
    return b;
}

}

class TestOptions : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<MainWindowFixture> m_program;
    TfrmAuralis *m_main = nullptr;
    TfrmElementInfo *m_info = nullptr;
    TfrmOptions *m_options = nullptr;

    void start(const QByteArray &colorWindow = {})
    {
        QFile ini(m_dir->filePath(u"auralis.ini"_s));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[About]\nRead=1\n[Colors]\nBackground=Default\n[Main Window]\nLeft=100\n"
                  "Top=50\nWidth=800\nHeight=600\n"
            + colorWindow);
        ini.close();
        m_program
            = std::make_unique<MainWindowFixture>(MainWindowFixture::startOptions(m_dir->path()));
        m_main = m_program->get();
        m_main->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_main));
        m_program->makeTools(MainWindowFixture::Info | MainWindowFixture::Options);
        m_info = m_program->info.get();
        m_options = m_program->options.get();
    }
    // Runs steps inside the modal dialog opened by a double click on the legend.
    void whileOpen(const std::function<void(TfrmOptions *)> &steps)
    {
        bool ran = false;
        QTimer::singleShot(0, this, [&] {
            auto *dialog = qobject_cast<TfrmOptions *>(QApplication::activeModalWidget());
            // A failed step must not leave the dialog waiting.
            const auto close = qScopeGuard([dialog] {
                if (dialog && dialog->isVisible())
                    dialog->reject();
            });
            QVERIFY(dialog);
            dialog->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            steps(dialog);
            ran = true;
        });
        QTest::mouseDClick(m_main->lblMetals, Qt::LeftButton);
        QVERIFY(ran);
    }
    void showDialog() { m_options->show(); }
    QString picture(const char *name, const char *format)
    {
        const QString path = m_dir->filePath(QLatin1String(name));
        QImage image(12, 8, QImage::Format_RGB32);
        image.fill(QColor(10, 200, 30));
        return image.save(path, format) ? path : QString();
    }

private slots:
    void init()
    {
        ErrorBox::setRecording(true);
        ErrorBox::recorded().clear();
        Choosers::setAnswering(true);
        Choosers::reset();
        m_dir = std::make_unique<QTemporaryDir>();
    }
    void cleanup()
    {
        m_program.reset();
        m_main = nullptr;
        m_info = nullptr;
        m_options = nullptr;
        QCOMPARE(ErrorBox::recorded(), QStringList());
    }

    // OK applies the table, legend and tiles first, then the picture, then (in full mode
    // only) the information window and the graph.
    void okAppliesInOrder_data()
    {
        QTest::addColumn<bool>("tableOnly");
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("full") << false
                              << QStringList { "colours: tiles table",
                                     "picture: tiles table picture",
                                     "colours: tiles table picture info graph" };
        QTest::newRow("table colours only")
            << true << QStringList { "colours: tiles table", "picture: tiles table picture" };
    }
    void okAppliesInOrder()
    {
        QFETCH(bool, tableOnly);
        QFETCH(QStringList, steps);
        start();
        const QString file = picture("back.png", "PNG");
        const TColor metals = TColor::rgb(1, 2, 3), solids = TColor::rgb(4, 5, 6);
        const TColor symbol = TColor::rgb(7, 8, 9), value = TColor::rgb(10, 11, 12);
        const ColourScheme before = m_main->state().colours();
        QStringList seen;
        auto snapshot = [&](const QString &what) {
            QStringList s { what + ':' };
            // Iron (26): metal, solid at 298.15 K.
            if (m_main->tile(26)->numberColor() == metals
                && m_main->tile(26)->stateColor() == solids
                && m_main->labelColour(m_main->lblMetals) == metals)
                s << "tiles";
            if (m_main->state().colours().table == Colours::Silver)
                s << "table";
            if (m_main->state().backgroundFile() == file)
                s << "picture";
            if (m_info->Symbol->palette().color(QPalette::WindowText) == symbol.resolve())
                s << "info";
            if (m_main->state().colours().graph[ColourScheme::Value] == value)
                s << "graph";
            seen << s.join(' '_L1);
        };
        connect(&m_main->state(), &SharedState::coloursChanged, this, [&] { snapshot("colours"); });
        connect(m_options, &TfrmOptions::backgroundChosen, this, [&] { snapshot("picture"); });

        m_options->setTableColoursOnly(tableOnly);
        showDialog();
        Choosers::answerColour(metals.resolve());
        Choosers::answerColour(solids.resolve());
        Choosers::answerFile(file);
        Choosers::answerColour(symbol.resolve());
        Choosers::answerColour(value.resolve());
        m_options->ButtonClick(m_options->butMetals);
        m_options->ButtonClick(m_options->butSolids);
        m_options->grpBackColorItems[1]->click();
        m_options->Button1Click();
        m_options->ElementClick(m_options->Symbol);
        m_options->GraphClick(m_options->AxVal2);
        QCOMPARE(seen, QStringList()); // nothing reaches the windows before OK
        m_options->ButtonClick(m_options->butOK);
        QCOMPARE(seen, steps);
        QVERIFY(!m_options->isVisible());
        if (tableOnly) {
            QCOMPARE(m_main->state().colours().info, before.info);
            QCOMPARE(m_main->state().colours().graph, before.graph);
            QCOMPARE(m_main->state().colours().infoDefault, true);
        } else {
            QCOMPARE(m_main->state().colours().infoDefault, false);
            QCOMPARE(m_main->state().colours().graphDefault, false);
        }
    }

    // A click on a sample recolours its group and clears the page's default box; checking
    // the box again gives the page's samples their designed colours.
    void samplesAndDefaults_data()
    {
        QTest::addColumn<QString>("sample");
        QTest::addColumn<QStringList>("group");
        QTest::addColumn<QColor>("designed");
        QPalette p;
        const QColor windowText = p.color(QPalette::Active, QPalette::Text);
        const QColor window = p.color(QPalette::Active, QPalette::Base);
        auto row = [](const char *name, const QStringList &group, const QColor &c) {
            QTest::newRow(name) << QString::fromLatin1(name) << group << c;
        };
        row("Symbol", { "Symbol" }, QColor(255, 0, 0));
        row("ElementName", { "ElementName" }, windowText);
        row("Number", { "Number" }, QColor(0, 0, 255));
        row("Property1", { "Property1" }, QColor(0, 0, 128));
        row("Property2", { "Property2" }, QColor(128, 0, 0));
        row("Value1", { "Value1" }, windowText);
        row("Value2", { "Value2" }, windowText);
        row("Background", { "Background" }, window);
        row("AxVal2", { "AxVal1", "AxVal2", "AxVal3" }, QColor(255, 0, 0));
        row("Axis2", { "Axis1", "Axis2" }, QColor(0, 0, 255));
        row("Plot", { "Plot" }, windowText);
        row("Element3", { "Element1", "Element2", "Element3" }, QColor(0, 128, 0));
    }
    void samplesAndDefaults()
    {
        QFETCH(QString, sample);
        QFETCH(QStringList, group);
        QFETCH(QColor, designed);
        start();
        showDialog();
        auto *widget = m_options->findChild<QWidget *>(sample);
        QVERIFY(widget);
        const bool infoPage = m_options->TabInfo->isAncestorOf(widget);
        QCheckBox *box = infoPage ? m_options->chkUseDefault : m_options->chkUseDefaultGraph;
        m_options->PageControl->setCurrentWidget(
            infoPage ? m_options->TabInfo : m_options->TabGraph);
        QVERIFY(box->isChecked());

        // Cancelled: nothing changes.
        const QColor before = shown(widget);
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(widget->width() / 2, 1));
        QCOMPARE(shown(widget), before);
        QVERIFY(box->isChecked());

        const QColor picked(20, 140, 220);
        Choosers::answerColour(picked);
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(widget->width() / 2, 1));
        QCOMPARE(Choosers::asked().size(), 2);
        QCOMPARE(Choosers::asked().last().colour, before);
        QVERIFY(!box->isChecked());
        for (const QString &name : group)
            QCOMPARE(shown(m_options->findChild<QWidget *>(name)), picked);

        QTest::mouseClick(box, Qt::LeftButton);
        QVERIFY(box->isChecked());
        for (const QString &name : group)
            QCOMPARE(shown(m_options->findChild<QWidget *>(name)), designed);
    }

    // Keys only: a class colour through the chooser, Esc discards it, the next showing has
    // the live colours again; Alt+S and Enter apply silver and the colour, and a save
    // writes it in the settings encoding.
    void classColourAndBackgroundByKeys()
    {
        start();
        const TColor red = m_main->labelColour(m_main->lblMetals);
        whileOpen([&](TfrmOptions *d) {
            Choosers::answerColour(QColor(1, 2, 3));
            QTest::keyClick(d, Qt::Key_M, Qt::AltModifier);
            QTRY_COMPARE(Choosers::asked().size(), 1);
            QCOMPARE(Choosers::asked().last().colour, red.resolve());
            QCOMPARE(d->lblMetals->palette().color(QPalette::WindowText), QColor(1, 2, 3));
            QTest::keyClick(d, Qt::Key_S, Qt::AltModifier);
            QTRY_COMPARE(d->working().table, Colours::Silver);
            QTest::keyClick(d, Qt::Key_Escape);
            QVERIFY(!d->isVisible());
        });
        QCOMPARE(m_main->labelColour(m_main->lblMetals), red);
        QCOMPARE(m_main->state().colours().table, TColor::system(TColor::BtnFace));

        whileOpen([&](TfrmOptions *d) {
            QCOMPARE(d->lblMetals->palette().color(QPalette::WindowText), red.resolve());
            QVERIFY(d->grpBackColorItems[0]->isChecked());
            Choosers::answerColour(QColor(1, 2, 3));
            QTest::keyClick(d, Qt::Key_M, Qt::AltModifier);
            QTRY_COMPARE(Choosers::asked().size(), 2);
            QTest::keyClick(d, Qt::Key_S, Qt::AltModifier);
            QTRY_COMPARE(d->working().table, Colours::Silver);
            QTest::keyClick(d, Qt::Key_Return);
            QVERIFY(!d->isVisible());
        });
        QCOMPARE(m_main->tile(26)->numberColor(), TColor::rgb(1, 2, 3));
        QCOMPARE(m_main->tile(8)->numberColor(), Colours::Blue); // oxygen stays a nonmetal
        QCOMPARE(m_main->state().colours().table, Colours::Silver);
        m_options->move(90, 100);
        m_main->SaveSettings();
        IniFile ini(m_main->state().settingsFile());
        QCOMPARE(ini.readString(u"Colors"_s, u"Metals"_s, {}), u"197121"_s); // 1 + 2·256 + 3·65536
        QCOMPARE(ini.readString(u"Colors"_s, u"Background"_s, {}), u"Gray"_s);
        QCOMPARE(ini.readString(u"Color Window"_s, u"Left"_s, {}), u"90"_s);
        QCOMPARE(ini.readString(u"Color Window"_s, u"Top"_s, {}), u"100"_s);
    }

    // Keys only: Alt+F puts the colour-blind-safe set into the preview, Esc discards it;
    // Alt+F and Enter apply it to tiles and legend, and a save writes the same keys.
    void safeColoursByKeys()
    {
        start();
        const ColourScheme before = m_main->state().colours();
        const QColor vermillion(0xd5, 0x5e, 0x00);
        whileOpen([&](TfrmOptions *d) {
            QTest::keyClick(d, Qt::Key_F, Qt::AltModifier);
            QTRY_COMPARE(d->lblMetals->palette().color(QPalette::WindowText), vermillion);
            QTest::keyClick(d, Qt::Key_Escape);
        });
        QVERIFY(m_main->state().colours() == before);
        whileOpen([&](TfrmOptions *d) {
            QTest::keyClick(d, Qt::Key_F, Qt::AltModifier);
            QTRY_COMPARE(d->lblMetals->palette().color(QPalette::WindowText), vermillion);
            QTest::keyClick(d, Qt::Key_Return);
        });
        QCOMPARE(m_main->tile(26)->numberColor().resolve(), vermillion);
        QCOMPARE(m_main->labelColour(m_main->lblGases).resolve(), QColor(0xf0, 0xe4, 0x42));
        QCOMPARE(m_main->state().colours().table, before.table);
        m_main->SaveSettings();
        IniFile ini(m_main->state().settingsFile());
        QCOMPARE(ini.readString(u"Colors"_s, u"Metals"_s, {}), u"24277"_s); // 213 + 94·256
    }

    // The new button sits in the class buttons' free cell: nothing on the page overlaps,
    // and every control stays inside its group, clear of the group's frame.
    void mainPageHasNoOverlaps()
    {
        start();
        showDialog();
        const QList<QWidget *> groups
            = m_options->TabMain->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
        for (QWidget *group : groups) {
            const QList<QWidget *> inside
                = group->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
            auto *box = qobject_cast<QGroupBox *>(group);
            QStyleOptionGroupBox option;
            option.initFrom(box);
            option.text = box->title();
            option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
            const QRect label = box->style()->subControlRect(
                QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
            const QRect frame = box->style()->subControlRect(
                QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame, box);
            for (QWidget *w : inside) {
                QVERIFY2(frame.adjusted(1, 1, -1, -1).contains(w->geometry())
                        && !w->geometry().intersects(label) && w->y() > frame.top(),
                    qPrintable(w->objectName() + " leaves " + group->objectName()));
                for (QWidget *other : inside)
                    QVERIFY2(w == other || !w->geometry().intersects(other->geometry()),
                        qPrintable(w->objectName() + " overlaps " + other->objectName()));
            }
            for (QWidget *other : groups)
                QVERIFY(group == other || !group->geometry().intersects(other->geometry()));
            QVERIFY2(m_options->TabMain->rect().contains(group->geometry()),
                qPrintable(group->objectName() + " leaves the page"));
        }
        QCOMPARE(m_options->butSafeColours->parentWidget(), m_options->grpForeColor);
        QVERIFY(m_options->panImage->contentsRect().contains(m_options->imgBackground->geometry()));
    }

    // Options..., the pop-up item, the toolbar button and a legend double click all open
    // the one dialog, modally.
    void everyCommandOpensIt_data()
    {
        QTest::addColumn<QString>("sender");
        for (const char *name : { "mnuOptions", "mnuColorPop", "butColor", "lblUndefined" })
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void everyCommandOpensIt()
    {
        QFETCH(QString, sender);
        start();
        QObject *source = m_main->findChild<QObject *>(sender);
        QVERIFY(source);
        bool opened = false;
        QTimer::singleShot(0, this, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            opened = modal && modal == m_options;
            if (modal)
                modal->close();
        });
        if (auto *label = qobject_cast<QLabel *>(source))
            m_main->LegendDblClick(label);
        else
            m_main->MenuClick(source);
        QTRY_VERIFY(opened);
    }

    void placement_data()
    {
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<bool>("centred");
        QTest::newRow("never saved") << QByteArray() << true;
        QTest::newRow("saved") << QByteArray("[Color Window]\nLeft=90\nTop=100\n") << false;
    }
    void placement()
    {
        QFETCH(QByteArray, section);
        QFETCH(bool, centred);
        start(section);
        const QRect owner = m_main->frameGeometry();
        const QPoint expected = centred
            ? QPoint(owner.left() + owner.width() / 2 - m_options->width() / 2,
                owner.top() + owner.height() / 2 - m_options->height() / 2)
            : QPoint(90, 100);
        QCOMPARE(m_options->pos(), expected);
        QCOMPARE(m_options->windowTitle(), u"Options"_s);
        QVERIFY(m_options->windowFlags() & Qt::WindowStaysOnTopHint);
    }

    // Browse...: what cannot be read as a picture is reported and changes nothing.
    void backgroundPictures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content"); // empty: written as a picture by format
        QTest::addColumn<QString>("error"); // empty: loads; %1 is the path
        QTest::newRow("png") << "b.png" << QByteArray("PNG") << QString();
        QTest::newRow("jpeg under another name") << "b.pic" << QByteArray("JPEG") << QString();
        QTest::newRow("text") << "notes.bmp" << QByteArray("not a picture at all")
                              << "Bitmap image is not valid.";
        // The toolkit's reader refuses sides over 16384 itself; below that the size is
        // checked before anything is allocated.
        QTest::newRow("30000 x 30000")
            << "huge.bmp" << enormousBitmapHeader(30000) << "Unable to read image data.";
        QTest::newRow("16000 x 16000") << "large.bmp" << enormousBitmapHeader(16000)
                                       << "Bitmap image %1 is too large (16000 x 16000 pixels; "
                                          "at most 40 million).";
        QTest::newRow("missing") << "gone.bmp" << QByteArray() << "Cannot open file %1.";
    }
    void backgroundPictures()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QString, error);
        start();
        QString path = m_dir->filePath(name);
        if (content == "PNG" || content == "JPEG")
            path = picture(qPrintable(name), content.constData());
        else if (!content.isEmpty()) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        showDialog();
        const QString oldFile = m_options->workingFile();
        const qint64 oldPicture = m_options->workingPicture().cacheKey();
        QCOMPARE(oldFile, m_main->state().backgroundFile());
        Choosers::answerFile(path);
        QTest::mouseClick(m_options->Button1, Qt::LeftButton);
        QCOMPARE(Choosers::asked().size(), 1);
        QCOMPARE(Choosers::asked().first().file, oldFile);
        QCOMPARE(Choosers::asked().first().filter, u"Bitmap Files (*.bmp);;All Files (*.*)"_s);
        QVERIFY(m_options->isVisible());
        if (error.isEmpty()) {
            QCOMPARE(m_options->workingFile(), path);
            QCOMPARE(m_options->workingPicture().size(), QSize(12, 8));
        } else {
            QCOMPARE(ErrorBox::recorded(),
                QStringList { error.contains("%1"_L1) ? error.arg(path) : error });
            ErrorBox::recorded().clear();
            QCOMPARE(m_options->workingFile(), oldFile);
            QCOMPARE(m_options->workingPicture().cacheKey(), oldPicture);
        }
        m_options->ButtonClick(m_options->butOK);
        QCOMPARE(m_main->state().backgroundFile(), m_options->workingFile());
    }
};

QTEST_MAIN(TestOptions)
#include "tst_options.moc"
