#pragma once
// Draws for tests: one made by hand, and the real history the program ships.
#include "history/DrawRecord.h"

#include <QByteArray>
#include <QDate>
#include <array>
#include <vector>

// A draw on a date with numbers; additional number and eighth byte optional.
DrawRecord makeDraw(const QDate& date, std::array<int, 6> numbers, int additional = 0, int eighth = 0);
// The bundled history (data/greek-lotto-6-49.csv), read once.
std::vector<DrawRecord> realHistory();
// Twelve Wednesdays and Saturdays from 5 January 2011 with spread-out numbers.
std::vector<DrawRecord> twelveDraws();
// The records as a history file holds them, 32 bytes each.
QByteArray recordBytes(const std::vector<DrawRecord>& records);
