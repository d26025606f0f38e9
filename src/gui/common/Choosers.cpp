#include "common/Choosers.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QQueue>

namespace Choosers {

namespace {

struct Answer
{
    bool confirmed = false;
    QColor colour;
    QString file;
};

bool g_answering = false;

QQueue<Answer> &answers()
{
    static QQueue<Answer> queue;
    return queue;
}

Answer nextAnswer(const Question &question)
{
    asked().append(question);
    return answers().isEmpty() ? Answer() : answers().dequeue();
}

}

bool chooseColour(QWidget *parent, const QColor &initial, QColor *chosen)
{
    if (g_answering) {
        const Answer a = nextAnswer({ Question::Colour, initial, {}, {} });
        if (a.confirmed && a.colour.isValid())
            *chosen = a.colour;
        return a.confirmed && a.colour.isValid();
    }
    // The toolkit's own chooser on every desktop: its "HTML" field takes a typed value.
    const QColor c
        = QColorDialog::getColor(initial, parent, QString(), QColorDialog::DontUseNativeDialog);
    if (!c.isValid())
        return false;
    *chosen = c;
    return true;
}

bool chooseFile(QWidget *parent, const QString &current, const QString &filter,
    const QString &defaultSuffix, QString *chosen)
{
    if (g_answering) {
        const Answer a = nextAnswer({ Question::File, {}, current, filter });
        if (a.confirmed)
            *chosen = a.file;
        return a.confirmed;
    }
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(defaultSuffix);
    if (!current.isEmpty()) {
        const QFileInfo info(current);
        dialog.setDirectory(info.absolutePath());
        dialog.selectFile(info.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    *chosen = dialog.selectedFiles().constFirst();
    return true;
}

void setAnswering(bool on)
{
    g_answering = on;
}

void answerColour(const QColor &colour)
{
    answers().enqueue({ true, colour, {} });
}

void answerFile(const QString &file)
{
    answers().enqueue({ true, {}, file });
}

void answerCancel()
{
    answers().enqueue({});
}

QList<Question> &asked()
{
    static QList<Question> questions;
    return questions;
}

void reset()
{
    answers().clear();
    asked().clear();
}

}
