// The draw results server: answers GET /zahlen/velmora.asp?Datum=yyyymmdd from a results CSV
// or a ZahlenGR.dat; as a mirror it keeps the ZahlenGR.dat up to date from an upstream source.
//   quintara-drawserver --file <draws.csv|ZahlenGR.dat> [--port 8049] [--bind 127.0.0.1] [--verbose]
//   quintara-drawserver --file ZahlenGR.dat --upstream <address> [--period 60] [--since 1990-12-01]
#include "base/BuildInfo.h"
#include "base/Errors.h"
#include "base/ProgramLock.h"
#include "i18n/Translation.h"
#include "server/DrawMirror.h"
#include "server/DrawServer.h"
#include "server/DrawServerCommandLine.h"

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

    // Help, messages and the bodies of error answers in the system's language when it is one of
    // the program's (German, English, Greek); else in German, the language built in.
    MessageCatalogues::install(MessageCatalogues::ofSystem().value_or(MessageCatalogues::Language::German));

    const DrawServerCommandLine options;
    QCommandLineParser parser;
    options.addTo(parser);
    parser.process(app);
    if (parser.isSet(options.version)) parser.showVersion();

    auto fail = [](const QString& message) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
        return 2;
    };
    if (!parser.isSet(options.file)) return fail(DrawServerCommandLine::fileRequiredText());
    bool portOk = false;
    const uint port = parser.value(options.port).toUInt(&portOk);
    if (!portOk || port > 65535)
        return fail(DrawServerCommandLine::invalidValueText(options.port, parser.value(options.port)));
    const QHostAddress address(parser.value(options.bind));
    if (address.isNull())
        return fail(DrawServerCommandLine::invalidValueText(options.bind, parser.value(options.bind)));

    const QString file = parser.value(options.file);
    std::optional<DrawSource> upstream;
    DrawMirror::Options mirrorOptions;
    if (parser.isSet(options.upstream)) {
        upstream = DrawSource::parse(parser.value(options.upstream));
        if (!upstream)
            return fail(
                DrawServerCommandLine::invalidValueText(options.upstream, parser.value(options.upstream)));
        if (file.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
            return fail(DrawServerCommandLine::mirrorNeedsDatFileText());
        bool minutesOk = false;
        const double minutes = parser.value(options.period).toDouble(&minutesOk);
        if (!minutesOk || minutes < 0.01 || minutes > 7 * 24 * 60)
            return fail(
                DrawServerCommandLine::invalidValueText(options.period, parser.value(options.period)));
        mirrorOptions.period = std::chrono::milliseconds(qint64(minutes * 60000));
        mirrorOptions.retryMin = std::min(mirrorOptions.retryMin, mirrorOptions.period);
        mirrorOptions.since = QDate::fromString(parser.value(options.since), Qt::ISODate);
        if (!mirrorOptions.since.isValid())
            return fail(DrawServerCommandLine::invalidValueText(options.since, parser.value(options.since)));
    }

    // A mirror writes its file for as long as it runs: one mirror per file, as one program per
    // data directory. A lock left by a mirror that was killed is taken over.
    std::unique_ptr<ProgramLock> fileLock;
    if (upstream) {
        fileLock = std::make_unique<ProgramLock>(file + QStringLiteral(".lock"));
        if (fileLock->state() == ProgramLock::State::HeldElsewhere) {
            std::fprintf(stderr, "%s\n", qPrintable(DrawServerCommandLine::fileInUseText(file, fileLock->holderPid())));
            return 1;
        }
    }

    DrawTable draws;
    try {
        if (!upstream || QFileInfo::exists(file)) draws = DrawTable::fromFile(file);
    } catch (const AppError& e) {
        std::fprintf(stderr, "quintara-drawserver: %s: %s\n", qPrintable(file), qPrintable(e.message()));
        return 1;
    }

    DrawServer server(std::move(draws));
    if (!server.listen(address, static_cast<quint16>(port))) {
        std::fprintf(stderr, "%s\n",
                     qPrintable(DrawServerCommandLine::cannotListenText(address.toString(), port,
                                                                        server.errorString())));
        return 1;
    }
    if (parser.isSet(options.verbose)) {
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
        QTimer::singleShot(0, mirror.get(), [&mirror] { mirror->update(); });
    }
    return app.exec();
}
