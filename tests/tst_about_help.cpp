#include "MainWindowFixture.h"
#include "base/Language.h"
#include "common/ErrorBox.h"
#include "common/HelpViewer.h"
#include "windows/Unt_abot.h"

#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <memory>

using namespace Qt::StringLiterals;

class TestAboutHelp : public QObject
{
    Q_OBJECT

    QTemporaryDir m_settings;
    std::unique_ptr<MainWindowFixture> m_program;
    TfrmAuralis *m_main = nullptr;
    const QString helpFile = QStringLiteral(AURALIS_SHIPPED_DATA "/auralis.hlp");

private slots:
    void initTestCase()
    {
        ErrorBox::setRecording(true);
        m_program = std::make_unique<MainWindowFixture>(MainWindowFixture::startOptions(
            m_settings.path(), Probes::shippedFolder(), QLatin1Char('.'), QSize()));
        m_main = m_program->get();
    }

    void cleanupTestCase() { m_program.reset(); }

    void init() { ErrorBox::recorded().clear(); }

    void aboutBoxTextsAndPlace()
    {
        m_main->setGeometry(120, 90, 1000, 700);
        TfrmAbout about(m_main);
        QCOMPARE(about.windowTitle(), u"About Auralis   "_s);
        QCOMPARE(about.lblVer->text(), u"Auralis 1.8a"_s);
        QCOMPARE(about.Label2->text(), u"Designed and created by:"_s);
        QVERIFY(about.txtEMail->isReadOnly() && about.txtURL->isReadOnly());
        QVERIFY(about.txtEMail->text().contains(QLatin1Char('@')));
        QVERIFY(about.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(about.isModal());
        QVERIFY(!about.imgIcon->pixmap().isNull());
        const QRect main = m_main->frameGeometry();
        QCOMPARE(about.pos(),
            QPoint(main.left() + main.width() / 2 - about.width() / 2,
                main.top() + main.height() / 2 - about.height() / 2));
        // Every label fits inside the box.
        for (QLabel *label : about.findChildren<QLabel *>())
            QVERIFY2(about.rect().contains(label->geometry()), qPrintable(label->objectName()));
    }

    void enterAndEscapeClose_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("escape") << int(Qt::Key_Escape);
        QTest::newRow("enter") << int(Qt::Key_Return);
    }

    void enterAndEscapeClose()
    {
        QFETCH(int, key);
        TfrmAbout about(m_main);
        about.show();
        QVERIFY(QTest::qWaitForWindowActive(&about));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QVERIFY(!about.isVisible());
    }

    void helpFileHasEveryTopicWithText_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("English") << helpFile;
        for (const QString &code : Language::shipped())
            QTest::newRow(qPrintable(code)) << Language::localisedFile(helpFile, code);
    }
    void helpFileHasEveryTopicWithText()
    {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        const QString html = QString::fromUtf8(file.readAll());
        int previous = -1;
        for (int topic = 1; topic <= 7; ++topic) {
            const QString name = u"name=\"%1\""_s.arg(HelpViewer::anchor(topic));
            const int at = html.indexOf(name);
            QVERIFY2(at > previous, qPrintable(name));
            QCOMPARE(html.count(name), 1);
            previous = at;
        }
        // Each section has real text, not just a heading.
        const QStringList sections = html.split(QRegularExpression(u"name=\"topic\\d\""_s));
        QCOMPARE(sections.size(), 8);
        for (int i = 1; i < sections.size(); ++i) {
            QString text = sections[i];
            text.remove(QRegularExpression(u"<[^>]*>"_s));
            // Chinese says in a character what a Latin script says in a few letters.
            const int least = path.contains(u"_zh_"_s) ? 150 : 400;
            QVERIFY2(text.simplified().size() > least, qPrintable(QString::number(i)));
        }
    }

    // A language's help shows the topics it has; a topic it lacks comes from the English
    // help, and so does every topic of a language without a help file.
    void helpOfTheLanguageOrEnglish()
    {
        QTemporaryDir dir;
        const QString english = dir.filePath(u"auralis.hlp"_s);
        QVERIFY(QFile::copy(helpFile, english));
        QFile partial(dir.filePath(u"auralis_de.hlp"_s));
        QVERIFY(partial.open(QIODevice::WriteOnly));
        partial.write("<html><a name=\"topic1\" id=\"topic1\"></a>Hauptfenster</html>");
        partial.close();
        QCOMPARE(HelpViewer::fileForTopic(english, 1, u"de"_s), dir.filePath(u"auralis_de.hlp"_s));
        QCOMPARE(HelpViewer::fileForTopic(english, 3, u"de"_s), english);
        QCOMPARE(HelpViewer::fileForTopic(english, 1, u"fr"_s), english);
        QCOMPARE(HelpViewer::fileForTopic(english, 1, u"en"_s), english);
    }

    void viewerOpensAtTheTopicAndIsReused()
    {
        HelpViewer::showTopic(helpFile, 1);
        QTextBrowser *viewer = HelpViewer::viewer();
        QVERIFY(viewer);
        QVERIFY(viewer->isVisible());
        QVERIFY(viewer->toPlainText().contains(u"Set Temperature dialog"_s));
        const int atMain = viewer->verticalScrollBar()->value();
        HelpViewer::showTopic(helpFile, 5);
        QCOMPARE(HelpViewer::viewer(), viewer);
        const int atTemperature = viewer->verticalScrollBar()->value();
        QVERIFY(atTemperature > atMain);
        QVERIFY(ErrorBox::recorded().isEmpty());
    }

    void viewerOutlivesTheDialogItWasOpenedFrom()
    {
        auto *dialog = new QDialog;
        dialog->setModal(true);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        HelpViewer::showTopic(helpFile, 2, dialog);
        QPointer<QTextBrowser> viewer = HelpViewer::viewer();
        QCOMPARE(viewer->window()->parentWidget(), dialog); // usable beside the modal dialog
        dialog->hide();
        delete dialog;
        QVERIFY(viewer);
        QVERIFY(viewer->isVisible());
        HelpViewer::showTopic(helpFile, 1);
        QCOMPARE(HelpViewer::viewer(), viewer.data());
    }

    void missingHelpFileIsReported()
    {
        QTemporaryDir empty;
        const QString missing = empty.filePath(u"auralis.hlp"_s);
        HelpViewer::showTopic(missing, 3);
        QCOMPARE(ErrorBox::recorded().size(), 1);
        QVERIFY(ErrorBox::recorded().first().contains(missing));
    }
};

QTEST_MAIN(TestAboutHelp)
#include "tst_about_help.moc"
