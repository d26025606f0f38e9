#include "main/Unt_aura.h"

#include "base/ProgramName.h"
#include "common/Choosers.h"
#include "common/ErrorBox.h"
#include "data/Csv.h"
#include "elements/Elements.h"
#include "settings/IniFile.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLayout>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScopeGuard>
#include <QScopedValueRollback>
#include <QStandardPaths>

namespace {

// Room around the chart when it is drawn without the picture, in window pixels.
constexpr int ChartMargin = 6;

}

QRect TfrmAuralis::chartRect(bool withPicture) const
{
    if (withPicture || !PeriodicTable)
        return pntBackGround ? pntBackGround->geometry() : QRect();
    QRect r = PeriodicTable->geometry();
    for (const QLabel *label : { groupLabels[0], groupLabels[15] })
        if (label && !label->isHidden())
            r |= label->geometry();
    return r.adjusted(-ChartMargin, -ChartMargin, ChartMargin, ChartMargin);
}

void TfrmAuralis::paintChart(QPainter &p, const QRectF &target, bool withPicture)
{
    const QRect source = chartRect(withPicture);
    const QRectF placed = ExportFile::fitted(QSizeF(source.size()), target);
    if (placed.isEmpty())
        return;
    const QScopedValueRollback<bool> painting(m_exportPainting, true);
    const QScopedValueRollback<bool> picture(m_exportPicture, withPicture);
    p.save();
    p.translate(placed.topLeft());
    p.scale(placed.width() / source.width(), placed.height() / source.height());
    // The window's own colour behind a chart without picture, as the window shows it when
    // the picture is hidden.
    p.fillRect(QRect(QPoint(0, 0), source.size()), palette().color(QPalette::Window));
    // Each control paints itself as on the screen: the tiles, labels, legend, lines and
    // the panel go through the same code whatever device the painter is on. A picture
    // painted a band at a time clips the painter: only the controls in the band paint, each
    // band then costs its share of the chart rather than the whole of it.
    QRect shown = source;
    if (p.hasClipping()) {
        const QRect clip = p.clipBoundingRect().toAlignedRect().adjusted(-1, -1, 1, 1);
        shown &= clip.translated(source.topLeft());
    }
    if (!shown.isEmpty())
        clientArea->render(
            &p, shown.topLeft() - source.topLeft(), QRegion(shown), QWidget::DrawChildren);
    p.restore();
}

void TfrmAuralis::exportTable(const QString &file, const ExportFile::Options &options)
{
    const QRect source = chartRect(options.withPicture);
    // SVG keeps the window's proportions at a size that reads well when opened as it is.
    const QSizeF logical = QSizeF(source.size()).scaled(QSizeF(1400, 1400), Qt::KeepAspectRatio);
    ExportFile::write(file, logical, pntBackGround->logicalDpiY(), options,
        tr("Periodic table - Auralis"), [this, &options](QPainter &p, const QRectF &target) {
            paintChart(p, target, options.withPicture);
        });
}

void TfrmAuralis::exportData(const QString &file)
{
    // The file's own text: the numbers in memory carry the user's decimal separator, and
    // free texts cannot be told back from it.
    ElementData own;
    const ElementData *data = &m_state.data();
    if (m_state.decimalSeparator() != QLatin1Char('.')) {
        own.load(m_state.programFolder() + QStringLiteral("auralis.bkp"));
        data = &own;
    }
    ExportFile::writeBytes(file,
        Csv::allElements(
            *data, [this](int z) { return m_state.name(z); },
            [this](int z) { return m_state.symbol(z); }, m_state.elementCount()));
}

namespace {

QString startFolder(const QString &last)
{
    if (!last.isEmpty())
        return last;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

}

void TfrmAuralis::ExportTableClick()
{
    QString file;
    if (!Choosers::chooseSaveFile(this, tr("Export Table"),
            startFolder(m_lastExportFolder) + QStringLiteral("/periodic-table.pdf"),
            tr("PDF document (*.pdf);;SVG picture (*.svg);;PNG picture (*.png)"),
            QStringLiteral("pdf"), &file))
        return;
    m_lastExportFolder = QFileInfo(file).absolutePath();
    const ExportFile::Kind kind = ExportFile::kindOf(file);
    if (kind != ExportFile::Kind::Pdf && kind != ExportFile::Kind::Svg
        && kind != ExportFile::Kind::Png)
        throw EAuralisError(tr("%1: the name must end in .pdf, .svg or .png").arg(file));
    ExportFile::Options options;
    if (!Choosers::choosePictureOptions(this, kind, &options))
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restore = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
    exportTable(file, options);
}

void TfrmAuralis::ExportDataClick()
{
    QString file;
    if (!Choosers::chooseSaveFile(this, tr("Export Data"),
            startFolder(m_lastExportFolder) + QStringLiteral("/elements.csv"),
            tr("Comma-separated values (*.csv)"), QStringLiteral("csv"), &file))
        return;
    m_lastExportFolder = QFileInfo(file).absolutePath();
    exportData(file);
}

void TfrmAuralis::PrintClick()
{
    QPrinter printer;
    printer.setDocName(tr("Periodic table - Auralis"));
    printer.setResolution(pntBackGround->logicalDpiY());
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    QPrintPreviewDialog preview(&printer, this);
    preview.setObjectName(QStringLiteral("printPreview"));
    preview.setWindowTitle(tr("Print - Auralis"));
    // Room for the page: the dialog's own size shows it as a thumbnail.
    preview.resize(size().expandedTo(QSize(800, 600)));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter *target) {
        ErrorBox::guarded([this, target] {
            ExportFile::print(
                *target, [this](QPainter &p, const QRectF &rect) { paintChart(p, rect, false); });
        });
    });
    preview.exec();
}

void TfrmAuralis::applyStartColours()
{
    const QString background = IniFile(m_state.settingsFile())
                                   .readString(QStringLiteral("Colors"),
                                       QStringLiteral("Background"), QStringLiteral("nope"));
    if (background == QLatin1String("Gray"))
        setTableColour(Colours::Silver);
    else if (background != QLatin1String("nope"))
        setTableColour(TColor::system(TColor::BtnFace));
}

void TfrmAuralis::layoutUnshown(const QSize &size)
{
    resize(size);
    for (QWidget *owner : { static_cast<QWidget *>(this), clientArea })
        if (QLayout *l = owner->layout()) {
            l->invalidate();
            l->activate();
        }
    FormResize();
    // A second pass: the first may have changed a label's height, which moves the table.
    FormResize();
}
