#pragma once
#include "history/PrizeTable.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QUrl>
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
// - Prize categories, in ascending id order, are the tiers 6, 5 + additional number, 5, 4, 3
//   hits for draws with an additional number, and 6, 5, 4, 3 for draws without one (the
//   additional number was dropped in October 2023). Tiers beyond those get hits 0 (unknown).
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
};

namespace OperatorResults {

constexpr int PageSize = 50;

// The Greek calendar date of an instant.
QDate greekDate(qint64 epochMs);
// <base>/draw-date/<from>/<to>?limit=<limit>&page=<page>
QUrl rangeUrl(const QUrl& base, const QDate& from, const QDate& to, int page, int limit = PageSize);

// Reads one page. Empty `error` on success; otherwise what is wrong with the answer, in words,
// and the page is empty. A draw whose fields are unusable makes the whole page unreadable: the
// answer is not what we understand, and storing part of it could leave a gap.
OperatorPage parsePage(const QByteArray& json, QString& error);

// Prize categories in id order mapped to tiers (see above).
std::vector<PrizeTier> mapTiers(std::vector<PrizeTier> categories, bool withAdditional);

} // namespace OperatorResults
