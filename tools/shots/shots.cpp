// Pictures of every window, for looking at them as a user would: the main window, the tool
// windows (each page of the dialogs), the splash and the help, in a language and a palette
// of choice.
//   auralis_shots OUT-FOLDER [--language CODE] [--dark] [--grey] [--118]
//                 [--translation FILE.qm]
// Run it under a display (Xvfb) or with QT_QPA_PLATFORM=offscreen; QT_SCALE_FACTOR=2 gives
// the pictures at twice the size.
#include "Startup.h"
#include "Translations.h"
#include "Unt_spsh.h"
#include "common/HelpViewer.h"
#include "main/Unt_aura.h"
#include "windows/Unt_abot.h"
#include "windows/Unt_find.h"
#include "windows/Unt_grph.h"
#include "windows/Unt_info.h"
#include "windows/Unt_temp.h"
#include "windows/unt_optn.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTranslator>
#include <cstdio>

namespace {

QString g_out;

void settle()
{
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
        QTest::qWait(30);
    }
}

void save(QWidget *w, const QString &name)
{
    settle();
    const QString file = g_out + QLatin1Char('/') + name + QStringLiteral(".png");
    if (!w->grab().save(file))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
}

void pages(QWidget *dialog, QTabWidget *tabs, const QString &name)
{
    dialog->show();
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        save(dialog, name + QStringLiteral("-%1").arg(i));
    }
    dialog->hide();
}

QPalette darkPalette()
{
    QPalette p;
    p.setColor(QPalette::Window, QColor(53, 53, 53));
    p.setColor(QPalette::WindowText, Qt::white);
    p.setColor(QPalette::Base, QColor(35, 35, 35));
    p.setColor(QPalette::AlternateBase, QColor(53, 53, 53));
    p.setColor(QPalette::Text, Qt::white);
    p.setColor(QPalette::Button, QColor(53, 53, 53));
    p.setColor(QPalette::ButtonText, Qt::white);
    p.setColor(QPalette::Light, QColor(90, 90, 90));
    p.setColor(QPalette::Midlight, QColor(70, 70, 70));
    p.setColor(QPalette::Dark, QColor(25, 25, 25));
    p.setColor(QPalette::Mid, QColor(40, 40, 40));
    p.setColor(QPalette::Shadow, Qt::black);
    p.setColor(QPalette::ToolTipBase, QColor(53, 53, 53));
    p.setColor(QPalette::ToolTipText, Qt::white);
    return p;
}

}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr,
            "usage: auralis_shots OUT-FOLDER [--language CODE] [--dark] "
            "[--grey] [--118] [--size WxH] [--translation FILE.qm]\n");
        return 2;
    }
    g_out = args.at(1);
    QDir().mkpath(g_out);
    QString language;
    QString translation;
    bool dark = false, grey = false, complete = false;
    QSize size(900, 600);
    for (int i = 2; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--language") && i + 1 < args.size())
            language = args.at(++i);
        else if (args.at(i) == QLatin1String("--translation") && i + 1 < args.size())
            translation = args.at(++i);
        else if (args.at(i) == QLatin1String("--dark"))
            dark = true;
        else if (args.at(i) == QLatin1String("--grey"))
            grey = true;
        else if (args.at(i) == QLatin1String("--118"))
            complete = true;
        else if (args.at(i) == QLatin1String("--size") && i + 1 < args.size()) {
            const QStringList wh = args.at(++i).split(QLatin1Char('x'));
            if (wh.size() == 2)
                size = QSize(wh.at(0).toInt(), wh.at(1).toInt());
        }
    }
    const QString programFolder = QStringLiteral(AURALIS_PROGRAM_FOLDER);
    if (!translation.isEmpty()) {
        auto *t = new QTranslator(&app);
        if (!t->load(translation))
            std::fprintf(stderr, "cannot load %s\n", qPrintable(translation));
        QCoreApplication::installTranslator(t);
    } else {
        Translations::install(app, language, QString(), programFolder);
    }
    if (dark) {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(darkPalette());
    }

    QTemporaryDir settings;
    {
        QFile ini(settings.filePath(QStringLiteral("auralis.ini")));
        ini.open(QIODevice::WriteOnly);
        ini.write("[About]\nRead=1\n[Colors]\nBackground=");
        ini.write(grey ? "Gray\n" : "Default\n");
        ini.write("[Settings]\nSelected Element=26\n");
        if (complete)
            ini.write("Elements=118\n");
    }

    TfrmSplash splash;
    splash.show();
    save(&splash, QStringLiteral("splash"));
    splash.hide();

    TfrmAuralis::StartOptions options;
    options.arguments = QStringList { settings.path() };
    options.programFolder = programFolder;
    TfrmAuralis main(options);
    main.resize(size);
    main.show();
    settle();
    const auto tools = createToolWindows(main);
    save(&main, QStringLiteral("main"));
    for (QMenu *menu :
        main.menuBar()->findChildren<QMenu *>(QString(), Qt::FindDirectChildrenOnly)) {
        menu->popup(main.mapToGlobal(QPoint(0, 0)));
        save(menu, QStringLiteral("menu-") + menu->objectName());
        menu->hide();
    }

    tools->info->show();
    save(tools->info.get(), QStringLiteral("info"));
    tools->info->hide();

    tools->graph->resize(700, 450);
    tools->graph->show();
    save(tools->graph.get(), QStringLiteral("graph"));
    tools->graph->hide();

    pages(tools->temperature.get(), tools->temperature->pageTemp, QStringLiteral("temperature"));
    pages(tools->find.get(), tools->find->pageFind, QStringLiteral("find"));
    pages(tools->options.get(), tools->options->PageControl, QStringLiteral("options"));

    tools->about->show();
    save(tools->about.get(), QStringLiteral("about"));
    tools->about->hide();

    HelpViewer::showTopic(main.state().helpFile(), 1, &main);
    if (QTextBrowser *help = HelpViewer::viewer()) {
        save(help, QStringLiteral("help"));
        help->close();
    }
    main.attachToolWindows({});
    return 0;
}
