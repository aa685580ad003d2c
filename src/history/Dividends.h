#pragma once
#include <QDate>
#include <map>
#include <optional>
#include <vector>

// Where the amounts paid per winning row come from. A source answers for one draw date and
// one outcome (hits, and whether the row also holds the additional number) with the dividend
// in euros, or with nothing when it does not know it. Nothing is ever estimated.
class DividendSource {
public:
    virtual ~DividendSource() = default;
    virtual std::optional<double> dividend(const QDate& date, int hits, bool additional) const = 0;
};

// The prize tiers of one draw, as the operator publishes them: a tier pays for a number of
// hits, and some tiers additionally need the additional number (5 + additional).
struct DividendTier {
    int hits = 0;
    bool additional = false;
    double dividend = 0;
};

// Dividends kept in memory, tier by tier. A row with the additional number is paid by the tier
// that asks for it when the draw has one for its hits, else by the plain tier of its hits.
class MemoryDividends : public DividendSource {
public:
    void set(const QDate& date, std::vector<DividendTier> tiers) { m_draws[date] = std::move(tiers); }
    std::optional<double> dividend(const QDate& date, int hits, bool additional) const override {
        const auto it = m_draws.find(date);
        if (it == m_draws.end()) return std::nullopt;
        return pick(it->second, hits, additional);
    }

    // The tier rule above, for any list of tiers of one draw that have hits, additional and
    // dividend.
    template <class Tiers> static std::optional<double> pick(const Tiers& tiers, int hits, bool additional) {
        const double* plain = nullptr;
        for (const auto& t : tiers) {
            if (t.hits != hits) continue;
            if (t.additional == additional && additional) return t.dividend;
            if (!t.additional) plain = &t.dividend;
        }
        if (plain) return *plain;
        return std::nullopt;
    }

private:
    std::map<QDate, std::vector<DividendTier>> m_draws;
};

// Any table of prize tiers per draw answers through this adapter: Table::find(date) returns a
// pointer to the draw's prizes (or null), whose `tiers` each have hits, additional and
// dividend. The tier rule is the one of MemoryDividends.
template <class Table> class TierTableDividends : public DividendSource {
public:
    explicit TierTableDividends(const Table& table) : m_table(table) {}
    std::optional<double> dividend(const QDate& date, int hits, bool additional) const override {
        const auto* draw = m_table.find(date);
        // A tier of no known hits (hits 0: a category we could not place) never pays.
        if (!draw || hits <= 0) return std::nullopt;
        return MemoryDividends::pick(draw->tiers, hits, additional);
    }

private:
    const Table& m_table;
};
