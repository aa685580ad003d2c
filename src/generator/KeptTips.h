#pragma once
#include "evaluation/Matching.h"
#include "generator/GenerationRules.h"

#include <QString>
#include <QStringList>

// Row i + 1 of the table from line i of the kept tips, for the first TicketTable::Rows lines,
// each parsed and checked as the tip list evaluation does it under `selector`. `ticket` and
// `result` are left as the last line's parse and check left them.
void fillKeptRows(TicketTable& table, const QStringList& lines, int n, const QString& selector,
                  ParsedTicket& ticket, TicketResult& result, const SystemTables& systems,
                  const CurrentDraw& draw);
