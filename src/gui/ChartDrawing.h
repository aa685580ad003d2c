#pragma once
#include <QString>

class BarChartModel;
class QWidget;

// The drawing of a bar chart: a widget that shows a BarChartModel and follows its changes. The
// real one (gui/BarChartView.h) uses Qt Charts and Qt Svg and lives in the chart module
// (quintara_chart.so), so that the program does not load those libraries before the chart is
// first needed; gui/ChartPane.h holds the model and makes the drawing then.
class ChartDrawing {
public:
    virtual ~ChartDrawing() = default;

    // The widget that shows the chart: the object itself, a child of the parent it was made
    // for, which deletes it.
    virtual QWidget* widget() = 0;
    // Brings the drawing up to date now.
    virtual void refresh() = 0;
    // The chart as shown, as a PNG picture or an SVG drawing; false when the file could not be
    // written.
    virtual bool savePng(const QString& path) = 0;
    virtual bool saveSvg(const QString& path) = 0;
};

// Makes the drawings of the main window's chart (Platform::charts).
class ChartMaker {
public:
    virtual ~ChartMaker() = default;
    // A drawing of `model` as a child widget of `parent`; nullptr when no chart can be drawn
    // (the chart module is missing or broken). The model outlives the drawing.
    virtual ChartDrawing* make(BarChartModel* model, QWidget* parent) = 0;
};
