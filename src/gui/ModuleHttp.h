#pragma once
#include "net/HttpGetter.h"

#include <QStringList>
#include <memory>
#include <optional>

// The program's HTTP client: forwards to the HTTP module (quintara_net.so, see net/HttpModule.h),
// loaded on the first request, so that the program starts without Qt Network and the libraries
// it brings. The module is looked for once; when none of the places holds a usable one, every
// request fails with a transport error saying so, as a request the network could not carry.
class ModuleHttpGetter : public HttpGetter {
public:
    // Looks in the program's own places.
    ModuleHttpGetter();
    // Looks in these files, in order (tests).
    explicit ModuleHttpGetter(QStringList moduleFiles);
    ~ModuleHttpGetter() override;

    using HttpGetter::get;
    HttpResult get(const QUrl& url, const HttpProxy& proxy, const HttpHeaders& headers) override;
    void abort() override;
    void setMaxBodySize(qint64 bytes) override;
    void setTimeout(std::chrono::milliseconds timeout) override;

    // Where a program in programDirectory finds the module.
    static QStringList moduleFilesFor(const QString& programDirectory);
    // The module file that was loaded; empty before the first request or when none was usable.
    const QString& loadedFrom() const { return m_loadedFrom; }
    // What a request reports when no module could be loaded.
    static QString missingModuleText();

private:
    void load();

    QStringList m_files;
    bool m_looked = false;
    QString m_loadedFrom;
    std::unique_ptr<HttpGetter> m_client;
    // Settings made before the module is loaded, handed on once it is.
    std::optional<qint64> m_maxBody;
    std::optional<std::chrono::milliseconds> m_timeout;
};
