// The program in other languages: every window and page under a pseudo-translation whose
// texts are 40 % longer (nothing may be cut or overlap), a switch to German, the
// accelerators of every shipped language, and a translation that cannot be loaded.
#include "MainWindowFixture.h"
#include "Translations.h"
#include "Unt_spsh.h"
#include "base/Language.h"
#include "common/ErrorBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <memory>
#include <set>

using namespace Qt::StringLiterals;

namespace {

const QString Built = QStringLiteral(AURALIS_TRANSLATIONS);
const QString Pseudo = QStringLiteral(AURALIS_PSEUDO_QM);

QString plain(const QString &text)
{
    QString out = text;
    out.replace("&&"_L1, "\x01"_L1);
    out.remove(QLatin1Char('&'));
    out.replace("\x01"_L1, "&"_L1);
    return out;
}

// A text control's text that does not fit the room its style gives it, or "".
QString cutText(QWidget *w)
{
    const QFontMetrics fm = w->fontMetrics();
    const auto report
        = [w](const QString &text) { return QStringLiteral("%1 '%2'").arg(w->objectName(), text); };
    if (auto *label = qobject_cast<QLabel *>(w)) {
        if (label->text().isEmpty() || !label->pixmap().isNull())
            return {};
        const QRect room = label->contentsRect();
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0)
            | Qt::TextShowMnemonic;
        const QRect used = fm.boundingRect(room, flags, label->text());
        return used.width() <= room.width() + 1 && used.height() <= room.height() + 1
            ? QString()
            : report(label->text());
    }
    if (auto *button = qobject_cast<QPushButton *>(w)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QRect room
            = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        return fm.horizontalAdvance(plain(button->text())) <= room.width() ? QString()
                                                                           : report(button->text());
    }
    if (qobject_cast<QCheckBox *>(w) || qobject_cast<QRadioButton *>(w)) {
        auto *box = static_cast<QAbstractButton *>(w);
        QStyleOptionButton option;
        option.initFrom(box);
        option.text = box->text();
        const QRect room = box->style()->subElementRect(qobject_cast<QCheckBox *>(w)
                ? QStyle::SE_CheckBoxContents
                : QStyle::SE_RadioButtonContents,
            &option, box);
        return fm.horizontalAdvance(plain(box->text())) <= room.width() ? QString()
                                                                        : report(box->text());
    }
    if (auto *group = qobject_cast<QGroupBox *>(w)) {
        QStyleOptionGroupBox option;
        option.initFrom(group);
        option.text = group->title();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        const QRect title = group->style()->subControlRect(
            QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group);
        return title.right() < group->width()
                && fm.horizontalAdvance(plain(group->title())) <= title.width()
            ? QString()
            : report(group->title());
    }
    if (auto *tabs = qobject_cast<QTabWidget *>(w)) {
        const QTabBar *bar = tabs->tabBar();
        return bar->tabRect(bar->count() - 1).right() < bar->width() ? QString()
                                                                     : report(bar->tabText(0));
    }
    return {};
}

bool isOverlapAllowed(const QWidget *a, const QWidget *b)
{
    // The heading of the information window and of its sample: three labels on a bevel.
    static const QStringList heading { "ElementName"_L1, "Symbol"_L1, "Number"_L1, "WinBevel1"_L1 };
    return heading.contains(a->objectName()) && heading.contains(b->objectName());
}

// Every cut text and every pair of overlapping controls among the visible ones.
void inspect(QWidget *container, QStringList &faults)
{
    QList<QWidget *> kids;
    for (QObject *o : container->children())
        if (auto *w = qobject_cast<QWidget *>(o); w && !w->isWindow() && w->isVisible())
            kids << w;
    // The graph sample of the options dialog draws its parts over one another on purpose.
    const bool sample = container->objectName() == "Background"_L1;
    for (QWidget *w : kids) {
        if (const QString cut = cutText(w); !cut.isEmpty())
            faults << QStringLiteral("cut: ") + cut;
        if (auto *tabs = qobject_cast<QTabWidget *>(w))
            inspect(tabs->currentWidget(), faults);
        else if (!qobject_cast<QLabel *>(w) && !qobject_cast<QAbstractButton *>(w))
            inspect(w, faults);
    }
    for (int i = 0; i < kids.size() && !sample; ++i)
        for (int j = i + 1; j < kids.size(); ++j)
            if (const QRect both = kids[i]->geometry() & kids[j]->geometry();
                // The design lets neighbouring rows share a pixel or two.
                both.width() > 2 && both.height() > 2 && !isOverlapAllowed(kids[i], kids[j]))
                faults << QStringLiteral("overlap: %1 and %2")
                              .arg(kids[i]->objectName(), kids[j]->objectName());
}

