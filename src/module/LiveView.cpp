#include "module/LiveView.h"

#include "module/ModuleProtocol.h"

#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <cmath>

namespace vimo {

LiveBuffer::LiveBuffer(int capacity) : m_values(std::size_t(std::max(capacity, 1)), 0.0) {}

void LiveBuffer::append(double value)
{
    m_values[std::size_t(m_head)] = value;
    m_head = (m_head + 1) % capacity();
    if (m_count == capacity())
        m_tail = m_head;
    else
        ++m_count;
}

void LiveBuffer::clear()
{
    m_head = m_tail = m_count = 0;
}

void startStopLive(ModuleSession& session, LiveView& view)
{
    if (view.logging) {
        view.timerEnabled = false;
        view.logging = false;
        view.buttonCaption = QStringLiteral("Start");
        session.reporter.status(StatusPanel::Logging, QString());
        return;
    }
    if (!session.requireConnection(true))
        return;
    ExchangeScope scope(session);
    view.logging = true;
    view.buttonCaption = QStringLiteral("Stop");
    session.reporter.status(StatusPanel::Logging, QStringLiteral("Logging"));
    session.sendCommand(protocol::kLive);
    view.timerEnabled = true;
}

void paintLiveView(QPainter& painter, int width, int height, const LiveBuffer& buffer, Colour colour, double fullScale)
{
    painter.save();
    painter.fillRect(0, 0, width, height, Qt::black);
    painter.setPen(QPen(QColor(0x80, 0x80, 0x80), 1));
    for (int i = 0; i <= 10; ++i) {
        const int y = height * i / 10;
        painter.drawLine(0, y, width, y);
    }
    const int count = buffer.count();
    if (count > 1) {
        const double scale = height / fullScale;
        // The values from the oldest to the newest, counted (a full ring has head == tail).
        QPolygon points;
        int x = width - 2 * count;
        for (int i = 0; i < count && x < width; ++i, x += 2) {
            const double value = buffer.at((buffer.tail() + i) % buffer.capacity());
            const double y = height - value * scale;
            // Keeps a wild value a point off the box instead of an undefined integer.
            points << QPoint(x, std::isnan(y) ? height : int(std::clamp(y, -1e6, 1e6)));
        }
        const QColor c(colourRed(colour), colourGreen(colour), colourBlue(colour));
        painter.setPen(QPen(c, 2));
        painter.setBrush(c);
        painter.drawPolyline(points);
    }
    painter.restore();
}

} // namespace vimo
