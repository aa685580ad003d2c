#include "gui/ModuleHttp.h"

#include "gui/ProgramModule.h"

#include <QCoreApplication>

namespace {
const char* const kModuleName = "net";
}

ModuleHttpGetter::ModuleHttpGetter() = default;

ModuleHttpGetter::ModuleHttpGetter(QStringList moduleFiles) : m_files(std::move(moduleFiles)) {}

// The client is deleted while its module stays loaded: QLibrary never unloads on destruction.
ModuleHttpGetter::~ModuleHttpGetter() = default;

QStringList ModuleHttpGetter::moduleFilesFor(const QString& programDirectory) {
    return ProgramModule::filesFor(QString::fromLatin1(kModuleName), programDirectory);
}

QString ModuleHttpGetter::missingModuleText() {
    return QCoreApplication::translate(
               "ModuleHttpGetter",
               "Das Modul für Internetverbindungen (%1) fehlt oder ist unbrauchbar; bitte installieren Sie "
               "das Programm neu")
        .arg(QStringLiteral("quintara_%1.so").arg(QString::fromLatin1(kModuleName)));
}

void ModuleHttpGetter::load() {
    m_looked = true;
    using Create = HttpGetter* (*)();
    QString file;
    const auto create = reinterpret_cast<Create>(ProgramModule::resolve(
        m_files.isEmpty() ? ProgramModule::filesFor(QString::fromLatin1(kModuleName)) : m_files,
        "quintara_create_http_getter", &file));
    if (create) m_client.reset(create());
    if (!m_client) return;
    m_loadedFrom = file;
    if (m_maxBody) m_client->setMaxBodySize(*m_maxBody);
    if (m_timeout) m_client->setTimeout(*m_timeout);
}

HttpResult ModuleHttpGetter::get(const QUrl& url, const HttpProxy& proxy, const HttpHeaders& headers) {
    if (!m_looked) load();
    if (m_client) return m_client->get(url, proxy, headers);
    HttpResult failed;
    failed.errorText = missingModuleText();
    return failed;
}

void ModuleHttpGetter::abort() {
    if (m_client) m_client->abort();
}

void ModuleHttpGetter::setMaxBodySize(qint64 bytes) {
    m_maxBody = bytes;
    if (m_client) m_client->setMaxBodySize(bytes);
}

void ModuleHttpGetter::setTimeout(std::chrono::milliseconds timeout) {
    m_timeout = timeout;
    if (m_client) m_client->setTimeout(timeout);
}
