#include "common/Choosers.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QQueue>
#include <QSpinBox>

namespace Choosers {

namespace {

struct Answer
{
    bool confirmed = false;
    QColor colour;
    QString file;
    bool hasOptions = false;
    ExportFile::Options options;
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

namespace {

// The file dialog both choosers show: open an existing file, or save under any name.
bool askForFile(QWidget *parent, const QString &caption, QFileDialog::AcceptMode mode,
    const QString &current, const QString &filter, const QString &defaultSuffix, QString *chosen)
{
    QFileDialog dialog(parent);
    if (!caption.isEmpty())
        dialog.setWindowTitle(caption);
    dialog.setAcceptMode(mode);
    if (mode == QFileDialog::AcceptSave) {
        dialog.setFileMode(QFileDialog::AnyFile);
        // The toolkit's own dialog everywhere, so a typed name with its suffix picks the kind.
        dialog.setOption(QFileDialog::DontUseNativeDialog);
    } else {
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
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

bool answeredFile(
    Question::Kind kind, const QString &current, const QString &filter, QString *chosen)
{
    const Answer a = nextAnswer({ kind, {}, current, filter });
    if (a.confirmed)
        *chosen = a.file;
    return a.confirmed;
}

}

bool chooseFile(QWidget *parent, const QString &current, const QString &filter,
    const QString &defaultSuffix, QString *chosen)
{
    if (g_answering)
        return answeredFile(Question::File, current, filter, chosen);
    return askForFile(
        parent, QString(), QFileDialog::AcceptOpen, current, filter, defaultSuffix, chosen);
}

bool chooseSaveFile(QWidget *parent, const QString &caption, const QString &current,
    const QString &filter, const QString &defaultSuffix, QString *chosen)
{
    if (g_answering)
        return answeredFile(Question::SaveFile, current, filter, chosen);
    return askForFile(
        parent, caption, QFileDialog::AcceptSave, current, filter, defaultSuffix, chosen);
}

bool choosePictureOptions(QWidget *parent, ExportFile::Kind kind, ExportFile::Options *options)
{
    if (g_answering) {
        asked().append({ Question::PictureOptions, {}, {}, {} });
        if (answers().isEmpty() || !answers().head().hasOptions)
            return answers().isEmpty() || answers().dequeue().confirmed;
        *options = answers().dequeue().options;
        return true;
    }
    QDialog dialog(parent);
    dialog.setWindowTitle(QCoreApplication::translate("Choosers", "Export Options"));
    auto *form = new QFormLayout(&dialog);
    QSpinBox *width = nullptr, *height = nullptr;
    QComboBox *page = nullptr;
    if (kind == ExportFile::Kind::Png) {
        auto spin = [&dialog](int value) {
            auto *s = new QSpinBox(&dialog);
            s->setRange(16, ExportFile::MaxPixels);
            s->setSuffix(QCoreApplication::translate("Choosers", " px"));
            s->setValue(value);
            return s;
        };
        width = spin(options->pixels.width());
        height = spin(options->pixels.height());
        form->addRow(QCoreApplication::translate("Choosers", "&Width:"), width);
        form->addRow(QCoreApplication::translate("Choosers", "&Height:"), height);
    } else if (kind == ExportFile::Kind::Pdf) {
        page = new QComboBox(&dialog);
        page->addItem(QCoreApplication::translate("Choosers", "A4 landscape"), int(QPageSize::A4));
        page->addItem(QCoreApplication::translate("Choosers", "A3 landscape"), int(QPageSize::A3));
        page->setCurrentIndex(options->page == QPageSize::A3 ? 1 : 0);
        form->addRow(QCoreApplication::translate("Choosers", "&Page:"), page);
    }
    auto *picture = new QCheckBox(
        QCoreApplication::translate("Choosers", "Include the &background picture"), &dialog);
    picture->setChecked(options->withPicture);
    form->addRow(picture);
    auto *buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Horizontal, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    if (width && height)
        options->pixels = QSize(width->value(), height->value());
    if (page)
        options->page = QPageSize::PageSizeId(page->currentData().toInt());
    options->withPicture = picture->isChecked();
    return true;
}

void setAnswering(bool on)
{
    g_answering = on;
}

void answerColour(const QColor &colour)
{
    Answer a;
    a.confirmed = true;
    a.colour = colour;
    answers().enqueue(a);
}

void answerFile(const QString &file)
{
    Answer a;
    a.confirmed = true;
    a.file = file;
    answers().enqueue(a);
}

void answerCancel()
{
    answers().enqueue({});
}

void answerOptions(const ExportFile::Options &options)
{
    Answer a;
    a.confirmed = true;
    a.hasOptions = true;
    a.options = options;
    answers().enqueue(a);
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
