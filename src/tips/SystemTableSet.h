#pragma once
#include "tips/SystemTable.h"

#include <QString>
#include <QStringList>
#include <map>
#include <memory>
#include <vector>

// The reduced-system tables that tip lines name by their designation ("610"), each read from
// its file in the vew directory the first time a line asks for it, so a line is never scored
// with whatever table the system selector loaded last.
class SystemTableSet {
public:
    // dataDirectory: where the vew directory lives (Paths::dataDirectory).
    explicit SystemTableSet(QString dataDirectory);

    // Null when the code names no table file that can be read.
    const SystemTable* table(const QString& code);
    // The codes of the table files in the vew directory, in ascending order.
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
// The selector's list for n numbers per tip: the size step's entry, then "VEW:<code>" for every
// table whose highest marked position is n, by code.
std::vector<Entry> entries(int n, SystemTableSet& tables);
QString entryHint(int rows);

} // namespace SystemChoice
