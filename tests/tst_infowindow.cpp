#include "MainWindowFixture.h"
#include "common/ErrorBox.h"
#include "common/Scale.h"
#include "data/ElementData.h"
#include "data/Fields.h"
#include "elements/Elements.h"
#include "settings/IniFile.h"
#include "windows/Unt_info.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <QWindow>
#include <memory>

using namespace Qt::StringLiterals;

// The information window against a copy of the shipped data in which a few fields are
// replaced by the awkward texts the window must cope with.
class TestInfoWindow : public QObject
{
    Q_OBJECT

    static constexpr int RemarkElement = 26; // density text ending in ")"
    static constexpr int LongTextElement = 29; // 60-character texts
    const QString remark = u"7.86 (at 293 K)"_s;
    const QString longText = QString(60, QLatin1Char('7'));

    QTemporaryDir m_programFolder, m_settings;
    std::unique_ptr<MainWindowFixture> m_program;
    TfrmAuralis *m_main = nullptr;
    TfrmElementInfo *m_info = nullptr;

    void writeSettings(std::initializer_list<std::pair<const char16_t *, QString>> values)
    {
        IniFile ini(m_main->state().settingsFile());
        for (const auto &[key, value] : values)
            ini.writeString(u"Element Info Window"_s, QString::fromUtf16(key), value);
    }
    void select(int z) { m_main->ElementClick(z, Qt::LeftButton); }
    QString field(int z, int j) const { return m_main->state().data().field(z, j); }
    void makeInfo()
    {
        m_program->makeTools(MainWindowFixture::Info);
        m_info = m_program->info.get();
    }

private slots:
    void initTestCase()
    {
        ErrorBox::setRecording(true);
        auto line = [](int z, int j) { return (z - 1) * FieldsPerElement + j; };
        QVERIFY(Probes::writeDataWith(m_programFolder.path(),
            { { line(RemarkElement, Field::Density), remark.toLatin1() },
                { line(LongTextElement, Field::Density), longText.toLatin1() },
                { line(LongTextElement, Field::ElectronConfig), longText.toLatin1() } }));
        QFile::copy(QStringLiteral(AURALIS_SHIPPED_DATA "/auraback.bmp"),
            m_programFolder.filePath(u"auraback.bmp"_s));
    }

    void init()
    {
        ErrorBox::recorded().clear();
        QFile::remove(m_settings.filePath(u"auralis.ini"_s));
        m_program
            = std::make_unique<MainWindowFixture>(MainWindowFixture::startOptions(m_settings.path(),
                m_programFolder.path() + QLatin1Char('/'), QLatin1Char('.'), QSize()));
        m_main = m_program->get();
        QVERIFY(m_main->tilesCreated());
    }

    void cleanup()
    {
        m_program.reset();
        m_main = nullptr;
        m_info = nullptr;
    }

    // The value column is as wide as the widest value of any element needs (with the
    // design's column as the least, and twice the window's design width as the most).
    void valueColumnFitsTheWidestValue_data()
    {
        QTest::addColumn<bool>("shipped");
        QTest::newRow("shipped data") << true;
        QTest::newRow("60-character texts") << false;
    }
    void valueColumnFitsTheWidestValue()
    {
        QFETCH(bool, shipped);
        const QString folder = shipped ? Probes::shippedFolder() : m_programFolder.path() + u'/';
        TfrmAuralis main(
            MainWindowFixture::startOptions(m_settings.path(), folder, QLatin1Char('.'), QSize()));
        TfrmElementInfo info(main.state());
        info.show(); // the column is fitted when the window is first shown
        const QFontMetrics metrics(info.Values[0]->font());
        int widest = 0;
        for (int z = 1; z <= ElementCount; ++z)
            for (int r = 0; r < TfrmElementInfo::RowCount; ++r)
                widest = qMax(widest,
                    metrics.horizontalAdvance(
                        Fields::displayText(main.state().data(), z, TfrmElementInfo::rowField(r))));
        const int margin = Scale::px(4);
        const int designRoom = Scale::px(180) - margin;
        const int room = info.Values[0]->width() - margin;
        QCOMPARE(info.width() - Scale::px(359), room - designRoom);
        QCOMPARE(room, qBound(designRoom, widest, designRoom + Scale::px(359)));
    }

    void copiedTextHasTwentyLines_data()
    {
        QTest::addColumn<int>("z");
        QTest::newRow("hydrogen") << 1;
        QTest::newRow("density remark") << RemarkElement;
        QTest::newRow("long texts") << LongTextElement;
        QTest::newRow("synthetic") << 107;
    }

