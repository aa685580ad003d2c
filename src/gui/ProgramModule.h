#pragma once
#include <QFunctionPointer>
#include <QString>
#include <QStringList>

// Parts of the program whose libraries are heavy and seldom needed at once (sound, the chart,
// printing, the HTTP client) live in modules of their own, quintara_<name>.so, loaded on their
// first use: the program starts without loading those libraries.
namespace ProgramModule {

// Where a program in programDirectory finds the module `name`: beside it (the build tree, a
// portable copy), then in the installed library directory relative to it.
QStringList filesFor(const QString& name, const QString& programDirectory);
// The same for the running program.
QStringList filesFor(const QString& name);

// The entry point `symbol` of the first of `files` that is a loadable module exporting it;
// nullptr when none is. The module stays loaded for the rest of the run. `loadedFrom`, when
// given, receives the file the entry point came from (empty when none).
QFunctionPointer resolve(const QStringList& files, const char* symbol, QString* loadedFrom = nullptr);

} // namespace ProgramModule
