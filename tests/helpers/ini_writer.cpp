// Writes the settings file in a loop until it is killed: generation k sets every key of
// the file to k, each generation in one pass (one replace). The kill test reads the file
// after killing this at a random moment; it must hold one whole generation.
//   ini_writer PATH KEYS
#include "settings/IniFile.h"

#include <QByteArray>
#include <QString>

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: ini_writer PATH KEYS\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    const int keys = std::atoi(argv[2]);
    IniFile ini(path);
    // Start one past what the file holds, so each run writes new generations.
    const int first = ini.readInteger(QStringLiteral("S"), QStringLiteral("K0"), 0) + 1;
    for (int k = first;; ++k) {
        ini.beginPass();
        for (int j = 0; j < keys; ++j)
            ini.writeInteger(QStringLiteral("S"), QStringLiteral("K%1").arg(j), k);
        ini.commitPass();
        if (k == first) {
            std::fputs("writing\n", stdout); // the test waits for this before it aims
            std::fflush(stdout);
        }
    }
}
