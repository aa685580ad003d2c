// Builds a ZahlenGR.dat from the published results CSV.
//   quintara-csv2dat <results.csv> <ZahlenGR.dat>
#include "base/Errors.h"
#include "base/SafeFile.h"
#include "history/DrawCsv.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: quintara-csv2dat <results.csv> <ZahlenGR.dat>\n");
        return 2;
    }
    try {
        const auto records = DrawCsv::readFile(args[1]);
        QByteArray bytes;
        for (const auto& r : records) {
            const auto b = r.toBytes();
            bytes.append(reinterpret_cast<const char*>(b.data()), DrawRecord::Size);
        }
        try {
            SafeFile::replace(args[2], bytes);
        } catch (const AppError& e) {
            std::fprintf(stderr, "%s\n", qPrintable(e.message()));
            return 1;
        }
    } catch (const AppError& e) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(args[1]), qPrintable(e.message()));
        return 1;
    }
    return 0;
}
