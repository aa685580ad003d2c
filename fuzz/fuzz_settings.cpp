// The settings file lives in the user's configuration directory and may be damaged or
// edited by hand: parsing keeps what it can, and what it keeps must write and read back.
#include "FuzzSupport.h"
#include "base/SettingsStore.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const QByteArray content = in.rest();
    SettingsStore store = SettingsStore::openFile(writeScratch(QStringLiteral("settings.reg"), content));
    for (const QString& name : store.valueNames()) {
        const auto kind = store.kind(name);
        if (!kind) __builtin_trap();
        try {
            switch (*kind) {
            case SettingsStore::Kind::Integer:
                (void)store.readInteger(name);
                break;
            case SettingsStore::Kind::Text:
                (void)store.readString(name);
                break;
            case SettingsStore::Kind::Binary:
                (void)store.readBinary(name);
                break;
            }
        } catch (const SettingsError&) {
            __builtin_trap();
        }
    }
    const QByteArray written = store.serialize();
    SettingsStore again = SettingsStore::openFile(writeScratch(QStringLiteral("settings2.reg"), written));
    if (again.skippedLines() != 0 || again.valueNames() != store.valueNames()) __builtin_trap();
    if (again.serialize() != written) __builtin_trap();
    return 0;
}
