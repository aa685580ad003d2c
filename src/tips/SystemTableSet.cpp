#include "tips/SystemTableSet.h"

#include "base/Errors.h"

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
