#pragma once

#include "base/Errors.h"

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <exception>
#include <functional>
#include <memory>

// The general error handler and the program's modal message boxes. Tests switch the
// boxes to a recording mode so that no test waits on a dialog.
namespace ErrorBox {

// The application title that captions the error box.
QString applicationTitle();
void setApplicationTitle(const QString &title);

// Stop icon, OK button, the application title as caption, the text and a full stop.
void showError(const QString &message);

// Runs f; an EAuralisError, any std::exception or anything else thrown is shown by
// showError and false is returned. No exception leaves this function.
bool guarded(const std::function<void()> &f);

// A modal message box with one OK button (used for the notices).
void showMessage(
    QWidget *parent, QMessageBox::Icon icon, const QString &caption, const QString &text);

// The box showMessage shows: a long text is cut and its long runs (paths) elided in the
// middle, so the box fits on the screen; the full text is then in the box's details.
std::unique_ptr<QMessageBox> makeBox(
    QWidget *parent, QMessageBox::Icon icon, const QString &caption, const QString &text);

// A window to hide before an error is shown (the splash during start-up); it may be
// deleted at any time.
void setHiddenOnError(QWidget *window);

// Test support: while recording, boxes are not shown; their texts are appended here.
void setRecording(bool on);
QStringList &recorded();

}
