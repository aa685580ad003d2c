#pragma once
#include "history/Dividends.h"
#include "history/DrawRecord.h"

#include <QString>
#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

// What uniform random tips would have done on the same draws: the exact expectation of each
// prize level and the spread over many simulated random players.
namespace Chance {

enum Level { Three, Four, Five, FiveAdditional, Six };
constexpr int LevelCount = 5;
// The level of an outcome; -1 below three hits.
int levelOf(int hits, bool additional);
// "3er", "4er", "5er", "5er + ZZ", "6er".
QString levelName(int level);

// One draw played: winning numbers as a bit set, additional number (0: none), tips played.
struct Round {
    QDate date;
    std::uint64_t winning = 0;
    int additional = 0;
    int tips = 0;
};
Round roundOf(const DrawRecord& record, int tips);

// Without rows every number of the tip counts (single tip, full system). With rows (a reduced
// system) each row is a set of positions of the tip's numbers in ascending order; the best row
// decides, the earliest of equally good rows giving the additional number.
struct TipShape {
    int numbers = 6;
    std::vector<std::uint32_t> rows;
};

// Probability that a random tip of n numbers (6..26) has exactly `hits` winning numbers and
// holds (or, with additional false, does not hold) the additional number of the draw.
double probability(int n, int hits, bool additional, bool drawHasAdditional);
// Expected count of each level over the rounds; none for reduced systems (only simulated).
std::optional<std::array<double, LevelCount>> expectation(const std::vector<Round>& rounds,
                                                          const TipShape& shape);

// What the rows cost and won; wins whose dividend the source does not know are counted apart.
struct Money {
    double stake = 0;
    double knownReturn = 0;
    std::int64_t unknownWins = 0;
    double balance() const { return knownReturn - stake; }
    bool complete() const { return unknownWins == 0; }
};

struct PlayerResult {
    std::array<std::int64_t, LevelCount> levels{};
    Money money;
};

struct Band {
    double low = 0; // 5th percentile
    double median = 0;
    double high = 0; // 95th percentile
};

struct SimulationSettings {
    int players = 1000;
    std::uint64_t seed = 1;
    int threads = 0; // 0: one per core
    // Optional money: stake per row of a round and the dividends.
    double stakePerRow = 0;
    const DividendSource* dividends = nullptr;
};

struct SimulationResult {
    std::vector<PlayerResult> players; // in player order; empty when stopped
    std::array<Band, LevelCount> bands{};
    Band balance; // of the players' known balance
    bool stopped = false;
    std::uint64_t seed = 0;
};

// 1, C(n, 6) for a full system, the table's rows.
int rowsPlayed(const TipShape& shape);

// Runs the players on worker threads. Each player draws from its own sequence derived from
// (seed, player), so the result is the same whatever the thread count. progress(done, total)
// is called on the calling thread now and then, and at the end; stop gives a stopped result.
SimulationResult simulate(const std::vector<Round>& rounds, const TipShape& shape,
                          const SimulationSettings& settings,
                          const std::function<void(int done, int total)>& progress = {},
                          const std::atomic<bool>* stop = nullptr);

// The random players of simulate(), fed one round at a time while the caller produces the
// rounds, and played on a thread of their own meanwhile. finish() gives exactly what simulate()
// gives (settings.dividends only tells whether money is counted); add() looks the round's
// dividends up on the caller's thread.
class StreamedPlayers {
public:
    StreamedPlayers(const TipShape& shape, const SimulationSettings& settings);
    ~StreamedPlayers();
    StreamedPlayers(const StreamedPlayers&) = delete;
    StreamedPlayers& operator=(const StreamedPlayers&) = delete;

    void add(const Round& round, const DividendSource* dividends);
    const TipShape& shape() const;
    // Plays the rounds the players' thread has not played yet as simulate() does; progress and
    // stop as for simulate().
    SimulationResult finish(const std::function<void(int done, int total)>& progress = {},
                            const std::atomic<bool>* stop = nullptr);

private:
    struct State;
    std::unique_ptr<State> m_state;
};

// Score of one tip (bit set of its numbers) against a round.
struct Score {
    int hits = 0;
    bool additional = false;
};
Score score(std::uint64_t tip, const TipShape& shape, const Round& round);

// Stake and return of one tip on one round: every row costs stakePerRow, every row with three
// or more hits wins its dividend where the source knows it.
Money ticketMoney(std::uint64_t tip, const TipShape& shape, const Round& round, double stakePerRow,
                  const DividendSource* dividends);

// Columns of one tip that won on a round, by prize level (a three with the additional number
// counts as a three).
std::array<double, LevelCount> winningColumns(std::uint64_t tip, const TipShape& shape, const Round& round);

// -1 below the band, 0 inside, 1 above.
int compare(const Band& band, double value);
// A plain sentence for one level, e.g. "3er: 41 Treffer, Zufall erwartet 38,2 (Median 38, 90 %
// der Zufallsspieler 28 bis 49): im Bereich des Zufalls."
QString sentence(int level, std::int64_t actual, std::optional<double> expected, const Band& band);

// The rows as CSV: "stufe,ergebnis,erwartet,median,p5,p95,bewertung".
QByteArray toCsv(const std::array<std::int64_t, LevelCount>& actual,
                 const std::optional<std::array<double, LevelCount>>& expected, const SimulationResult& sim);

} // namespace Chance
