#include "app/DataPage.h"

#include "data/Plot.h"

#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace vimo {

DataPage::DataPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("DataPage"));
    auto* note = new QLabel(QStringLiteral("Recorded data sets appear here."), this);
    note->setObjectName(QStringLiteral("DataPagePlaceholder"));
    note->setAlignment(Qt::AlignCenter);
    note->setEnabled(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note);
}

void DataPage::setPlot(Plot* plot)
{
    m_plot = plot;
}

void DataPage::dataSetsChanged()
{
    update();
}

bool DataPage::handlePlotKey(QKeyEvent* /*event*/)
{
    return false;
}

void DataPage::setExchangeRunning(bool running)
{
    m_exchangeRunning = running;
}

void DataPage::applySettings(const AppSettings& settings)
{
    m_settings = settings;
}

void DataPage::collectSettings(AppSettings& settings) const
{
    settings.showPoints = m_settings.showPoints;
    settings.showInfo = m_plot ? m_plot->showInfo : m_settings.showInfo;
    settings.showBackground = m_plot ? m_plot->showBackground : m_settings.showBackground;
    settings.showAvgRoc = m_settings.showAvgRoc;
    settings.prtWidth = m_settings.prtWidth;
    settings.prtHeight = m_settings.prtHeight;
    settings.prtColor = m_settings.prtColor;
    settings.exportType = m_settings.exportType;
}

} // namespace vimo
