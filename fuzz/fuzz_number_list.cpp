// Number list files (.hlw) are loaded into the number choice window and their lines become
// the weights the tip pool is rebuilt from: any file must load and rebuild without fault.
#include "FuzzSupport.h"
#include "base/Errors.h"
#include "base/TextFile.h"
#include "generator/PreferencePool.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const QString path = writeScratch(QStringLiteral("liste.hlw"), in.rest());
    try {
        const QStringList lines = TextFile::readLines(path);
        // As the window loads it: line n ticks box n and is its weight; a missing line is empty.
        std::array<bool, 50> ticked{};
        std::array<QString, 50> texts;
        for (int n = 1; n <= 49; ++n) {
            const QString line = n <= lines.size() ? lines[n - 1] : QString();
            ticked[static_cast<std::size_t>(n)] = !line.isEmpty();
            texts[static_cast<std::size_t>(n)] = line.isEmpty() ? QStringLiteral("1") : line;
        }
        PreferencePool pool;
        pool.rebuild(ticked, texts);
        if (pool.size() < 0 || pool.size() > PreferencePool::Capacity) __builtin_trap();
        int total = 0;
        for (int w : pool.weights()) total += w;
        if (total != pool.size()) __builtin_trap();
    } catch (const AppError&) {
    }
    return 0;
}