// The accelerator of a text, as the key it is pressed with; 0 for none.
int accelerator(const QString &text)
{
    const QKeySequence k = QKeySequence::mnemonic(text);
    return k.isEmpty() ? 0 : k[0].key();
}

using Group = QList<std::pair<QString, QString>>; // (name, text) of the items of one group

// The items that share the keyboard: each menu's items, each menu bar's titles, each
// dialog page's controls with the dialog's tabs and buttons.
QMap<QString, Group> acceleratorGroups(MainWindowFixture &program)
{
    QMap<QString, Group> groups;
    for (QWidget *window :
        { static_cast<QWidget *>(program.get()), static_cast<QWidget *>(program.graph.get()) }) {
        for (QMenuBar *bar : window->findChildren<QMenuBar *>()) {
            Group &g = groups[window->objectName() + "/bar"_L1];
            for (QAction *a : bar->actions())
                g.append({ a->menu() ? a->menu()->objectName() : a->objectName(), a->text() });
        }
        for (QMenu *menu : window->findChildren<QMenu *>()) {
            Group &g = groups[window->objectName() + '/' + menu->objectName()];
            for (QAction *a : menu->actions())
                if (!a->isSeparator())
                    g.append({ a->menu() ? a->menu()->objectName() : a->objectName(), a->text() });
        }
    }
    const auto controls = [](QWidget *root, Group &g) {
        for (QWidget *w : root->findChildren<QWidget *>()) {
            if (qobject_cast<QTabWidget *>(w->parentWidget()->parentWidget())
                && w->parentWidget()->parentWidget() != root)
                continue;
            if (auto *b = qobject_cast<QAbstractButton *>(w))
                g.append({ b->objectName(), b->text() });
            else if (auto *l = qobject_cast<QLabel *>(w); l && l->buddy())
                g.append({ l->objectName(), l->text() });
            else if (auto *box = qobject_cast<QGroupBox *>(w))
                g.append({ box->objectName(), box->title() });
        }
    };
    for (QDialog *dialog : { static_cast<QDialog *>(program.find.get()),
             static_cast<QDialog *>(program.temperature.get()),
             static_cast<QDialog *>(program.options.get()) }) {
        const auto pages = dialog->findChildren<QTabWidget *>();
        QTabWidget *tabs = pages.first();
        for (int i = 0; i < tabs->count(); ++i) {
            Group &g = groups[dialog->objectName() + QStringLiteral("/page%1").arg(i)];
            for (int t = 0; t < tabs->count(); ++t)
                g.append({ QStringLiteral("tab%1").arg(t), tabs->tabText(t) });
            for (QPushButton *b :
                dialog->findChildren<QPushButton *>(QString(), Qt::FindDirectChildrenOnly))
                g.append({ b->objectName(), b->text() });
            controls(tabs->widget(i), g);
        }
    }
    Group &info = groups["frmElementInfo"_L1];
    for (QPushButton *b : program.info->findChildren<QPushButton *>())
        info.append({ b->objectName(), b->text() });
    return groups;
}

// The pairs of items of each group that share an accelerator.
std::set<QString> sharedAccelerators(const QMap<QString, Group> &groups)
{
    std::set<QString> shared;
    for (auto it = groups.cbegin(); it != groups.cend(); ++it) {
        const Group &g = it.value();
        for (int i = 0; i < g.size(); ++i)
            for (int j = i + 1; j < g.size(); ++j)
                if (accelerator(g[i].second)
                    && accelerator(g[i].second) == accelerator(g[j].second))
                    shared.insert(it.key() + ": " + g[i].first + " & " + g[j].first);
    }
    return shared;
}

}

class TestI18n : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;

    std::unique_ptr<MainWindowFixture> start()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QFile ini(m_dir->filePath(QStringLiteral("auralis.ini")));
        if (!ini.open(QIODevice::WriteOnly))
            return nullptr;
        ini.write("[About]\nRead=1\n[Colors]\nBackground=Gray\n[Settings]\nSelected Element=26\n");
        ini.close();
        return std::make_unique<MainWindowFixture>(
            MainWindowFixture::startOptions(m_dir->path()), MainWindowFixture::AllTools);
    }

