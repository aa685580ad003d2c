#pragma once
#include "tips/SystemTable.h"

#include <QString>
#include <map>
#include <memory>

// The reduced-system tables that tip lines name by their designation ("610"), each read from
// its file in the vew directory the first time a line asks for it. Every part that scores a
// line by its own system asks here, so a line is never scored with whatever table the system
// selector loaded last.
class SystemTableSet {
public:
    // dataDirectory: where the vew directory lives (Paths::dataDirectory).
    explicit SystemTableSet(QString dataDirectory);

    // The table of `code`; null when the code names no table file (or one that cannot be read,
    // or a path outside the vew directory).
    const SystemTable* table(const QString& code);

private:
    QString m_dataDirectory;
    std::map<QString, std::unique_ptr<SystemTable>> m_tables; // a null entry: no table
};
