#pragma once

#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

// The command-line exports: the table as a picture, the trend graph, all element data.
// They run without a window (the offscreen platform) and end the program.
namespace ExportCommand {

struct Request
{
    enum What { Table, Graph, Data } what = Table;
    QString file;
    QSize size; // empty: the default for the kind
    std::optional<double> temperature; // kelvin
    int trend = -1; // relief property 0..13, -1 none
    int property = -1; // graph property 0..13
    std::optional<QString> settings; // the settings folder; none: as for the window
};

struct Parsed
{
    bool isExport = false; // the arguments ask for an export
    QString error; // one message; empty when the request is sound
    Request request;
};

// Reads the program's arguments (without the program itself). Arguments without any
// --export- option are not an export; the window starts as usual.
Parsed parse(const QStringList &arguments);

// Whether the arguments ask for an export, before the application object exists (it
// decides the platform).
bool wanted(int argc, char **argv);
// Keeps the toolkit's own notes (such as a missing runtime folder) off stderr, which then
// holds only what the export has to say; critical messages still pass.
void quietToolkit();

// A trend property by its name in English or in the language in force, as on the Trends
// menu without "&" (any case), or its index "0".."13";
// -1 when it is neither.
int propertyFrom(const QString &text);

// Writes the file. Returns the exit code: 0 done, 1 the data or the file failed (the
// message, with the path, on stderr); nothing partial is left behind.
int run(const Request &request, const QString &programFolder, QChar decimalSeparator);

// The whole command: nothing when the arguments ask for no export; else the exit code (2
// for arguments it cannot use, with one message on stderr and nothing written).
std::optional<int> runIfAsked(const QStringList &arguments);

// The options, for --help.
QString usage();

}
