// The draw results server: answers GET /zahlen/velmora.asp?Datum=yyyymmdd from a results CSV
// or a ZahlenGR.dat; as a mirror it keeps the ZahlenGR.dat up to date from an upstream source.
//   quintara-drawserver --file <draws.csv|ZahlenGR.dat> [--port 8049] [--bind 127.0.0.1] [--verbose]
//   quintara-drawserver --file ZahlenGR.dat --upstream <address> [--period 60] [--since 1990-12-01]
#include "base/BuildInfo.h"
#include "base/Errors.h"
#include "server/DrawMirror.h"
#include "server/DrawServer.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHostAddress>
#include <QTimer>
#include <cstdio>
#include <memory>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quintara-drawserver"));
    QCoreApplication::setApplicationVersion(BuildInfo::version());

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Answers draw requests of Quintara GR over HTTP."));
    parser.addHelpOption();
    // -v is --verbose here, so the version has its long name only.
    const QCommandLineOption versionOption(QStringLiteral("version"),
                                           QStringLiteral("Displays version information."));
    parser.addOption(versionOption);
    const QCommandLineOption fileOption(QStringList{QStringLiteral("f"), QStringLiteral("file")},
                                        QStringLiteral("Draws to serve: a results CSV or a ZahlenGR.dat."),
                                        QStringLiteral("path"));
    const QCommandLineOption portOption(QStringList{QStringLiteral("p"), QStringLiteral("port")},
                                        QStringLiteral("TCP port; 0 picks a free one (default 8049)."),
                                        QStringLiteral("port"), QStringLiteral("8049"));
    const QCommandLineOption bindOption(QStringList{QStringLiteral("b"), QStringLiteral("bind")},
                                        QStringLiteral("Address to listen on (default 127.0.0.1)."),
                                        QStringLiteral("address"), QStringLiteral("127.0.0.1"));
    const QCommandLineOption verboseOption(QStringList{QStringLiteral("v"), QStringLiteral("verbose")},
                                           QStringLiteral("Print every request."));
    const QCommandLineOption upstreamOption(
        QStringList{QStringLiteral("u"), QStringLiteral("upstream")},
        QStringLiteral("Mirror: keep the file (a ZahlenGR.dat, created when missing) up to date from this "
                       "source: the operator's results service, e.g. https://api.opap.gr/draws/v3.0/5103, "
                       "or another draw server, e.g. http://host:8049."),
        QStringLiteral("address"));
    const QCommandLineOption periodOption(QStringLiteral("period"),
                                          QStringLiteral("Mirror: minutes between updates (default 60)."),
                                          QStringLiteral("minutes"), QStringLiteral("60"));
    const QCommandLineOption sinceOption(
        QStringLiteral("since"), QStringLiteral("Mirror: where an empty file starts (default 1990-12-01)."),
        QStringLiteral("yyyy-mm-dd"), QStringLiteral("1990-12-01"));
    parser.addOptions({fileOption, portOption, bindOption, verboseOption, upstreamOption, periodOption, sinceOption});
    parser.process(app);
    if (parser.isSet(versionOption)) parser.showVersion();

    if (!parser.isSet(fileOption)) {
        std::fprintf(stderr, "quintara-drawserver: --file is required\n");
        return 2;
    }
    bool portOk = false;
    const uint port = parser.value(portOption).toUInt(&portOk);
    if (!portOk || port > 65535) {
        std::fprintf(stderr, "quintara-drawserver: invalid port '%s'\n",
                     qPrintable(parser.value(portOption)));
        return 2;
    }
    const QHostAddress address(parser.value(bindOption));
    if (address.isNull()) {
        std::fprintf(stderr, "quintara-drawserver: invalid address '%s'\n",
                     qPrintable(parser.value(bindOption)));
        return 2;
    }

    const QString file = parser.value(fileOption);
    std::optional<DrawSource> upstream;
    DrawMirror::Options mirrorOptions;
    if (parser.isSet(upstreamOption)) {
        upstream = DrawSource::parse(parser.value(upstreamOption));
        if (!upstream) {
            std::fprintf(stderr, "quintara-drawserver: invalid upstream address '%s'\n",
                         qPrintable(parser.value(upstreamOption)));
            return 2;
        }
        if (file.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive)) {
            std::fprintf(stderr, "quintara-drawserver: a mirror keeps a ZahlenGR.dat, not a CSV file\n");
            return 2;
        }
        bool minutesOk = false;
        const double minutes = parser.value(periodOption).toDouble(&minutesOk);
        if (!minutesOk || minutes < 0.01 || minutes > 7 * 24 * 60) {
            std::fprintf(stderr, "quintara-drawserver: invalid period '%s'\n", qPrintable(parser.value(periodOption)));
            return 2;
        }
        mirrorOptions.period = std::chrono::milliseconds(qint64(minutes * 60000));
        mirrorOptions.retryMin = std::min(mirrorOptions.retryMin, mirrorOptions.period);
        mirrorOptions.since = QDate::fromString(parser.value(sinceOption), Qt::ISODate);
        if (!mirrorOptions.since.isValid()) {
            std::fprintf(stderr, "quintara-drawserver: invalid date '%s'\n", qPrintable(parser.value(sinceOption)));
            return 2;
        }
    }

    DrawTable draws;
    try {
        if (!upstream || QFileInfo::exists(file)) draws = DrawTable::fromFile(file);
    } catch (const AppError& e) {
        std::fprintf(stderr, "quintara-drawserver: %s: %s\n", qPrintable(parser.value(fileOption)),
                     qPrintable(e.message()));
        return 1;
    }

    DrawServer server(std::move(draws));
    if (!server.listen(address, static_cast<quint16>(port))) {
        std::fprintf(stderr, "quintara-drawserver: cannot listen on %s:%u: %s\n",
                     qPrintable(address.toString()), port, qPrintable(server.errorString()));
        return 1;
    }
    if (parser.isSet(verboseOption)) {
        QObject::connect(&server, &DrawServer::requestServed, &server, [](const DrawServer::Request& r) {
            std::printf("%d %s %s%s\n", r.status, r.method.constData(), r.target.constData(),
                        r.knownSession ? "" : " (new session)");
            std::fflush(stdout);
        });
    }
    const QString host = address.protocol() == QAbstractSocket::IPv6Protocol
                             ? QLatin1Char('[') + address.toString() + QLatin1Char(']')
                             : address.toString();
    // Tests and scripts read the port from this line when they asked for a free one.
    std::printf("Listening on http://%s:%u (%zu draws)\n", qPrintable(host), unsigned(server.port()),
                server.draws().size());
    std::fflush(stdout);

    std::unique_ptr<DrawMirror> mirror;
    if (upstream) {
        mirror = std::make_unique<DrawMirror>(file, *upstream, server, mirrorOptions);
        QObject::connect(mirror.get(), &DrawMirror::updated, mirror.get(),
                         [&server](const DrawDownloadResult& r, std::chrono::milliseconds nextIn) {
                             std::printf("Update: %s (%zu draws; next update in %lld s)\n",
                                         qPrintable(r.summaryText()), server.draws().size(),
                                         static_cast<long long>(nextIn.count() / 1000));
                             std::fflush(stdout);
                         });
        // After the first banner line, so that scripts learn the port before the first update.
        QTimer::singleShot(0, mirror.get(), [&mirror] { mirror->start(); });
    }
    return app.exec();
}
