// The draw results server: answers GET /zahlen/velmora.asp?Datum=yyyymmdd from a results CSV
// or a ZahlenGR.dat.
//   quintara-drawserver --file <draws.csv|ZahlenGR.dat> [--port 8049] [--bind 127.0.0.1] [--verbose]
#include "base/BuildInfo.h"
#include "base/Errors.h"
#include "server/DrawServer.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QHostAddress>
#include <cstdio>

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
    parser.addOptions({fileOption, portOption, bindOption, verboseOption});
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

    DrawTable draws;
    try {
        draws = DrawTable::fromFile(parser.value(fileOption));
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
    return app.exec();
}
