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
    : QWidget(parent),
      Label2(new QLabel(QStringLiteral("Time"), this)),
      Panel3(makeReadout(QStringLiteral("Panel3"), QStringLiteral("0d 00:00:00.00"), readoutLime(), this)),
      Label3(new QLabel(QStringLiteral("Altitude (feet)"), this)),
      AltDisp(makeReadout(QStringLiteral("AltDisp"), QStringLiteral("10000"), Qt::red, this)),
      AMaxLabel(new QLabel(QStringLiteral("10000"), this)),
      AMinLabel(new QLabel(QStringLiteral("0"), this)),
      AltBox(new LiveStrip(this)),
      StartBtn(new QPushButton(QStringLiteral("Start"), this)),
      ClearBtn(new QPushButton(QStringLiteral("Clear"), this))
{
    setObjectName(QStringLiteral("LogPage"));
    Label2->setObjectName(QStringLiteral("Label2"));
    Label3->setObjectName(QStringLiteral("Label3"));
    AMaxLabel->setObjectName(QStringLiteral("AMaxLabel"));
    AMinLabel->setObjectName(QStringLiteral("AMinLabel"));
    StartBtn->setObjectName(QStringLiteral("StartBtn"));
    ClearBtn->setObjectName(QStringLiteral("ClearBtn"));
    Panel3->setMinimumWidth(170);
    AltDisp->setMinimumWidth(100);

    auto* readouts = new QHBoxLayout;
    readouts->addWidget(Label2);
    readouts->addWidget(Panel3);
    readouts->addSpacing(24);
    readouts->addWidget(Label3);
    readouts->addWidget(AltDisp);
    readouts->addStretch(1);
    readouts->addWidget(StartBtn);
    readouts->addWidget(ClearBtn);

    auto* scale = new QVBoxLayout;
    scale->addWidget(AMaxLabel, 0, Qt::AlignRight | Qt::AlignTop);
    scale->addStretch(1);
    scale->addWidget(AMinLabel, 0, Qt::AlignRight | Qt::AlignBottom);

    auto* strip = new QHBoxLayout;
    strip->addStretch(1);
    strip->addLayout(scale);
    strip->addWidget(AltBox);
    strip->addStretch(1);

    auto* page = new QVBoxLayout(this);
    page->addLayout(readouts);
    page->addLayout(strip);
    page->addStretch(1);

    connect(StartBtn, &QPushButton::clicked, this, &LogPage::startStopRequested);
    connect(ClearBtn, &QPushButton::clicked, this, &LogPage::clearRequested);
}

void LogPage::setStripPainter(std::function<void(QPainter&, int width, int height)> paint)
{
    AltBox->setPainter(std::move(paint));
}

void LogPage::updateStrip()
{
    AltBox->update();
}

void LogPage::setStartCaption(const QString& caption)
{
    StartBtn->setText(caption);
}

void LogPage::setStartEnabled(bool enabled)
{
    StartBtn->setEnabled(enabled);
}

} // namespace vimo