private slots:
    void initTestCase() { ErrorBox::setRecording(true); }

    // Every window and every page of the dialogs, in texts 40 % longer than English.
    void pseudoTextsFit()
    {
        QTranslator pseudo;
        QVERIFY2(pseudo.load(Pseudo), qPrintable(Pseudo));
        QCoreApplication::installTranslator(&pseudo);
        const auto program = start();
        QVERIFY(program);
        QStringList faults;
        const auto look = [&faults](QWidget *window, const QString &name) {
            window->show();
            QCoreApplication::processEvents();
            QStringList found;
            inspect(window, found);
            for (const QString &f : found)
                faults << name + ": " + f;
            window->hide();
        };
        look(program->info.get(), "information window"_L1);
        look(program->about.get(), "about box"_L1);
        TfrmSplash splash;
        look(&splash, "splash"_L1);
        for (ToolDialog *dialog : std::initializer_list<ToolDialog *> {
                 program->find.get(), program->temperature.get(), program->options.get() }) {
            auto *tabs = dialog->findChildren<QTabWidget *>().first();
            for (int i = 0; i < tabs->count(); ++i) {
                tabs->setCurrentIndex(i);
                look(dialog, dialog->objectName() + QStringLiteral(" page %1").arg(i));
            }
        }
        // The texts really are the pseudo-translation's, not English.
        QVERIFY(program->find->windowTitle().startsWith(u'['));
        QCoreApplication::removeTranslator(&pseudo);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

    void switchesToGerman()
    {
        QTranslator german;
        QVERIFY(german.load(Built + "/auralis_de.qm"_L1));
        QCoreApplication::installTranslator(&german);
        auto program = start();
        QCOMPARE(program->get()->FileMenu->title(), "&Datei"_L1);
        QCOMPARE(program->get()->mnuElementInfo->text().remove(u'&'), "Elementinformationen"_L1);
        QCOMPARE(program->find->windowTitle(), "Element suchen"_L1);
        program->info->show();
        QCOMPARE(program->info->ElementName->text(), "Eisen"_L1);
        QCOMPARE(program->info->windowTitle(), "Eisen - Elementinformationen"_L1);
        QCOMPARE(program->info->Label1->text(), "Atommasse:"_L1);
        program.reset();

        // Back in English, as a new start would be.
        QCoreApplication::removeTranslator(&german);
        program = start();
        QCOMPARE(program->get()->FileMenu->title(), "&File"_L1);
        program->info->show();
        QCOMPARE(program->info->windowTitle(), "Iron - Element Information"_L1);
    }

    // No two items that share the keyboard share an accelerator, unless they do in English.
    void acceleratorsApart_data()
    {
        QTest::addColumn<QString>("code");
        for (const QString &code : Language::shipped())
            QTest::newRow(qPrintable(code)) << code;
    }
    void acceleratorsApart()
    {
        QFETCH(QString, code);
        std::set<QString> english;
        {
            auto program = start();
            english = sharedAccelerators(acceleratorGroups(*program));
        }
        QTranslator translation;
        QVERIFY(translation.load(Built + "/auralis_"_L1 + code + ".qm"_L1));
        QCoreApplication::installTranslator(&translation);
        auto program = start();
        const std::set<QString> shared = sharedAccelerators(acceleratorGroups(*program));
        program.reset();
        QCoreApplication::removeTranslator(&translation);
        QStringList extra;
        for (const QString &pair : shared)
            if (!english.count(pair))
                extra << pair;
        QVERIFY2(extra.isEmpty(), qPrintable(extra.join(u'\n')));
    }

    // The legend's two columns stand apart and inside its frame whichever class or state
    // has the longest name ("Nichtmetalle", "Ciała stałe").
    void legendColumnsApart_data() { acceleratorsApart_data(); }
    void legendColumnsApart()
    {
        QFETCH(QString, code);
        QTranslator translation;
        QVERIFY(translation.load(Built + "/auralis_"_L1 + code + ".qm"_L1));
        QCoreApplication::installTranslator(&translation);
        const auto removed = qScopeGuard([&] { QCoreApplication::removeTranslator(&translation); });
        auto program = start();
        TfrmAuralis *w = program->get();
        const QRect inside = w->panLegend->contentsRect();
        const QLabel *classes[] = { w->lblMetals, w->lblNonMetals, w->lblSemimetals };
        const QLabel *states[] = { w->lblSolids, w->lblLiquids, w->lblGases };
        for (const QLabel *c : classes)
            for (const QLabel *st : states)
                QVERIFY2(c->geometry().right() + 2 < st->x(),
                    qPrintable(c->text() + " runs into "_L1 + st->text()));
        for (const QLabel *l : { classes[0], classes[1], classes[2], states[0], states[1],
                 states[2], static_cast<const QLabel *>(w->lblUndefined) })
            QVERIFY2(l->x() >= inside.left() && l->geometry().right() <= inside.right(),
                qPrintable(l->text() + " leaves the legend"_L1));
    }

    // The options dialog's choice is kept for the next start only once made; a stored code
    // the program does not know stays as it is.
    void languageChoiceKept()
    {
        auto program = start();
        const QString ini = m_dir->filePath(u"auralis.ini"_s);
        TfrmOptions *options = program->options.get();
        options->show();
        options->butOK->click();
        program->get()->SaveSettings();
        QCOMPARE(Probes::iniValue(ini, u"Settings"_s, u"Language"_s), u"<absent>"_s);
        options->show();
        options->cmbLanguage->setCurrentIndex(options->cmbLanguage->findData(u"de"_s));
        options->butOK->click();
        program->get()->SaveSettings();
        QCOMPARE(Probes::iniValue(ini, u"Settings"_s, u"Language"_s), u"de"_s);
        options->show();
        QCOMPARE(options->cmbLanguage->currentData().toString(), u"de"_s);
        options->cmbLanguage->setCurrentIndex(0); // follow the system again
        options->butOK->click();
        program->get()->SaveSettings();
        QCOMPARE(Probes::iniValue(ini, u"Settings"_s, u"Language"_s), QString());
        program.reset();

        QVERIFY(Probes::writeFile(
            ini, "[About]\nRead=1\n[Colors]\nBackground=Gray\n[Settings]\nLanguage=xx\n"));
        MainWindowFixture again(
            MainWindowFixture::startOptions(m_dir->path()), MainWindowFixture::AllTools);
        again.get()->SaveSettings();
        QCOMPARE(Probes::iniValue(ini, u"Settings"_s, u"Language"_s), u"xx"_s);
    }

    // The command line: an unknown code ends with the codes there are; the exports speak
    // the language asked for.
    void commandLine()
    {
        const QString program = QStringLiteral(AURALIS_BIN_DIR "/auralis");
        QProcess unknown;
        unknown.start(program, { u"--language"_s, u"xx"_s, u"--version"_s });
        QVERIFY(unknown.waitForFinished(20000));
        QCOMPARE(unknown.exitCode(), 2);
        const QString said = QString::fromLocal8Bit(unknown.readAllStandardError());
        for (const QString &code : Language::accepted())
            QVERIFY2(said.contains(code), qPrintable(said));

        QTemporaryDir dir;
        QProcess german;
        german.start(
            program, { u"--language"_s, u"de"_s, u"--export-data"_s, dir.filePath(u"de.csv"_s) });
        QVERIFY(german.waitForFinished(30000));
        QCOMPARE(german.exitCode(), 0);
        const QString csv = QString::fromUtf8(Probes::contentOf(dir.filePath(u"de.csv"_s)));
        QVERIFY(csv.startsWith(u"Ordnungszahl,"_s));
        QVERIFY(csv.contains(u"\r\n26,Eisen,Fe,"_s));
    }

    // A translation file that is damaged or missing leaves English and no box.
    void unusableTranslation()
    {
        QTemporaryDir folder;
        QDir().mkpath(folder.filePath("translations"_L1));
        QFile damaged(folder.filePath("translations/auralis_de.qm"_L1));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write("not a translation");
        damaged.close();
        ErrorBox::recorded().clear();
        QCOMPARE(Translations::install(*qApp, "de"_L1, QString(), folder.path() + u'/'), "en"_L1);
        QCOMPARE(Translations::install(*qApp, "fr"_L1, QString(), folder.path() + u'/'), "en"_L1);
        QCOMPARE(Language::current(), "en"_L1);
        QVERIFY(ErrorBox::recorded().isEmpty());
        QCOMPARE(QCoreApplication::translate("Element", "Hydrogen"), "Hydrogen"_L1);
    }
};

QTEST_MAIN(TestI18n)
#include "tst_i18n.moc"
