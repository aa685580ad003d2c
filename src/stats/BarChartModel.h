#pragma once
#include <QObject>
#include <QString>
#include <QVector>
#include <optional>

// The bar chart as the statistics fill it and the generator reads it back: two bar series, a
// fixed or automatic value axis and a bottom title; the values never depend on the drawing.

using BarColour = unsigned int; // 0xRRGGBB

namespace BarColours {
constexpr BarColour Red = 0xFF0000;
constexpr BarColour Green = 0x00A000;
} // namespace BarColours

struct Bar {
    double x = 0;
    double y = 0;
    QString label;
    BarColour colour = BarColours::Green;
};

class BarSeries : public QObject {
    Q_OBJECT
public:
    BarSeries(const QString& name, BarColour defaultColour, bool showMarks, QObject* parent = nullptr);

    bool isActive() const { return m_active; }
    void setActive(bool active);
    bool showMarks() const { return m_marks; }
    BarColour defaultColour() const { return m_defaultColour; }

    void clear();
    void addBar(double x, double y, const QString& label = {}, std::optional<BarColour> colour = {});
    // Appends the bars in order, as addBar one by one would, with one change notice.
    void addBars(const QVector<Bar>& bars);
    int count() const { return static_cast<int>(m_bars.size()); }
    // Bar `index` (0-based); a bar that does not exist throws std::out_of_range.
    const Bar& bar(int index) const;
    double yValue(int index) const { return bar(index).y; }
    const QVector<Bar>& bars() const { return m_bars; }

signals:
    void changed();

private:
    QVector<Bar> m_bars;
    BarColour m_defaultColour;
    bool m_active = true;
    bool m_marks;
};

class ValueAxis : public QObject {
    Q_OBJECT
public:
    explicit ValueAxis(class BarChartModel* chart);

    bool isAutomatic() const { return m_automatic; }
    void setAutomatic(bool automatic);
    // Fixed limits, automatic scaling off.
    void setFixedRange(double smallest, double largest);
    // In automatic mode the limits the chart computes from the bars of its active series.
    double minimum() const;
    double maximum() const;

signals:
    void changed();

private:
    std::pair<double, double> automaticRange() const;
    const class BarChartModel* m_chart;
    bool m_automatic = true;
    double m_min = 0;
    double m_max = 0;
};

class BarChartModel : public QObject {
    Q_OBJECT
public:
    explicit BarChartModel(QObject* parent = nullptr);

    BarSeries* series1() const { return m_series1; }
    BarSeries* series2() const { return m_series2; }
    ValueAxis* leftAxis() const { return m_left; }

    QString bottomTitle() const { return m_bottomTitle; }
    void setBottomTitle(const QString& title);

    // What every statistic does first: Series2 active, Series1 inactive, Series2 empty.
    void prepareStatistic();

signals:
    void changed();

private:
    BarSeries* m_series1;
    BarSeries* m_series2;
    ValueAxis* m_left;
    QString m_bottomTitle;
};