    void copiedTextHasTwentyLines()
    {
        QFETCH(int, z);
        makeInfo();
        select(z);
        m_info->UpdateInfo();
        const QString text = m_info->allInfoText();
        QVERIFY(!text.endsWith(QLatin1Char('\n')));
        QCOMPARE(text.count(u"\r\n"_s), 19);
        QCOMPARE(text.count(QLatin1Char('\n')), 19);
        const QStringList lines = text.split(u"\r\n"_s);
        const TElement *tile = m_main->tile(z);
        QCOMPARE(lines[0], u"%1 - %2 - %3"_s.arg(z).arg(tile->symbol(), tile->hint()));
        QCOMPARE(m_info->windowTitle(), tile->hint() + u" - Element Information"_s);
        QVERIFY(lines[1].startsWith(u"Atomic Weight: "_s));
        QVERIFY(lines[19].startsWith(u"Synthetic: "_s));
        for (int r = 0; r < TfrmElementInfo::RowCount; ++r)
            QCOMPARE(lines[r + 1],
                m_info->Labels[r]->text() + QLatin1Char(' ') + m_info->Values[r]->text());

        const QString density = m_info->Density->text();
        if (z == RemarkElement)
            QCOMPARE(density, remark);
        if (z == LongTextElement) {
            QCOMPARE(density, longText.left(50) + u" g/cm\u00b3"_s);
            QCOMPARE(m_info->ElectronConfig->text(), longText);
        }
        QCOMPARE(m_info->OxidationStates->text(), field(z, Field::OxidationStates));
        QCOMPARE(m_info->Synthetic->text(),
            ElementText::flag(field(z, Field::Synthetic)) ? u"Yes"_s : u"No"_s);
    }

