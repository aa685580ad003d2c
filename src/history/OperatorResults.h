#pragma once
#include "history/PrizeTable.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QUrl>
#include <optional>
#include <vector>

// The Greek operator's public draw results, JSON over HTTPS. Lotto is game 5103:
//   GET <base>/draw-date/{yyyy-mm-dd}/{yyyy-mm-dd}?limit=N&page=P
//   -> {"content":[draw, ...], "totalPages":T, "last":bool, ...}
// where <base> is e.g. https://api.opap.gr/draws/v3.0/5103 and each draw holds drawId, drawTime
// (epoch milliseconds), status, winningNumbers {list, bonus}, prizeCategories[] {id, divident,
// winners, distributed, jackpot, fixed, categoryType} and wagerStatistics.
//
// What we assume where the service does not say:
// - Pages are counted from 0 and end at totalPages; without totalPages, at "last": true or at a
//   page shorter than asked for. The service may cap `limit` lower than asked; paging copes.
// - The order of `content` is not relied on: the draws of a range are sorted by date.
// - A draw is complete with status "results"; "cancelled" draws are no draws; any other status
//   (active, future, ...) is a draw not yet drawn or published.
// - drawTime is an instant; the draw date is the calendar date in Greece (EET, UTC+2, with EU
//   summer time, UTC+3, from the last Sunday of March to the last Sunday of October, 01:00 UTC).
// - Prize categories are known by their id, not by their place in the array (which arrives as
//   1, 10, 2, 3, 4): 1 = 6 hits, 10 = 5 + additional number, 2 = 5, 3 = 4, 4 = 3 hits (draws
//   since the additional number was dropped in October 2023 have no category 10). Any other id
//   is kept with hits 0: a tier we cannot place, never used for money.
// - `fixed` is the fixed prize of the tier in euros (0 for pool tiers); `categoryType` is 0 for a
//   pool tier and 1 for a fixed one. A fixed tier without a `fixed` amount takes its dividend.
// - An answer without `content` is an error object: {"code": ..., "message": ...}, sent with
//   status 200 or with an error status (e.g. for a range longer than the service allows).
// - <base>/last-result-and-active answers {"last": draw, "active": draw}; the active draw is
//   the next one, with its drawTime and no winningNumbers. The jackpot it announces is taken
//   from its first category's `minimumDistributed` (what the 6-hit tier will share at least),
//   else from that category's `jackpot`; without either the jackpot is unknown.
struct OperatorDraw {
    enum class State { Complete, NotYetDrawn, Cancelled };

    qint64 drawId = 0;
    qint64 drawTime = 0; // epoch milliseconds
    QDate date;          // the Greek calendar date of drawTime
    QString status;
    std::vector<int> numbers; // winningNumbers.list, in published order
    std::vector<int> bonus;   // winningNumbers.bonus; empty since the additional number was dropped
    std::vector<PrizeTier> tiers;

    State state() const;
    DrawPrizes prizes() const { return DrawPrizes{date, drawId, tiers}; }
};

struct OperatorPage {
    std::vector<OperatorDraw> draws;
    int totalPages = -1; // -1: not given
    bool last = false;   // "last": true was given
    int size = -1;       // the page size the service used; -1: not given
    qint64 totalElements = -1; // the draws of the whole range; -1: not given
};

// The next draw the service announces.
struct AnnouncedDraw {
    qint64 drawId = 0;
    qint64 drawTime = 0;        // epoch milliseconds
    std::optional<double> jackpot; // euros; empty when the service gave none
};

// Where a prize category id places a tier.
struct TierPlace {
    int hits = 0;
    bool additional = false;
};

namespace OperatorResults {

constexpr int PageSize = 100;

// The Greek calendar date of an instant, and its wall-clock time in Greece.
QDate greekDate(qint64 epochMs);
QDateTime greekTime(qint64 epochMs);
// <base>/draw-date/<from>/<to>?limit=<PageSize>&page=<page>
QUrl rangeUrl(const QUrl& base, const QDate& from, const QDate& to, int page);
// <base>/last-result-and-active
QUrl announcedUrl(const QUrl& base);

// Reads one page. Empty `error` on success; otherwise what is wrong with the answer, in words,
// and the page is empty. A draw whose fields are unusable makes the whole page unreadable: the
// answer is not what we understand, and storing part of it could leave a gap.
OperatorPage parsePage(const QByteArray& json, QString& error);
// The service's own complaint in an answer without "content" ({"code", "message"}), in words;
// empty when the body is no such error object.
QString serviceError(const QByteArray& json);
// The active draw of a last-result-and-active answer; empty with `error` set otherwise.
std::optional<AnnouncedDraw> parseAnnounced(const QByteArray& json, QString& error);

// The tier of a Lotto prize category id (see above); empty for an id we do not know.
std::optional<TierPlace> tierOf(int categoryId);

} // namespace OperatorResults
