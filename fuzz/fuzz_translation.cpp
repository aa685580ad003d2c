// Translation files and their UTF-16 companions are made by users: reading them, looking up
// entries and writing them back must not fault on any content.
#include "FuzzSupport.h"
#include "base/Errors.h"
#include "i18n/Translation.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const bool withCompanion = in.flag();
    const QByteArray main = in.part();
    const QByteArray companion = in.rest();
    const QString path = writeScratch(QStringLiteral("lang.txt"), main);
    const QString companionPath = path + Translation::CompanionSuffix;
    if (withCompanion)
        writeScratch(QStringLiteral("lang.txt") + Translation::CompanionSuffix, companion);
    else
        QFile::remove(companionPath);
    try {
        const auto entries = Translation::read(path);
        for (const auto& e : entries) {
            (void)Translation::charsetNumber(e);
            if (Translation::find(entries, e.window, e.component) == nullptr) __builtin_trap();
        }
        const QStringList lines = Translation::fileLines(entries);
        const QStringList comp = Translation::companionLines(entries);
        (void)Translation::encodeCompanion(comp);
        // What was read reads back the same from its own lines.
        const auto again = Translation::parse(lines, &comp);
        if (again.size() != entries.size()) __builtin_trap();
    } catch (const AppError&) {
    }
    return 0;
}
