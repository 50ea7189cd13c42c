#include "app/pages/SeasonChartView.h"

#include <QMouseEvent>
#include <QPainter>

namespace vimo {

SeasonChartView::SeasonChartView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("LogbookChart"));
    setMinimumHeight(120);
    setToolTip(QStringLiteral("Click a point to select its flight"));
}

QSize SeasonChartView::sizeHint() const
{
    return {600, 220};
}

void SeasonChartView::setChart(SeasonChart chart)
{
    m_chart = std::move(chart);
    render();
    update();
}

void SeasonChartView::setSelected(std::vector<int> ids)
{
    m_selected = std::move(ids);
    update();
}

void SeasonChartView::render()
{
    if (size().isEmpty()) { // not laid out yet: drawn at its first resize
        m_image = QImage();
        m_layout = SeasonChartLayout{};
        return;
    }
    const qreal ratio = devicePixelRatioF();
    m_image = QImage(size() * ratio, QImage::Format_RGB32);
    m_image.setDevicePixelRatio(ratio);
    QPainter painter(&m_image);
    m_layout = drawSeasonChart(painter, rect(), m_chart);
}

void SeasonChartView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_image);
    drawSeasonSelection(painter, m_layout, m_selected);
}

void SeasonChartView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    render();
}

void SeasonChartView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    if (const std::optional<int> id = seasonPointAt(m_layout, event->position()))
        Q_EMIT pointClicked(*id);
}

} // namespace vimo
