#pragma once
// The game's fixed sizes, named once.
namespace Lotto {
// Numbers are drawn from 1..HighestNumber.
constexpr int HighestNumber = 49;
// Arrays indexed by a number 1..49 keep an unused slot 0.
constexpr int NumberSlots = HighestNumber + 1;
// Numbers in a draw, and in a single tip.
constexpr int DrawnNumbers = 6;
} // namespace Lotto
