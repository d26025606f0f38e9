#include "common/HelpViewer.h"

#include "base/Language.h"
#include "common/ErrorBox.h"
#include "common/Scale.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

namespace HelpViewer {

namespace {
QPointer<QTextBrowser> g_viewer;

// While a modal dialog is open the viewer lives in it (a modal dialog blocks every window
// but its own children); when the dialog goes, the viewer leaves it again instead of
// being deleted with it.
class OwnerWatch : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Hide && g_viewer && g_viewer->parentWidget() == watched) {
            watched->removeEventFilter(this);
            const bool shown = g_viewer->isVisible();
            const QRect place = g_viewer->geometry();
            g_viewer->setParent(nullptr, Qt::Window);
            g_viewer->setGeometry(place);
            g_viewer->setVisible(shown);
        }
        return false;
    }
};

void reportUnreadable(QWidget *parent, const QString &helpFile, const QString &reason)
{
    ErrorBox::showMessage(parent, QMessageBox::Warning, ErrorBox::applicationTitle(),
        QCoreApplication::translate("HelpViewer", "Cannot open the help file %1 (%2).")
            .arg(QDir::toNativeSeparators(helpFile), reason));
}

QTextBrowser *ensureViewer()
{
    if (!g_viewer) {
        g_viewer = new QTextBrowser;
        g_viewer->setObjectName(QStringLiteral("HelpViewer"));
        g_viewer->setAttribute(Qt::WA_DeleteOnClose, false);
        g_viewer->setOpenExternalLinks(true);
        g_viewer->setWindowTitle(QCoreApplication::translate("HelpViewer", "Auralis Help"));
        g_viewer->resize(Scale::size(560, 520));
        QObject::connect(
            qApp, &QCoreApplication::aboutToQuit, g_viewer.data(), &QObject::deleteLater);
    }
    // The viewer joins the open modal dialog so that its help stays readable and
    // scrollable.
    QWidget *owner = QApplication::activeModalWidget();
    if (owner == g_viewer->window())
        owner = nullptr;
    if (g_viewer->parentWidget() != owner) {
        static OwnerWatch *watch = new OwnerWatch(qApp);
        const QRect place = g_viewer->geometry();
        g_viewer->setParent(owner, Qt::Window);
        g_viewer->setGeometry(place);
        if (owner)
            owner->installEventFilter(watch);
    }
    return g_viewer;
}
}

QString anchor(int topic)
{
    return QStringLiteral("topic%1").arg(topic);
}

QTextBrowser *viewer()
{
    return g_viewer;
}

QString fileForTopic(const QString &helpFile, int topic, const QString &language)
{
    // The help of the language in force, where it has the topic; else the English help.
    const QString localised = Language::localisedFile(helpFile, language);
    if (localised != helpFile) {
        QFile file(localised);
        if (file.open(QIODevice::ReadOnly)) {
            const QByteArray target = "name=\"" + anchor(topic).toLatin1() + '"';
            if (file.readAll().contains(target))
                return localised;
        }
    }
    return helpFile;
}

void showTopic(const QString &englishHelpFile, int topic, QWidget *parent)
{
    const QString helpFile = fileForTopic(englishHelpFile, topic, Language::current());
    QFile file(helpFile);
    if (!file.open(QIODevice::ReadOnly)) {
        reportUnreadable(parent, helpFile, file.errorString());
        return;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        reportUnreadable(parent, helpFile, file.errorString());
        return;
    }

    QTextBrowser *browser = ensureViewer();
    browser->document()->setBaseUrl(QUrl::fromLocalFile(helpFile));
    browser->setHtml(QString::fromUtf8(bytes));
    browser->show();
    browser->raise();
    browser->activateWindow();
    browser->scrollToAnchor(anchor(topic));
}

}