    void valueToolTipsNameTheSource()
    {
        // The shipped data with its sources: hovering a value shows where it comes from.
        cleanup();
        m_program = std::make_unique<MainWindowFixture>(MainWindowFixture::startOptions(
            m_settings.path(), Probes::shippedFolder(), QLatin1Char('.'), QSize()));
        m_main = m_program->get();
        makeInfo();
        select(2);
        m_info->show();
        m_info->UpdateInfo();
        QVERIFY(QTest::qWaitForWindowExposed(m_info));
        QLineEdit *volume = m_info->Volume;
        QHelpEvent hover(QEvent::ToolTip, QPoint(4, 4), volume->mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(volume, &hover);
        QTRY_COMPARE(QToolTip::text(),
            u"calculated: atomic weight / density of the liquid at the boiling point, CRC "
            u"Handbook of Chemistry and Physics, 97th ed. (2016); for the liquid"_s);
        select(100);
        m_info->UpdateInfo();
        QCOMPARE(m_info->MeltingPoint->toolTip(),
            u"gElemental 2.0.2 element table (Debian 12, 2023); estimated"_s);
        QCOMPARE(m_info->AcidBaseProp->toolTip(), QString()); // "--": no value, no source
        QToolTip::hideText();

        // The suite's own copy of the data is another data file: its sources are not shown.
        const QString copy = m_programFolder.filePath(u"auralis.prov"_s);
        QVERIFY(QFile::copy(Probes::shippedFolder() + u"auralis.prov"_s, copy));
        cleanup();
        init();
        makeInfo();
        select(2);
        m_info->UpdateInfo();
        for (QLineEdit *value : m_info->Values)
            QVERIFY(value->toolTip().isEmpty());
        QFile::remove(copy);
    }

    void hugeTextsAreCutForTheWindowSystem()
    {
        // A name of megabytes in the data file: the caption, tool-tip and status text that
        // reach the window system are cut; the window keeps working.
        const QString huge(4 * 1024 * 1024, QLatin1Char('N'));
        TElement *tile = m_main->tile(1);
        tile->setHint(huge);
        m_main->describeTile(1);
        QVERIFY(tile->toolTip().size() <= 256);
        QVERIFY(tile->toolTip().startsWith(u"NNN"_s));
        m_main->Status(tile);
        QVERIFY(m_main->statusText(0).size() <= 256);
        QVERIFY(m_main->statusText(0).startsWith(u"1: NNN"_s));
        // The caption takes the name from the data.
        QFile data(m_programFolder.filePath(u"auralis.bkp"_s));
        QVERIFY(data.open(QIODevice::ReadOnly));
        QList<QByteArray> lines = data.readAll().split('\n');
        lines[Field::Name] = huge.toLatin1() + '\r';
        ElementData hugeName;
        hugeName.loadBytes(lines.join('\n'));
        SharedState state;
        state.setData(hugeName);
        state.setSelectedElement(1);
        TfrmElementInfo info(state);
        info.UpdateInfo();
        QVERIFY(info.windowTitle().size() <= 300);
        QVERIFY(info.windowTitle().endsWith(u"\u2026 - Element Information"_s));

        // A message box never grows past the screen; the full text is in its details.
        const QString path = u"/home/"_s + QString(5000, QLatin1Char('d')) + u"/auralis.ini"_s;
        const auto box = ErrorBox::makeBox(
            nullptr, QMessageBox::Critical, u"Auralis`"_s, u"Unable to write to "_s + path);
        box->adjustSize();
        QVERIFY(box->width() <= 1024);
        QCOMPARE(box->detailedText(), u"Unable to write to "_s + path);
        QVERIFY(box->text().startsWith(u"Unable to write to /home/ddd"_s));
        QVERIFY(box->text().endsWith(u"ddd/auralis.ini"_s));
    }

    void missingValuesShowWithoutUnit()
    {
        // Any element of the shipped data with a "--" in a row that carries a unit.
        int found = 0, row = -1;
        for (int z = 1; z <= ElementCount && !found; ++z) {
            for (int r = 0; r < TfrmElementInfo::RowCount; ++r) {
                const int f = TfrmElementInfo::rowField(r);
                if (!Fields::unitSuffix(f).isEmpty() && field(z, f) == QLatin1String("--")) {
                    found = z;
                    row = r;
                    break;
                }
            }
        }
        if (!found)
            QSKIP("the shipped data has no missing value in a row with a unit");
        makeInfo();
        select(found);
        m_info->UpdateInfo();
        QCOMPARE(m_info->Values[row]->text(), u"--"_s);
        QVERIFY(m_info->allInfoText().contains(m_info->Labels[row]->text() + u" --\r\n"_s)
            || m_info->allInfoText().endsWith(u" --"_s));
    }

    void namingSchemeRenamesAtOnceEvenWhenHidden_data()
    {
        QTest::addColumn<int>("scheme");
        QTest::addColumn<QString>("first");
        QTest::newRow("approved") << 0 << u"106 - Sg - Seaborgium"_s;
        QTest::newRow("provisional") << 1 << u"106 - Unh - Unnilhexium"_s;
        QTest::newRow("recommended") << 2 << u"106 - Rf - Rutherfordium"_s;
        QTest::newRow("acs") << 3 << u"106 - Sg - Seaborgium"_s;
    }

    void namingSchemeRenamesAtOnceEvenWhenHidden()
    {
        QFETCH(int, scheme);
        QFETCH(QString, first);
        makeInfo();
        select(106);
        QAction *items[] = { m_main->mnuIUPACApproved, m_main->mnuIUPACProvisional,
            m_main->mnuIUPACRecommended, m_main->mnuACSRecommended };
        m_main->MenuClick(items[scheme]);
        QVERIFY(!m_info->isVisible());
        QCOMPARE(m_info->allInfoText().section(u"\r\n"_s, 0, 0), first);
        QCOMPARE(m_info->windowTitle(), first.section(u" - "_s, 2) + u" - Element Information"_s);
    }

    void copyPutsTheTextOnTheClipboard()
    {
        makeInfo();
        select(8);
        m_info->show();
        QGuiApplication::clipboard()->setText(u"former"_s);
        QTest::mouseClick(m_info->butCopy, Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), m_info->allInfoText());
    }

