#pragma once

// Shared by the tests that drive the real program under an X server: run a command-line
// tool, send xdotool commands, wait for a window by its exact name, read what the program
// wrote.

#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>

namespace XDriver {

// The tool's standard output, trimmed; the tool is killed after timeoutMs.
QString tool(const QString &name, const QStringList &args, int timeoutMs = 10000);
void xdo(const QStringList &args);
void pause(int ms);

// The first visible window whose name matches exactly, waiting up to timeoutMs; empty
// when none appeared.
QString waitForWindow(const QString &name, int timeoutMs);
QRect windowGeometry(const QString &id);
void focusAndKey(const QString &window, const QString &keys);
void typeText(const QString &window, const QString &text);
// Where the keys went, for a failure message: the window holding the input focus.
QString focusReport();

// QProcess::waitForFinished is false for a process that has already ended.
bool ended(QProcess &process, int timeoutMs = 10000);

// The value of a key in an ini file, found without regard to section; empty when absent.
QString readIniFileValue(const QString &file, const QString &key);
// The same in the auralis.ini of a settings folder.
QString readIniValue(const QString &folder, const QString &key);
// Writes the auralis.ini of a settings folder.
void writeIni(const QString &folder, const QString &text);

}
