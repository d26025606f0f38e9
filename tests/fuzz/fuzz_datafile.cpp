// The element data parser on arbitrary bytes: it must never crash or hang, must split into
// the number of lines that an independent count of the breaks gives, and every field read
// must either return a line or throw the program's error.
#include "base/Errors.h"
#include "data/ElementData.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void require(bool condition, const char *property)
{
    if (!condition) {
        std::fprintf(stderr, "property failed: %s\n", property);
        std::abort();
    }
}

// Lines by the file's rules, counted byte by byte without building them.
qsizetype expectedLineCount(const uint8_t *data, size_t size)
{
    qsizetype count = 0;
    bool open = false; // characters since the last break
    for (size_t i = 0; i < size && data[i] != 0; ++i) {
        if (data[i] == '\r' || data[i] == '\n') {
            ++count;
            open = false;
            if (data[i] == '\r' && i + 1 < size && data[i + 1] == '\n')
                ++i;
        } else {
            open = true;
        }
    }
    return count + (open ? 1 : 0);
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    ElementData file;
    file.loadBytes(bytes);
    require(file.lineCount() == expectedLineCount(data, size), "line count");

    qsizetype characters = 0;
    for (const QString &line : file.lines()) {
        require(!line.contains(QLatin1Char('\r')) && !line.contains(QLatin1Char('\n')),
            "no break inside a line");
        require(!line.contains(QChar(0)), "no NUL inside a line");
        characters += line.size();
    }
    require(characters <= qsizetype(size), "one character per byte at most");

    const QStringList before = file.lines();
    file.fixDecimalSeparator(QLatin1Char(','));
    require(file.lineCount() == before.size(), "the fix-up keeps every line");
    for (qsizetype i = 0; i < before.size(); ++i) {
        const qsizetype at = before[i].indexOf(QLatin1Char('.'));
        QString fixed = before[i];
        if (at >= 0)
            fixed[at] = QLatin1Char(',');
        require(file.lines()[i] == fixed, "only the first point of a line changes");
    }

    // Fields of the first and last element, the element the input's size names, and a few
    // outside the record, as every reader in the program would ask for them.
    const int zs[] = { 1, 109, int(size % 111), 0, 110, -1 };
    for (int z : zs) {
        for (int j = -1; j <= 35; ++j) {
            const bool inRecord = z >= 1 && z <= 109 && j >= 0 && j <= 34;
            const bool present = inRecord && (z - 1) * 35 + j < file.lineCount();
            bool threw = false;
            try {
                file.field(z, j);
            } catch (const EAuralisError &) {
                threw = true;
            }
            require(threw != present, "field() returns exactly the lines of the record");
            if (!present)
                continue;
            try {
                Fields::displayText(file, z, j);
            } catch (const EAuralisError &) {
                // Field 20 that is not an integer: the reader shows the error.
            }
        }
    }
    return 0;
}
