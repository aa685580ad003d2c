#pragma once
#include "evaluation/Matching.h"
#include "generator/GenerationRules.h"

#include <QString>
#include <QStringList>

// A run that keeps the tips already in the list starts with their rows in the ticket table:
// row i + 1 from line i, for the first TicketTable::Rows lines. Each line is parsed and checked
// as the tip list evaluation does it, under `selector` (a line's own system code applies to that
// line only); a field that is no number holds no number of the row, and at most Width fields
// count. `ticket` and `result` are left as the last line's parse and check left them.
void fillKeptRows(TicketTable& table, const QStringList& lines, int n, const QString& selector,
                  ParsedTicket& ticket, TicketResult& result, const SystemTables& systems,
                  const CurrentDraw& draw);
