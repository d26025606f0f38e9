#include "common/ErrorBox.h"
#include "common/Scale.h"
#include "main/SharedState.h"
#include "settings/IniFile.h"
#include "windows/Unt_find.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace Qt::StringLiterals;

// The find window on a state built from the shipped data file, driven by keys sent to
// whichever control has the focus.
class TestFindWindow : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<SharedState> m_state;
    std::unique_ptr<TfrmFindElement> m_find;
    QList<int> m_chosen;
    QStringList m_disabledWith; // the lower limit's text whenever OK was disabled

    QString iniPath() const { return m_dir.filePath(u"auralis.ini"_s); }

    // densityOf3: a replacement for lithium's density value text.
    void make(const QByteArray &ini = {}, const QString &densityOf3 = {})
    {
        m_find.reset();
        QFile f(iniPath());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(ini);
        f.close();
        StartFacts facts;
        facts.settingsFile = iniPath();
        m_state = std::make_unique<SharedState>(facts);
        m_state->loadData(QStringLiteral(AURALIS_SHIPPED_DATA "/auralis.bkp"));
        if (!densityOf3.isEmpty()) {
            QStringList lines = m_state->data().lines();
            lines[2 * FieldsPerElement + Field::DensityValue] = densityOf3;
            ElementData data;
            data.loadBytes(lines.join(u'\n').toLatin1());
            m_state->setData(data);
        }
        m_state->setSelectedElement(26);
        m_find = std::make_unique<TfrmFindElement>(*m_state, nullptr);
        connect(
            m_find.get(), &TfrmFindElement::elementChosen, this, [this](int z) { m_chosen << z; });
        m_find->butOK->installEventFilter(this);
        m_find->FormCreate();
    }
    void open()
    {
        m_find->show();
        m_find->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_find.get()));
    }
    QWidget *focus() const { return QApplication::focusWidget(); }
    void key(Qt::Key k, Qt::KeyboardModifiers mods = {}) { QTest::keyClick(focus(), k, mods); }
    void type(const QString &text) { QTest::keyClicks(focus(), text); }
    static QString current(const QListWidget *list)
    {
        return list->currentItem() ? list->currentItem()->text() : u"(none)"_s;
    }
    QStringList shown() const
    {
        QStringList entries;
        for (int i = 0; i < m_find->lstProperty->count(); ++i)
            entries << m_find->lstProperty->item(i)->text();
        return entries;
    }
    // The property page with a property chosen by typing its first letters in the combo.
    void chooseProperty(const QString &letters)
    {
        m_find->selectPage(TfrmFindElement::PropertyPage);
        QCOMPARE(focus(), m_find->lstProperty);
        key(Qt::Key_Tab);
        QCOMPARE(focus(), m_find->cmbProperty);
        type(letters);
    }
    void typeLimits(const QString &lower, const QString &upper)
    {
        key(Qt::Key_Tab);
        QCOMPARE(focus(), m_find->txtLowerLimit);
        type(lower);
        key(Qt::Key_Tab);
        type(upper);
        QCOMPARE(m_find->txtLowerLimit->text(), lower);
        QCOMPARE(m_find->txtupperLimit->text(), upper);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (m_find && watched == m_find->butOK && event->type() == QEvent::EnabledChange
            && !m_find->butOK->isEnabled())
            m_disabledWith << m_find->txtLowerLimit->text();
        return false;
    }

