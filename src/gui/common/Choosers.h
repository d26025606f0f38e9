#pragma once

#include "common/ExportFile.h"

#include <QColor>
#include <QList>
#include <QString>

class QWidget;

// The colour chooser and the file-open dialog, reached only through here. Tests switch
// to the answering mode and queue the answers in advance, so no test waits on a dialog.
namespace Choosers {

// The colour chooser opened on `initial`; true with *chosen set when the user confirms.
bool chooseColour(QWidget *parent, const QColor &initial, QColor *chosen);
// The file-open dialog opened on `current`, with a filter such as "Bitmap Files
// (*.bmp);;All Files (*.*)" and the suffix a typed name without one gets; true with
// *chosen set when the user confirms.
bool chooseFile(QWidget *parent, const QString &current, const QString &filter,
    const QString &defaultSuffix, QString *chosen);

// The save dialog with its caption, opened on `current` with a filter such as
// "PDF (*.pdf);;SVG (*.svg)"; it asks before it replaces a file. true with *chosen set when
// the user confirms.
bool chooseSaveFile(QWidget *parent, const QString &caption, const QString &current,
    const QString &filter, const QString &defaultSuffix, QString *chosen);
// The options step of a picture's export for a file of the given kind (PNG: the pixel
// size; PDF: the page; both and SVG: the background picture); true when confirmed.
bool choosePictureOptions(QWidget *parent, ExportFile::Kind kind, ExportFile::Options *options);

// Test support: while answering, no dialog is shown. Each question takes the next queued
// answer (an empty queue answers Cancel) and is recorded with what it was opened on.
struct Question
{
    enum Kind { Colour, File, SaveFile, PictureOptions } kind = Colour;
    QColor colour; // the colour the chooser opened on
    QString file, filter; // the file dialog's current name and filter
};
void setAnswering(bool on);
void answerColour(const QColor &colour);
void answerFile(const QString &file);
void answerCancel();
// The next options step confirms these options (an options step with nothing queued for
// it confirms what it was opened with).
void answerOptions(const ExportFile::Options &options);
QList<Question> &asked();
// Forgets the queued answers and the recorded questions.
void reset();

}
