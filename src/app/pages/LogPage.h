#pragma once

#include <QWidget>
#include <functional>

class QLabel;
class QPainter;
class QPushButton;

namespace vimo {

// The strip chart of the live view; paints through the function it is given.
class LiveStrip : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDesignedWidth = 665;
    static constexpr int kDesignedHeight = 321;

    explicit LiveStrip(QWidget* parent = nullptr);

    void setPainter(std::function<void(QPainter&, int width, int height)> paint) { m_paint = std::move(paint); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<void(QPainter&, int, int)> m_paint;
};

// The "Log Data" page: the live altitude view with Start/Stop, the time and altitude read-outs, the strip chart
// and "Clear". Its tab is hidden.
class LogPage : public QWidget {
    Q_OBJECT
public:
    explicit LogPage(QWidget* parent = nullptr);

    // How the strip chart is painted (the live view's buffer belongs to the module controller).
    void setStripPainter(std::function<void(QPainter&, int width, int height)> paint);
    // The strip chart changed: paint it again.
    void updateStrip();
    // Start/Stop shows what pressing it will do next.
    void setStartCaption(const QString& caption);
    // While an exchange runs, Start/Stop is off.
    void setStartEnabled(bool enabled);

Q_SIGNALS:
    void startStopRequested();
    void clearRequested();

private:
    QLabel* m_timeLabel;
    QLabel* m_elapsedTime;
    QLabel* m_altitudeLabel;
    QLabel* m_altitude;
    QLabel* m_stripTop; // the altitudes at the top and the bottom of the strip
    QLabel* m_stripBottom;
    LiveStrip* m_strip;
    QPushButton* m_startButton;
    QPushButton* m_clearButton;
};

} // namespace vimo