private slots:
    void init()
    {
        ErrorBox::setRecording(true);
        ErrorBox::recorded().clear();
        m_chosen.clear();
        make();
        m_disabledWith.clear();
    }
    void cleanup() { m_find.reset(); }

    void windowAndOpening()
    {
        QCOMPARE(m_find->windowTitle(), u"Find Element"_s);
        QVERIFY(m_find->isModal());
        QVERIFY(m_find->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(m_find->pageFind->tabText(0), u"&Name"_s);
        QCOMPARE(m_find->pageFind->tabText(1), u"&Symbol"_s);
        QCOMPARE(m_find->pageFind->tabText(2), u"&Property"_s);
        for (QListWidget *list : { m_find->lstName, m_find->lstSymbol, m_find->lstProperty })
            QCOMPARE(list->size(), Scale::size(205, 109));
        QCOMPARE(m_find->lstName->count(), 0); // filled, and sorted, when first opened

        open();
        QCOMPARE(m_find->lstName->count(), 109);
        QVERIFY(m_disabledWith.isEmpty()); // the first list is there before the first frame
        QCOMPARE(m_find->txtName->text(), u"Iron"_s);
        QCOMPARE(current(m_find->lstName), u"Iron - Fe"_s);
        QCOMPARE(m_find->txtSymbol->text(), u"Fe"_s);
        QCOMPARE(current(m_find->lstSymbol), u"Fe - Iron"_s);
        QCOMPARE(focus(), m_find->txtName);
        QCOMPARE(m_find->txtName->selectedText(), u"Iron"_s);
        // Cancel and Esc change nothing.
        key(Qt::Key_Escape);
        QVERIFY(!m_find->isVisible());
        open();
        m_find->butCancel->click();
        QVERIFY(m_chosen.isEmpty());
    }

    void symbolPageSearchAndPick()
    {
        open();
        m_find->selectPage(TfrmFindElement::SymbolPage);
        QCOMPARE(focus(), m_find->txtSymbol);
        // The search selects the entry; it never writes into the box being typed in.
        const struct
        {
            const char *typed, *text, *entry;
        } steps[] = { { "c", "c", "C - Carbon" }, { "a", "ca", "Ca - Calcium" },
            { "qz", "caqz", "Ca - Calcium" } };
        for (const auto &s : steps) {
            type(QLatin1String(s.typed));
            QCOMPARE(m_find->txtSymbol->text(), QLatin1String(s.text));
            QCOMPARE(current(m_find->lstSymbol), QLatin1String(s.entry));
        }
        // A megabyte pasted in neither hangs nor moves the selection.
        m_find->txtSymbol->setText(QString(1 << 20, u'C'));
        type(u"a"_s);
        QCOMPARE(current(m_find->lstSymbol), u"Ca - Calcium"_s);
        m_find->txtSymbol->clear();
        QCOMPARE(current(m_find->lstSymbol), u"Ac - Actinium"_s);

        // The user's own choice in the list puts the symbol alone into the box.
        key(Qt::Key_Tab);
        QCOMPARE(focus(), m_find->lstSymbol);
        key(Qt::Key_Down);
        QCOMPARE(m_find->txtSymbol->text(), u"Ag"_s);
        QCOMPARE(current(m_find->lstSymbol), u"Ag - Silver"_s);
        const QListWidgetItem *helium
            = m_find->lstSymbol->findItems(u"He - Helium"_s, Qt::MatchExactly).value(0);
        QVERIFY(helium);
        QTest::mouseClick(m_find->lstSymbol->viewport(), Qt::LeftButton, {},
            m_find->lstSymbol->visualItemRect(helium).center());
        QCOMPARE(m_find->txtSymbol->text(), u"He"_s);
        key(Qt::Key_Return);
        QCOMPARE(m_chosen, QList<int> { 2 });
        QVERIFY(!m_find->isVisible());

        // A double click on the name page chooses too.
        open();
        m_find->selectPage(TfrmFindElement::NamePage);
        type(u"Calc"_s);
        QCOMPARE(current(m_find->lstName), u"Calcium - Ca"_s);
        QCOMPARE(m_find->txtName->text(), u"Calc"_s);
        const QRect r = m_find->lstName->visualItemRect(m_find->lstName->currentItem());
        // A double click as the system delivers it: press, release, double click, release.
        QTest::mouseClick(m_find->lstName->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseDClick(m_find->lstName->viewport(), Qt::LeftButton, {}, r.center());
        QCOMPARE(m_chosen, QList<int>({ 2, 20 }));
    }

    void propertyPageByKeys()
    {
        open();
        chooseProperty(u"D"_s);
        QCOMPARE(m_find->cmbProperty->currentText(), u"Density"_s);
        QCOMPARE(m_find->chosenProperty(), 5);
        // While the list was rebuilt the controls were disabled and the limits said so.
        QCOMPARE(m_disabledWith, QStringList { u"Processing"_s });
        QVERIFY(m_find->butOK->isEnabled() && m_find->lstProperty->isEnabled());
        QCOMPARE(focus(), m_find->cmbProperty);
        QCOMPARE(m_find->txtLowerLimit->text(), u"0.00008988"_s);
        QCOMPARE(m_find->txtupperLimit->text(), u"22.57"_s);
        const QStringList all = shown();
        QCOMPARE(all.size(), 99);
        QCOMPARE(all.first(), u"H - 0.00008988 g/cm³ (gas, 273 K)"_s);
        QCOMPARE(all.last(), u"Os - 22.57"_s);
        QVERIFY(all.indexOf(u"In - 7.31"_s) + 1 == all.indexOf(u"Sn - 7.31"_s));
        QVERIFY(!all.join(u'|').contains(u"--"_s));

        typeLimits(u"1"_s, u"2"_s);
        key(Qt::Key_R, Qt::AltModifier);
        QTRY_COMPARE(shown(),
            QStringList({ "Rb - 1.532", "Ca - 1.55", "Mg - 1.738", "P - 1.82", "Be - 1.848",
                "Fr - 1.87 g/cm³ (estimated)", "Cs - 1.873" }));
        QCOMPARE(current(m_find->lstProperty), u"Rb - 1.532"_s);
        key(Qt::Key_O, Qt::AltModifier);
        QTRY_COMPARE(m_chosen, QList<int> { 37 });

        // Page, property and limits are kept for the next opening.
        open();
        QCOMPARE(m_find->pageFind->currentIndex(), int(TfrmFindElement::PropertyPage));
        QCOMPARE(m_find->cmbProperty->currentText(), u"Density"_s);
        QCOMPARE(m_find->txtLowerLimit->text(), u"1"_s);
        QCOMPARE(shown().size(), 7);
    }

    void limits_data()
    {
        QTest::addColumn<QString>("lower");
        QTest::addColumn<QString>("upper");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("lowerAfter");
        QTest::addColumn<int>("chosen"); // 0: OK selects nothing
        QTest::newRow("lower above upper") << "2"
                                           << "1" << 0 << "2" << 0;
        QTest::newRow("lower not a number") << "abc"
                                            << "2" << 99 << "0.00008988" << 1;
        QTest::newRow("upper not a number") << "1"
                                            << "x" << 99 << "0.00008988" << 1;
        QTest::newRow("upper never looked at") << "30"
                                               << "x" << 0 << "30" << 0;
        QTest::newRow("one value") << "22.57"
                                   << "22.57" << 1 << "22.57" << 76;
    }
    void limits()
    {
        QFETCH(QString, lower);
        QFETCH(QString, upper);
        QFETCH(int, count);
        QFETCH(QString, lowerAfter);
        QFETCH(int, chosen);
        open();
        chooseProperty(u"D"_s);
        typeLimits(lower, upper);
        m_find->butRefresh->click();
        QCOMPARE(shown().size(), count);
        QCOMPARE(m_find->txtLowerLimit->text(), lowerAfter);
        m_find->butOK->click();
        QVERIFY(!m_find->isVisible());
        QCOMPARE(m_chosen, chosen ? QList<int> { chosen } : QList<int> {});
        QCOMPARE(ErrorBox::recorded(), QStringList());

        // Reset brings the full range back into the boxes and leaves the list alone.
        m_find->butReset->click();
        QCOMPARE(m_find->txtLowerLimit->text(), u"0.00008988"_s);
        QCOMPARE(m_find->txtupperLimit->text(), u"22.57"_s);
        QCOMPARE(shown().size(), count);
    }

    void valueNotANumberLeavesTheWindowUsable()
    {
        make({}, u"0.5x"_s);
        open();
        chooseProperty(u"D"_s);
        QCOMPARE(
            ErrorBox::recorded(), QStringList { u"'0.5x' is not a valid floating point value."_s });
        const QWidget *controls[]
            = { m_find->pageFind->tabBar(), m_find->butRefresh, m_find->butReset, m_find->butHelp,
                  m_find->butCancel, m_find->butOK, m_find->cmbProperty, m_find->lstProperty,
                  m_find->txtLowerLimit, m_find->txtupperLimit };
        for (const QWidget *w : controls)
            QVERIFY2(w->isEnabled(), qPrintable(w->objectName()));
        QCOMPARE(focus(), m_find->cmbProperty);
        QCOMPARE(shown(), QStringList());
        QCOMPARE(m_find->txtLowerLimit->text(), QString());
        m_find->butReset->click();
        m_find->butRefresh->click();
        QCOMPARE(shown(), QStringList());
        // Another property still builds its list.
        key(Qt::Key_Down);
        QCOMPARE(m_find->cmbProperty->currentText(), u"Electrical Conductivity"_s);
        QVERIFY(shown().size() > 50);
        QCOMPARE(ErrorBox::recorded().size(), 1);
    }

    void followsTheNamingScheme()
    {
        open();
        chooseProperty(u"B"_s);
        key(Qt::Key_Up);
        QCOMPARE(m_find->cmbProperty->currentText(), u"Atomic Weight"_s);
        QVERIFY(shown().contains(u"Db - [268]"_s));
        key(Qt::Key_Escape);

        m_state->setNamingScheme(1);
        QVERIFY(shown().contains(u"Unp - [268]"_s));
        QVERIFY(!shown().contains(u"Db - [268]"_s));
        QVERIFY(
            m_find->lstSymbol->findItems(u"Unp - Unnilpentium"_s, Qt::MatchExactly).size() == 1);
        QCOMPARE(m_find->lstName->count(), 109);
        m_state->setSelectedElement(105);
        open();
        m_find->selectPage(TfrmFindElement::SymbolPage);
        QCOMPARE(current(m_find->lstSymbol), u"Unp - Unnilpentium"_s);
        key(Qt::Key_Return);
        QCOMPARE(m_chosen, QList<int> { 105 });
    }

    void settings_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<int>("page");
        QTest::addColumn<QPoint>("place"); // (-1, -1): centred on the screen
        QTest::newRow("never saved") << QByteArray() << 0 << QPoint(-1, -1);
        QTest::newRow("symbol page")
            << QByteArray("[Find Window]\nTab=1\nLeft=30\nTop=40\n") << 1 << QPoint(30, 40);
        QTest::newRow("property page, default place")
            << QByteArray("[Find Window]\nTab=2\n") << 2 << QPoint(5, 5);
        QTest::newRow("tab out of range")
            << QByteArray("[Find Window]\nTab=3\nLeft=30\n") << 0 << QPoint(30, -1);
        QTest::newRow("tab negative")
            << QByteArray("[Find Window]\nTab=-7\n") << 0 << QPoint(-1, -1);
    }
    void settings()
    {
        QFETCH(QByteArray, ini);
        QFETCH(int, page);
        QFETCH(QPoint, place);
        make(ini);
        QCOMPARE(m_find->pageFind->currentIndex(), page);
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const QPoint centred(screen.x() + screen.width() / 2 - m_find->width() / 2,
            screen.y() + screen.height() / 2 - m_find->height() / 2);
        QCOMPARE(m_find->pos(),
            QPoint(
                place.x() < 0 ? centred.x() : place.x(), place.y() < 0 ? centred.y() : place.y()));

        m_find->pageFind->setCurrentIndex(2);
        m_find->move(12, 34);
        QFile::remove(iniPath());
        IniFile out(iniPath());
        m_find->saveSettings(out);
        QFile f(iniPath());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll().trimmed().replace('\r', ""),
            QByteArray("[Find Window]\nTab=2\nLeft=12\nTop=34"));
    }
};

QTEST_MAIN(TestFindWindow)
#include "tst_findwindow.moc"
