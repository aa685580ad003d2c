#pragma once
#include "evaluation/Matching.h"

#include <QString>
#include <array>
#include <cstdint>

// The replay of the generator over past draws: hit totals for Saturday and Wednesday draws.
namespace HistoricAnalysis {

inline const QString InputCaption = QString::fromUtf8(QT_TRANSLATE_NOOP("HistoricAnalysis", "Ihre GlücksZahl (1-99999999)?"));
inline const QString InputPrompt =
    QString::fromUtf8(QT_TRANSLATE_NOOP("HistoricAnalysis", "Geben Sie Ihre GlücksZahl für den Zufallsgenerator ein!"));
inline const QString InputError = QString::fromUtf8(QT_TRANSLATE_NOOP("HistoricAnalysis", "Fehler bei Eingabe der ZufallsZahl"));
// "GlücksZahl <n> gesetzt", for the second status panel.
QString seedStatus(int luckyNumber);

// The range the lucky-number box asks for.
constexpr int LowestLucky = 1;
constexpr int HighestLucky = 99999999;
// The seed itself when it lies in the box's range, otherwise a number of that range made from it.
int luckyProposal(std::uint32_t seed);
// The message for an answer that is no whole number.
QString notALuckyNumber(const QString& answer);

struct Totals {
    // [hits][additional number no/yes]
    std::array<std::array<std::int32_t, 2>, 7> saturday{};
    std::array<std::array<std::int32_t, 2>, 7> wednesday{};
    int steps = 0;

    // Evaluations on a Saturday or a Sunday count as Saturday draws, all others as Wednesday.
    void add(const HitTally& tally, int weekday);
    QString summary() const;
};

// Days the evaluation date moves on per step: 3 with both draw days on, else 6.
int stepDays(bool saturdays, bool wednesdays);

} // namespace HistoricAnalysis