    void everyWayOfHidingClearsTheMark_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("close button") << "button";
        QTest::newRow("escape") << "escape";
        QTest::newRow("close") << "close";
        QTest::newRow("close box") << "box";
        QTest::newRow("menu item") << "menu";
        QTest::newRow("hide") << "hide";
    }

    void everyWayOfHidingClearsTheMark()
    {
        QFETCH(QString, how);
        makeInfo();
        m_main->MenuClick(m_main->mnuElementInfo);
        QVERIFY(m_info->isVisible());
        QVERIFY(m_main->mnuElementInfo->isChecked());
        if (how == QLatin1String("button"))
            QTest::mouseClick(m_info->butClose, Qt::LeftButton);
        else if (how == QLatin1String("escape"))
            QTest::keyClick(m_info, Qt::Key_Escape);
        else if (how == QLatin1String("close"))
            m_info->close();
        else if (how == QLatin1String("box"))
            m_info->windowHandle()->close(); // a close request from the window system
        else if (how == QLatin1String("menu"))
            m_main->MenuClick(m_main->mnuElementInfo);
        else
            m_info->hide();
        QVERIFY(!m_info->isVisible());
        QVERIFY(!m_main->mnuElementInfo->isChecked());
        m_main->MenuClick(m_main->mnuElementInfo);
        QVERIFY(m_info->isVisible());
    }

    void closeButtonHidesEvenWithoutTheMark()
    {
        makeInfo();
        m_info->show();
        QVERIFY(!m_main->state().mark(SharedState::Mark::InfoWanted));
        QTest::mouseClick(m_info->butClose, Qt::LeftButton);
        QVERIFY(!m_info->isVisible());
    }

    void stayOnTopFollowsTheMarkAndKeepsTheWindow()
    {
        makeInfo();
        m_main->MenuClick(m_main->mnuElementOnTop);
        m_main->MenuClick(m_main->mnuElementInfo);
        QVERIFY(m_info->stayOnTop());
        m_main->MenuClick(m_main->mnuElementOnTop);
        m_info->FormPaint();
        QVERIFY(!m_info->stayOnTop());
        QVERIFY(m_info->isVisible());
        QVERIFY(m_main->mnuElementInfo->isChecked());
    }

    void systemColoursFollowTheDesktop()
    {
        makeInfo();
        const QPalette before = QApplication::palette();
        QPalette changed = before;
        changed.setColor(QPalette::Text, QColor(1, 2, 3));
        QApplication::setPalette(changed);
        QCoreApplication::processEvents();
        const QColor name = m_info->ElementName->palette().color(QPalette::WindowText);
        const QColor value = m_info->Weight->palette().color(QPalette::Text);
        const QColor symbol = m_info->Symbol->palette().color(QPalette::WindowText);
        QApplication::setPalette(before);
        QCOMPARE(name, QColor(1, 2, 3));
        QCOMPARE(value, QColor(1, 2, 3));
        QCOMPARE(symbol, QColor(Qt::red));
    }

    void settingsPlaceAndShow_data()
    {
        QTest::addColumn<QString>("visible");
        QTest::addColumn<bool>("placed");
        QTest::addColumn<bool>("shown");
        QTest::newRow("absent") << QString() << false << false;
        QTest::newRow("never saved") << "-42" << false << false;
        QTest::newRow("hidden") << "0" << true << false;
        QTest::newRow("shown") << "1" << true << true;
    }

    void settingsPlaceAndShow()
    {
        QFETCH(QString, visible);
        QFETCH(bool, placed);
        QFETCH(bool, shown);
        writeSettings({ { u"Top", u"210"_s }, { u"Left", u"230"_s } });
        if (!visible.isNull())
            writeSettings({ { u"Visible", visible } });
        makeInfo();
        QCOMPARE(m_info->isVisible(), shown);
        QCOMPARE(m_main->mnuElementInfo->isChecked(), shown);
        QCOMPARE(m_info->pos() == QPoint(230, 210), placed);
    }

    void settingsColoursOnlyWithoutDefaults()
    {
        writeSettings({ { u"Symbol", u"255"_s }, { u"Property1", u"32768"_s },
            { u"Property2", u"65535"_s }, { u"Value2", u"16711680"_s } });
        makeInfo();
        QVERIFY(m_main->state().colours().infoDefault);
        QCOMPARE(m_info->textColour(m_info->Symbol), TColor::rgb(255, 0, 0));
        QCOMPARE(m_info->textColour(m_info->Label1), TColor::rgb(0, 0, 128));
        QCOMPARE(m_info->textColour(m_info->Label2), TColor::rgb(128, 0, 0));

        cleanup();
        init();
        writeSettings({ { u"DefaultColours", u"0"_s }, { u"Property1", u"32768"_s },
            { u"Value2", u"16711680"_s } });
        makeInfo();
        QVERIFY(!m_main->state().colours().infoDefault);
        QCOMPARE(m_info->textColour(m_info->Symbol), TColor(0));
        QCOMPARE(m_info->textColour(m_info->Label1), TColor(32768));
        QCOMPARE(m_info->textColour(m_info->Labels[2]), TColor(32768));
        QCOMPARE(m_info->textColour(m_info->Label2), TColor(0));
        QCOMPARE(m_info->textColour(m_info->Weight), TColor(0));
        QCOMPARE(m_info->textColour(m_info->OxidationStates), TColor(16711680));
        QCOMPARE(m_info->OxidationStates->palette().color(QPalette::Text), QColor(Qt::blue));
    }
};

QTEST_MAIN(TestInfoWindow)
#include "tst_infowindow.moc"
