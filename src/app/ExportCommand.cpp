#include "ExportCommand.h"

#include "common/ErrorBox.h"
#include "common/ExportFile.h"
#include "data/Fields.h"
#include "elements/Elements.h"
#include "main/Unt_aura.h"
#include "windows/Unt_grph.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <cstdio>

namespace ExportCommand {

namespace {

// The size the window is laid out at before the chart is scaled onto the page: large
// enough for the biggest tile font, so a poster keeps the window's proportions of text.
constexpr int LayoutWidth = 1400;

void complain(const QString &message)
{
    std::fprintf(stderr, "auralis: %s\n", message.toLocal8Bit().constData());
}

bool suffixFits(Request::What what, ExportFile::Kind kind)
{
    using K = ExportFile::Kind;
    switch (what) {
    case Request::Table:
        return kind == K::Pdf || kind == K::Svg || kind == K::Png;
    case Request::Graph:
        return kind == K::Png || kind == K::Svg || kind == K::Csv;
    case Request::Data:
        return kind == K::Csv;
    }
    return false;
}

}

bool wanted(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i)
        if (QByteArray(argv[i]).startsWith("--export-"))
            return true;
    return false;
}

void quietToolkit()
{
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    });
}

int propertyFrom(const QString &text)
{
    const QString t = text.trimmed();
    bool isNumber = false;
    const int index = t.toInt(&isNumber);
    if (isNumber)
        return index >= 0 && index < TrendPropertyCount ? index : -1;
    // The English name, which scripts can rely on, or the name in the language in force.
    for (int i = 0; i < TrendPropertyCount; ++i)
        if (t.compare(QLatin1String(Fields::trend(i).name), Qt::CaseInsensitive) == 0
            || t.compare(Fields::trendName(i), Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

Parsed parse(const QStringList &arguments)
{
    Parsed result;
    for (const QString &a : arguments)
        result.isExport = result.isExport || a.startsWith(QLatin1String("--export-"));
    if (!result.isExport)
        return result;

    Request &r = result.request;
    int commands = 0;
    bool sizeGiven = false, temperatureGiven = false, trendGiven = false, propertyGiven = false;
    auto fail = [&result](const QString &message) {
        if (result.error.isEmpty())
            result.error = message;
    };
    for (int i = 0; i < arguments.size() && result.error.isEmpty(); ++i) {
        const QString option = arguments[i];
        auto value = [&]() -> QString {
            if (i + 1 >= arguments.size()) {
                fail(QCoreApplication::translate("CommandLine", "%1 needs a value").arg(option));
                return QString();
            }
            return arguments[++i];
        };
        if (option == QLatin1String("--export-table") || option == QLatin1String("--export-graph")
            || option == QLatin1String("--export-data")) {
            ++commands;
            r.what = option.endsWith(QLatin1String("table")) ? Request::Table
                : option.endsWith(QLatin1String("graph"))    ? Request::Graph
                                                             : Request::Data;
            r.file = value();
        } else if (option == QLatin1String("--size")) {
            sizeGiven = true;
            const QString text = value();
            static const QRegularExpression form(QStringLiteral("^(\\d{1,6})[xX](\\d{1,6})$"));
            const auto m = form.match(text);
            const int w = m.hasMatch() ? m.captured(1).toInt() : 0;
            const int h = m.hasMatch() ? m.captured(2).toInt() : 0;
            if (w < 16 || h < 16 || w > ExportFile::MaxPixels || h > ExportFile::MaxPixels)
                fail(QCoreApplication::translate(
                    "CommandLine", "--size: '%1' is not a size WIDTHxHEIGHT of 16 to %2 pixels")
                         .arg(text)
                         .arg(ExportFile::MaxPixels));
            r.size = QSize(w, h);
        } else if (option == QLatin1String("--temperature")) {
            temperatureGiven = true;
            const QString text = value();
            bool ok = false;
            const double k = text.trimmed().toDouble(&ok);
            if (!ok || !(k >= 0 && k <= 6000))
                fail(QCoreApplication::translate(
                    "CommandLine", "--temperature: '%1' is not a temperature of 0 to 6000 K")
                         .arg(text));
            r.temperature = k;
        } else if (option == QLatin1String("--trend") || option == QLatin1String("--property")) {
            const bool trend = option == QLatin1String("--trend");
            (trend ? trendGiven : propertyGiven) = true;
            const QString text = value();
            const int index = propertyFrom(text);
            if (index < 0)
                fail(QCoreApplication::translate("CommandLine",
                    "%1: '%2' is no trend property (a name as on the Trends "
                    "menu, or 0 to 13)")
                         .arg(option, text));
            (trend ? r.trend : r.property) = index;
        } else if (option == QLatin1String("--settings")) {
            r.settings = value();
            if (result.error.isEmpty() && !QFileInfo(*r.settings).isDir())
                fail(QCoreApplication::translate("CommandLine", "--settings: '%1' is not a folder")
                         .arg(*r.settings));
        } else {
            fail(QCoreApplication::translate("CommandLine", "unknown option '%1'").arg(option));
        }
    }
    if (!result.error.isEmpty())
        return result;
    if (commands != 1)
        fail(QCoreApplication::translate(
            "CommandLine", "give one of --export-table, --export-graph, --export-data"));
    else if (r.file.isEmpty())
        fail(QCoreApplication::translate("CommandLine", "no file name given"));
    else if (!suffixFits(r.what, ExportFile::kindOf(r.file)))
        fail(QCoreApplication::translate("CommandLine", "%1: the name must end in %2")
                 .arg(r.file,
                     r.what == Request::Table
                         ? QCoreApplication::translate("CommandLine", ".pdf, .svg or .png")
                         : r.what == Request::Graph
                         ? QCoreApplication::translate("CommandLine", ".png, .svg or .csv")
                         : QStringLiteral(".csv")));
    else if (r.what != Request::Table && (temperatureGiven || trendGiven))
        fail(QCoreApplication::translate(
            "CommandLine", "--temperature and --trend belong to --export-table"));
    else if (r.what != Request::Graph && propertyGiven)
        fail(QCoreApplication::translate("CommandLine", "--property belongs to --export-graph"));
    else if (r.what == Request::Graph && !propertyGiven)
        fail(
            QCoreApplication::translate("CommandLine", "--export-graph needs --property PROPERTY"));
    else if (r.what == Request::Data && sizeGiven)
        fail(QCoreApplication::translate("CommandLine", "--size does not belong to --export-data"));
    return result;
}

int run(const Request &request, const QString &programFolder, QChar decimalSeparator)
{
    // No box may wait for a click here: what the windows would show goes to stderr.
    ErrorBox::setRecording(true);
    ErrorBox::recorded().clear();
    auto reportRecorded = [] {
        for (const QString &message : ErrorBox::recorded())
            complain(message);
        ErrorBox::recorded().clear();
    };

    TfrmAuralis::StartOptions options;
    if (request.settings)
        options.arguments = { *request.settings };
    options.programFolder = programFolder;
    options.decimalSeparator = decimalSeparator;
    TfrmAuralis main(options);
    reportRecorded();
    if (!main.tilesCreated())
        return 1; // the data file could not be read; said above

    const bool ok = ErrorBox::guarded([&] {
        if (request.what == Request::Data) {
            main.exportData(request.file);
            return;
        }
        if (request.what == Request::Graph) {
            TfrmGraph graph(main.state(), &main);
            main.attachToolWindows({ nullptr, &graph, nullptr, nullptr, nullptr, nullptr });
            graph.plotProperty(request.property);
            graph.exportGraph(
                request.file, request.size.isEmpty() ? QSize(800, 500) : request.size);
            return;
        }
        main.applyStartColours();
        if (request.temperature) {
            main.setTemperature(float(*request.temperature));
            main.ApplyTemperature();
        }
        if (request.trend >= 0)
            main.showTrend(request.trend);
        ExportFile::Options picture;
        if (!request.size.isEmpty())
            picture.pixels = request.size;
        // Lay the window out in the proportions of the page or picture.
        const QSizeF page = ExportFile::kindOf(request.file) == ExportFile::Kind::Png
            ? QSizeF(picture.pixels)
            : QSizeF(297, 210);
        main.layoutUnshown(QSize(LayoutWidth, qRound(LayoutWidth * page.height() / page.width())));
        main.exportTable(request.file, picture);
    });
    reportRecorded();
    return ok ? 0 : 1;
}

std::optional<int> runIfAsked(const QStringList &arguments)
{
    const Parsed parsed = parse(arguments);
    if (!parsed.isExport)
        return std::nullopt;
    if (!parsed.error.isEmpty()) {
        complain(parsed.error);
        return 2;
    }
    const QString point = QLocale::system().decimalPoint();
    return run(parsed.request, QCoreApplication::applicationDirPath() + QLatin1Char('/'),
        point.isEmpty() ? QLatin1Char('.') : point.at(0));
}

QString usage()
{
    return QCoreApplication::translate("CommandLine",
        "  --export-table FILE   write the table as FILE (.pdf, .svg or .png) and exit\n"
        "      --size WxH        the PNG's size in pixels (default 3508x2480)\n"
        "      --temperature K   the temperature the tiles are coloured for (0 to 6000)\n"
        "      --trend PROPERTY  the trend relief (a Trends menu name, or 0 to 13)\n"
        "  --export-graph FILE --property PROPERTY\n"
        "                        write the trend graph as FILE (.png, .svg or .csv) and exit\n"
        "  --export-data FILE    write all element data as FILE (.csv) and exit\n"
        "  --settings DIR        the folder of auralis.ini for the exports\n");
}

}
