// A chart of the engine's SVG on screen and on paper: one widget that paints
// it, kept to its proportions, and one function that draws it on any painter
// (the printer's included).
#pragma once

#include <QRectF>
#include <QSvgRenderer>
#include <QWidget>
#include <string>

class QPainter;

namespace gui {

// Draws `svg` into `area` at the chart's own proportions, centred; false
// (nothing drawn) when Qt cannot read it.
bool DrawChart(QPainter& p, const QRectF& area, const std::string& svg);

// The widget of a chart: white, the chart as large as its room allows.
class ChartView : public QWidget {
public:
    explicit ChartView(QWidget* parent = nullptr);
    void SetSvg(const std::string& svg);
    bool Valid() const { return renderer_.isValid(); }
    QSize sizeHint() const override { return {640, 400}; }
    QSize minimumSizeHint() const override { return {320, 200}; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QSvgRenderer renderer_;
};

}  // namespace gui
