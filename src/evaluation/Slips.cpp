#include "evaluation/Slips.h"

namespace Slips {

int columnsOf(const Slip&, SystemTableSet&) { return 0; }
double stakePerDraw(const Slip&, SystemTableSet&) { return 0; }
double totalStake(const Slip&, SystemTableSet&) { return 0; }
QString DrawCheck::bestTierText() const { return {}; }
std::vector<DrawRecord> coveredDraws(const Slip&, const std::vector<DrawRecord>&) { return {}; }
bool finished(const Slip&, const std::vector<DrawRecord>&) { return false; }
std::vector<DrawCheck> checkAll(const std::vector<Slip>&, const std::vector<DrawRecord>&, const DividendSource*,
                                SystemTableSet&) {
    return {};
}
std::vector<DrawCheck> checkNew(const std::vector<Slip>&, const std::vector<DrawRecord>&, const std::vector<QDate>&,
                                const DividendSource*, SystemTableSet&) {
    return {};
}
QString summaryText(const std::vector<DrawCheck>&) { return {}; }
Totals totals(const std::vector<DrawCheck>&, const DividendSource*) { return {}; }

SlipBook::LoadResult SlipBook::load(const QString&) { return {}; }
QString SlipBook::save(const QString&) const { return {}; }
const std::vector<Slip>& SlipBook::slips() const { return m_slips; }
QString SlipBook::add(Slip slip) {
    slip.id = QString::number(++m_lastId);
    m_slips.push_back(std::move(slip));
    return m_slips.back().id;
}
void SlipBook::replace(int index, Slip slip) {
    slip.id = m_slips[static_cast<std::size_t>(index)].id;
    m_slips[static_cast<std::size_t>(index)] = std::move(slip);
}
void SlipBook::remove(int index) { m_slips.erase(m_slips.begin() + index); }

} // namespace Slips
