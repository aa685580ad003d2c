#pragma once
// What the module tests share: whether a library is mapped into this process, and module
// files the program cannot use.
#include <QStringList>
#include <QTemporaryDir>

// Whether a library whose file name contains `name` is mapped into this process.
bool libraryMapped(const char* name);

// For the module quintara_<name>.so: a file that is missing, one that is no library at all (in
// `dir`), and a real library without the module's entry point (Qt Core, as mapped here).
QStringList unusableModuleFiles(const QTemporaryDir& dir, const QString& name);
