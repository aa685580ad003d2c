#pragma once
#include <QString>

// Facts fixed by the build: the program's version (set once, in the top CMakeLists.txt) and
// where the installed data directory lies relative to the installed program.
namespace BuildInfo {

// "1.0"
QString version();
// "../share/quintara" for the usual bin/ and share/ layout.
QString dataDirectoryFromProgram();

} // namespace BuildInfo
