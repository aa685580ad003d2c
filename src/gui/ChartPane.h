#pragma once
#include "gui/ChartDrawing.h"
#include "stats/BarChartModel.h"

#include <QWidget>
#include <memory>

class QLabel;
class QVBoxLayout;

// The main window's chart: holds the BarChartModel the statistics fill and the generator reads,
// and shows it through a drawing (gui/ChartDrawing.h) made when the chart is first shown,
// refreshed or saved; most runs of the program never open the chart page, and the model works
// without a drawing. When no drawing can be made, the pane says so in place of the chart.
class ChartPane : public QWidget {
    Q_OBJECT
public:
    explicit ChartPane(QWidget* parent = nullptr);
    ~ChartPane() override;

    // Who makes the drawing; without one the chart cannot be drawn.
    void setMaker(std::shared_ptr<ChartMaker> maker);

    BarChartModel* model() const { return m_model; }
    // Brings the drawing up to date now (tests, screenshots, export).
    void refresh();
    // Whether the chart can be drawn: makes the drawing when it is not made yet.
    bool canDraw();
    // The chart as shown, as a PNG picture or an SVG drawing; false when it could not be
    // drawn or the file could not be written.
    bool savePng(const QString& path);
    bool saveSvg(const QString& path);

    // The drawing; nullptr before it is first needed or when it cannot be made.
    ChartDrawing* drawing() const { return m_drawing; }

    // What the player is told in place of the chart, and when saving it fails, when the chart
    // module is missing or cannot be loaded.
    static QString missingText();
    static QString cannotSaveText();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void ensureDrawing();

    BarChartModel* m_model;
    std::shared_ptr<ChartMaker> m_maker;
    QVBoxLayout* m_layout;
    ChartDrawing* m_drawing = nullptr;
    QLabel* m_missing = nullptr;
    bool m_tried = false;
};
