#include "common/ErrorBox.h"

#include "base/Texts.h"

#include <QApplication>
#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

namespace ErrorBox {

namespace {
QString g_title = QStringLiteral("Auralis");
bool g_recording = false;
QPointer<QWidget> g_hiddenOnError;
}

void setHiddenOnError(QWidget *window)
{
    g_hiddenOnError = window;
}

QString applicationTitle()
{
    return g_title;
}

void setApplicationTitle(const QString &title)
{
    g_title = title;
}

QStringList &recorded()
{
    static QStringList texts;
    return texts;
}

void setRecording(bool on)
{
    g_recording = on;
}

void showMessage(
    QWidget *parent, QMessageBox::Icon icon, const QString &caption, const QString &text)
{
    if (g_recording) {
        recorded().append(text);
        return;
    }
    makeBox(parent, icon, caption, text)->exec();
}

std::unique_ptr<QMessageBox> makeBox(
    QWidget *parent, QMessageBox::Icon icon, const QString &caption, const QString &text)
{
    const QString shown = Texts::elideForBox(text);
    auto box
        = std::make_unique<QMessageBox>(icon, Texts::cut(caption), shown, QMessageBox::Ok, parent);
    box->setTextFormat(Qt::PlainText);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // What the box had to shorten stays readable, and selectable, in its details.
    if (shown != text)
        box->setDetailedText(Texts::cut(text, 64 * 1024));
    return box;
}

void showError(const QString &message)
{
    // The message and its full stop, as the language writes it ("。" in Chinese).
    const QString stop
        = QCoreApplication::translate("Errors", ".", "the full stop after a message");
    QString text = message;
    if (!text.endsWith(QLatin1Char('.')) && !text.endsWith(stop))
        text += stop;
    // An error during start-up must not sit half-hidden beside the splash window.
    if (g_hiddenOnError)
        g_hiddenOnError->hide();
    showMessage(QApplication::activeWindow(), QMessageBox::Critical, g_title, text);
}

bool guarded(const std::function<void()> &f)
{
    try {
        f();
        return true;
    } catch (const EAuralisError &e) {
        showError(e.message());
    } catch (const std::bad_alloc &) {
        showError(QCoreApplication::translate("Errors", "Out of memory"));
    } catch (const std::exception &e) {
        showError(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        showError(QCoreApplication::translate("Errors", "Unknown error"));
    }
    return false;
}

}
