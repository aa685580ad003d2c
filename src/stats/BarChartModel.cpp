#include "stats/BarChartModel.h"

#include <algorithm>
#include <stdexcept>
#include <string>

BarSeries::BarSeries(const QString& name, BarColour defaultColour, bool showMarks, QObject* parent)
    : QObject(parent), m_defaultColour(defaultColour), m_marks(showMarks) {
    setObjectName(name);
}

void BarSeries::setActive(bool active) {
    if (m_active == active) return;
    m_active = active;
    emit changed();
}

void BarSeries::clear() {
    m_bars.clear();
    emit changed();
}

void BarSeries::addBar(double x, double y, const QString& label, std::optional<BarColour> colour) {
    m_bars.push_back(Bar{x, y, label, colour.value_or(m_defaultColour)});
    emit changed();
}

void BarSeries::addBars(const QVector<Bar>& bars) {
    if (bars.isEmpty()) return;
    m_bars.append(bars);
    emit changed();
}

const Bar& BarSeries::bar(int index) const {
    if (index < 0 || index >= m_bars.size())
        throw std::out_of_range("Balken " + std::to_string(index) + " der Reihe " + objectName().toStdString() +
                                " existiert nicht");
    return m_bars[index];
}

ValueAxis::ValueAxis(BarChartModel* chart) : QObject(chart), m_chart(chart) {}

void ValueAxis::setAutomatic(bool automatic) {
    m_automatic = automatic;
    emit changed();
}

void ValueAxis::setFixedRange(double smallest, double largest) {
    m_automatic = false;
    m_min = smallest;
    m_max = largest;
    emit changed();
}

std::pair<double, double> ValueAxis::automaticRange() const {
    // Bars grow from zero, so the automatic range always holds 0 and reaches the tallest bar.
    double lo = 0, hi = 0;
    for (const BarSeries* s : {m_chart->series1(), m_chart->series2()}) {
        if (!s->isActive()) continue;
        for (const Bar& b : s->bars()) {
            lo = std::min(lo, b.y);
            hi = std::max(hi, b.y);
        }
    }
    return {lo, hi};
}

double ValueAxis::minimum() const {
    return m_automatic ? automaticRange().first : m_min;
}
double ValueAxis::maximum() const {
    return m_automatic ? automaticRange().second : m_max;
}

BarChartModel::BarChartModel(QObject* parent)
    : QObject(parent), m_series1(new BarSeries(QStringLiteral("Series1"), BarColours::Red, true, this)),
      m_series2(new BarSeries(QStringLiteral("Series2"), BarColours::Green, false, this)),
      m_left(new ValueAxis(this)) {
    m_left->setObjectName(QStringLiteral("LeftAxis"));
    for (BarSeries* s : {m_series1, m_series2})
        connect(s, &BarSeries::changed, this, &BarChartModel::changed);
    connect(m_left, &ValueAxis::changed, this, &BarChartModel::changed);
}

void BarChartModel::setBottomTitle(const QString& title) {
    m_bottomTitle = title;
    emit changed();
}

void BarChartModel::prepareStatistic() {
    m_series2->setActive(true);
    m_series1->setActive(false);
    m_series2->clear();
}
