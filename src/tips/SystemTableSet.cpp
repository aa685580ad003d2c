#include "tips/SystemTableSet.h"

#include "base/Errors.h"
#include "tips/TipLine.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <utility>

SystemTableSet::SystemTableSet(QString dataDirectory) : m_dataDirectory(std::move(dataDirectory)) {}

const SystemTable* SystemTableSet::table(const QString& code) {
    const auto found = m_tables.find(code);
    if (found != m_tables.end()) return found->second.get();
    std::unique_ptr<SystemTable> loaded;
    const std::optional<QString> path = SystemChoice::tablePath(m_dataDirectory, code);
    if (path && QFileInfo(*path).isFile()) {
        loaded = std::make_unique<SystemTable>();
        try {
            loaded->load(*path);
        } catch (const AppError&) {
            loaded.reset();
        }
    }
    return m_tables.emplace(code, std::move(loaded)).first->second.get();
}

QStringList SystemTableSet::codes() const {
    QStringList codes;
    const QDir vew(m_dataDirectory + QStringLiteral("vew"));
    for (const QFileInfo& file : vew.entryInfoList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name))
        codes << file.completeBaseName();
    return codes;
}

namespace SystemChoice {

std::vector<Entry> entries(int n, SystemTableSet& tables) {
    const QString first = sizeStep(n, 0).entry;
    std::vector<Entry> list{{first, first == TipLine::Normal ? 1 : fullSystemRows(n)}};
    for (const QString& code : tables.codes()) {
        const SystemTable* table = tables.table(code);
        if (table && table->highestPosition() == n)
            list.push_back({TipLine::ReducedPrefix + code, table->rowCount()});
    }
    return list;
}

QString entryHint(int rows) {
    return QCoreApplication::translate("SystemChoice", "%n Tippreihe(n) pro Tipp", nullptr, rows);
}

} // namespace SystemChoice
