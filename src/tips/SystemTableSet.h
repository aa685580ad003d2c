#pragma once
#include "tips/SystemTable.h"

#include <QString>
#include <QStringList>
#include <map>
#include <memory>
#include <vector>

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
    // The codes of the table files in the vew directory ("609", "610", ...), in ascending order.
    QStringList codes() const;

private:
    QString m_dataDirectory;
    std::map<QString, std::unique_ptr<SystemTable>> m_tables; // a null entry: no table
};

namespace SystemChoice {

// One entry of the system selector's list: the designation it stands for ("Normal",
// "Vollsystem", "VEW:610") and the rows one tip of it plays.
struct Entry {
    QString value;
    int rows = 0;
};
// The selector's list for n numbers per tip: the size step's entry (the single tip for 6, the
// full system above), then "VEW:<code>" for every table whose rows mark positions up to n
// (its highest marked position is n), by code.
std::vector<Entry> entries(int n, SystemTableSet& tables);
// The hint of an entry: "10 Tippreihen pro Tipp".
QString entryHint(int rows);

} // namespace SystemChoice
