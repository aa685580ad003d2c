// A child for the kill tests: changes a draw history the way the program does, over and over,
// until it is killed.
//   history_writer download <history> <draws file> <today yyyy-mm-dd>
//       serves the draws on 127.0.0.1 and brings the history up to today through the download
//   history_writer rewrite <history> <rounds>
//       alternately replaces one draw, inserts a new draw and removes it again
//   history_writer create <history>
//       creates the history with one draw
//   history_writer tipfile <path>
//       saves a tip file
// Prints "ready" once the work is about to start, so the parent's kill delays count from there.
#include "base/DayCount.h"
#include "base/Errors.h"
#include "history/DrawDownload.h"
#include "history/DrawHistory.h"
#include "server/DrawServer.h"
#include "net/HttpClient.h"
#include "tips/TipFiles.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <cstdio>

namespace {

class QuietView : public DrawDownloadView {
public:
    explicit QuietView(QDate today) : m_today(today) {}
    void runStarted() override {}
    void runEnded() override {}
    double requestDate() const override { return m_picker; }
    bool setRequestDate(double dayCount) override {
        m_picker = dayCount;
        return true;
    }
    QDate today() const override { return m_today; }
    bool stopRequested() const override { return false; }
    QString proxyHostText() const override { return {}; }
    QString proxyPortText() const override { return QStringLiteral("80"); }
    void setStatusText(int, const QString&) override {}
    void setCurrentDrawDate(double) override {}
    void setDrawText(const QString&) override {}
    void setCrossSumText(const QString&) override {}
    void setTipDrawText(const QString&) override {}

private:
    QDate m_today;
    double m_picker = 0;
};

void ready() {
    std::fputs("ready\n", stdout);
    std::fflush(stdout);
}

int download(const QString& history, const QString& drawsFile, const QDate& today) {
    DrawServer server(DrawTable::fromFile(drawsFile));
    if (!server.listen(QHostAddress::LocalHost, 0)) return 3;
    HttpClient client;
    client.setTimeout(std::chrono::seconds(10));
    DrawDownload run(client, history, {DrawSource::PerDate, QUrl(QStringLiteral("http://127.0.0.1:%1").arg(server.port()))});
    QuietView view(today);
    ready();
    DrawDownloadResult result;
    QEventLoop loop;
    bool ended = false;
    run.start(view, [&](const DrawDownloadResult& r) {
        result = r;
        ended = true;
        loop.quit();
    });
    if (!ended) loop.exec();
    if (!result.error.isEmpty() || result.failed != 0) {
        std::fprintf(stderr, "requests %d, failed %d: %s\n", result.requests, result.failed,
                     qPrintable(result.error));
        return 4;
    }
    return 0;
}

int rewrite(const QString& path, int rounds) {
    DrawHistory history(path);
    const std::vector<DrawRecord> old = history.readAll();
    if (old.size() < 3) return 3;
    DrawRecord replaced = old[old.size() / 2];
    DrawRecord inserted = old[old.size() / 2];
    inserted.date += 1; // a day no draw of the history has
    ready();
    for (int i = 0; i < rounds; ++i) {
        replaced.numbers[0] = static_cast<std::uint8_t>(i % 2 == 0 ? 48 : old[old.size() / 2].numbers[0]);
        history.insertOrReplace(replaced);
        history.insertOrReplace(inserted);
        history.removeDate(inserted.date);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    try {
        if (args.size() == 5 && args[1] == QLatin1String("download"))
            return download(args[2], args[3], QDate::fromString(args[4], Qt::ISODate));
        if (args.size() == 4 && args[1] == QLatin1String("rewrite")) return rewrite(args[2], args[3].toInt());
        if (args.size() == 3 && args[1] == QLatin1String("create")) {
            DrawRecord first;
            first.date = DayCount::fromDate(QDate(2020, 1, 1));
            first.numbers = {1, 2, 3, 4, 5, 6};
            DrawHistory(args[2]).append(first);
            return 0;
        }
        if (args.size() == 3 && args[1] == QLatin1String("tipfile")) {
            TipFiles::write(args[2], {QStringLiteral("01,02,03,04,05,06:Normal")});
            return 0;
        }
    } catch (const AppError& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.message()));
        return 5;
    }
    std::fputs("usage: history_writer download <history> <draws> <today> | rewrite <history> <rounds>\n",
               stderr);
    return 2;
}
