#pragma once

#include "plot/SeasonChart.h"

#include <QImage>
#include <QWidget>
#include <vector>

namespace vimo {

// The Logbook's season chart on screen: the chart is drawn once into an image when its points or the widget's size
// change, and the selected points are ringed over it. A click on a point tells its id.
class SeasonChartView : public QWidget {
    Q_OBJECT
public:
    explicit SeasonChartView(QWidget* parent = nullptr);

    void setChart(SeasonChart chart);
    const SeasonChart& chart() const { return m_chart; }
    void setSelected(std::vector<int> ids);
    // Where the last drawing put the points (widget coordinates).
    const SeasonChartLayout& layout() const { return m_layout; }

    QSize sizeHint() const override;

Q_SIGNALS:
    void pointClicked(int id);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void render();

    SeasonChart m_chart;
    std::vector<int> m_selected;
    QImage m_image;
    SeasonChartLayout m_layout;
};

} // namespace vimo
