#include "app/pages/LogPage.h"

#include "app/Controls.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace vimo {

LiveStrip::LiveStrip(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("AltBox"));
    setFixedSize(kDesignedWidth, kDesignedHeight);
}

void LiveStrip::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_paint)
        m_paint(painter, width(), height());
    else
        painter.fillRect(rect(), Qt::black);
}

LogPage::LogPage(QWidget* parent)
    : QWidget(parent), m_timeLabel(new QLabel(QStringLiteral("Time"), this)),
      m_elapsedTime(makeReadout(QStringLiteral("Panel3"), QStringLiteral("0d 00:00:00.00"), readoutLime(), this)),
      m_altitudeLabel(new QLabel(QStringLiteral("Altitude (feet)"), this)),
      m_altitude(makeReadout(QStringLiteral("AltDisp"), QStringLiteral("10000"), Qt::red, this)),
      m_stripTop(new QLabel(QStringLiteral("10000"), this)), m_stripBottom(new QLabel(QStringLiteral("0"), this)),
      m_strip(new LiveStrip(this)), m_startButton(new QPushButton(QStringLiteral("Start"), this)),
      m_clearButton(new QPushButton(QStringLiteral("Clear"), this))
{
    setObjectName(QStringLiteral("LogPage"));
    m_timeLabel->setObjectName(QStringLiteral("Label2"));
    m_altitudeLabel->setObjectName(QStringLiteral("Label3"));
    m_stripTop->setObjectName(QStringLiteral("AMaxLabel"));
    m_stripBottom->setObjectName(QStringLiteral("AMinLabel"));
    m_startButton->setObjectName(QStringLiteral("StartBtn"));
    m_clearButton->setObjectName(QStringLiteral("ClearBtn"));
    m_elapsedTime->setMinimumWidth(170);
    m_altitude->setMinimumWidth(100);

    auto* readouts = new QHBoxLayout;
    readouts->addWidget(m_timeLabel);
    readouts->addWidget(m_elapsedTime);
    readouts->addSpacing(24);
    readouts->addWidget(m_altitudeLabel);
    readouts->addWidget(m_altitude);
    readouts->addStretch(1);
    readouts->addWidget(m_startButton);
    readouts->addWidget(m_clearButton);

    auto* scale = new QVBoxLayout;
    scale->addWidget(m_stripTop, 0, Qt::AlignRight | Qt::AlignTop);
    scale->addStretch(1);
    scale->addWidget(m_stripBottom, 0, Qt::AlignRight | Qt::AlignBottom);

    auto* strip = new QHBoxLayout;
    strip->addStretch(1);
    strip->addLayout(scale);
    strip->addWidget(m_strip);
    strip->addStretch(1);

    auto* page = new QVBoxLayout(this);
    page->addLayout(readouts);
    page->addLayout(strip);
    page->addStretch(1);

    connect(m_startButton, &QPushButton::clicked, this, &LogPage::startStopRequested);
    connect(m_clearButton, &QPushButton::clicked, this, &LogPage::clearRequested);
}

void LogPage::setStripPainter(std::function<void(QPainter&, int width, int height)> paint)
{
    m_strip->setPainter(std::move(paint));
}

void LogPage::updateStrip()
{
    m_strip->update();
}

void LogPage::setStartCaption(const QString& caption)
{
    m_startButton->setText(caption);
}

void LogPage::setStartEnabled(bool enabled)
{
    m_startButton->setEnabled(enabled);
}

} // namespace vimo
