#pragma once
#include <QString>

// Facts fixed by the build: the program's version (set once, in the top CMakeLists.txt) and
// where the installed data and module directories lie relative to the installed program.
namespace BuildInfo {

// "1.0"
QString version();
// "../share/quintara" for the usual bin/ and share/ layout.
QString dataDirectoryFromProgram();
// Where the installed program's loadable modules lie relative to it: "../lib/quintara" or
// "../lib/<multiarch>/quintara".
QString moduleDirectoryFromProgram();

} // namespace BuildInfo
