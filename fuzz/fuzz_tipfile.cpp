// Tip files (.hlt, tipps.txt) come from users and other programs: any bytes must read as
// lines, and the lines must survive a write and a read unchanged where they can be encoded.
#include "FuzzSupport.h"
#include "base/Errors.h"
#include "base/TextFile.h"
#include "stats/Statistics.h"
#include "tips/TipFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const int perTicket = in.byte();
    const double nextDraw = in.value<double>();
    const QString path = writeScratch(QStringLiteral("tips.hlt"), in.rest());
    try {
        const QStringList lines = TipFiles::read(path);
        (void)TipFiles::tipText(lines, perTicket, nextDraw);
        (void)Statistics::tipDistribution(lines);
        for (const QString& l : lines)
            if (l.contains(QLatin1Char('\n')) || l.contains(QLatin1Char('\r'))) __builtin_trap();
    } catch (const AppError&) {
    }
    return 0;
}
