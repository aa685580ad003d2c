#pragma once
#include "stats/BarChartModel.h"

#include <QtCharts/QChartView>
#include <map>

class QBarSet;
class QPainter;
class QCategoryAxis;
class QStackedBarSeries;
class QValueAxis;

// Shows a BarChartModel of its own with Qt Charts, the one user of Qt Charts and Qt Svg.
// Redrawing is deferred to the event loop, so a run that computes five statistics redraws once,
// and a hidden view is drawn when it is shown. The model's own limits, which the generator
// reads, are never changed.
class BarChartView : public QChartView {
    Q_OBJECT
public:
    explicit BarChartView(QWidget* parent = nullptr);

    BarChartModel* model() const { return m_model; }
    // Brings the drawing up to date now (tests, screenshots, export).
    void refresh();

    // The drawn range of the value axis for the model's limits lo..hi: whole-number ticks
    // `step` apart, max the first tick at or above hi; min 0 for lo >= 0, or, zoomed, below lo
    // when lo > 0 (never below 0 then), so that a bar of height lo stands out.
    struct AxisRange {
        double min = 0;
        double max = 1;
        double step = 1;
    };
    static AxisRange displayRange(double lo, double hi, bool zoomed);
    void setZoomed(bool zoomed);
    // What pointing at bar `index` (0-based, in drawing order) shows: its label on the bottom
    // axis and its value ("7: 312"); empty for no such bar.
    QString barText(int index) const;

    // The chart's parts; asking for them makes the chart. One bar set per colour in the chart.
    QValueAxis* valueAxis() const { return withChart().m_y; }
    QCategoryAxis* categoryAxis() const { return withChart().m_x; }
    QStackedBarSeries* barSeries() const { return withChart().m_series; }
    const std::map<BarColour, QBarSet*>& barSets() const { return withChart().m_sets; }

    // The chart as shown, as a PNG picture (twice the pixels) or an SVG drawing; false when the
    // file could not be written.
    bool savePng(const QString& path);
    bool saveSvg(const QString& path);

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Most runs of the program never open the chart page: the chart is made when first needed.
    void ensureChart();
    const BarChartView& withChart() const;
    // Draws the chart as shown, up to date, onto `painter` at the view's size.
    void paintChart(QPainter& painter);
    void scheduleRefresh();
    // Labels of the bottom axis and the wrapped title: both depend on the width.
    void layoutTexts();

    BarChartModel* m_model;
    QChart* m_chart = nullptr;
    QStackedBarSeries* m_series = nullptr;
    QCategoryAxis* m_x = nullptr;
    QValueAxis* m_y = nullptr;
    std::map<BarColour, QBarSet*> m_sets;
    QList<double> m_xs;
    int m_labelStep = 0;
    QString m_titleShown;
    bool m_pending = false;
    bool m_dirty = true;
    bool m_zoomed = false;
};
