#include "app/pages/DataPage.h"

#include "app/controllers/DataFileActions.h"
#include "app/pages/DataPageContent.h"
#include "data/Plot.h"
#include "plot/PrintSettings.h"

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
    if (!plot || m_content)
        return;
    delete findChild<QLabel*>(QStringLiteral("DataPagePlaceholder"));
    m_content = new DataPageContent(*plot, this);
    layout()->setContentsMargins(0, 0, 0, 0);
    layout()->addWidget(m_content);
    connect(m_content, &DataPageContent::readout, this, &DataPage::readout);
    m_content->acceptDropsOn(window());
    m_content->files().setSelectedSet(m_selectedSet);
    m_content->setExchangeRunning(m_exchangeRunning);
    applySettings(m_settings);
}

void DataPage::dataSetsChanged()
{
    if (m_content)
        m_content->repaintPlot();
}

bool DataPage::handlePlotKey(QKeyEvent* event)
{
    return m_content && m_content->handleKey(event);
}

void DataPage::setExchangeRunning(bool running)
{
    m_exchangeRunning = running;
    if (m_content)
        m_content->setExchangeRunning(running);
}

void DataPage::setSelectedSet(int set)
{
    m_selectedSet = set;
    if (m_content)
        m_content->files().setSelectedSet(set);
}

void DataPage::applySettings(const AppSettings& settings)
{
    m_settings = settings;
    PrintSettings& print = printSettings();
    print.widthInches = settings.prtWidth;
    print.heightInches = settings.prtHeight;
    print.inColor = settings.prtColor;
    if (!m_content)
        return;
    m_content->setShowPoints(settings.showPoints);
    m_content->restoreSwitches(settings.showInfo, settings.showBackground, settings.showAvgRoc);
    m_content->restoreOutput(settings.exportType);
}

void DataPage::collectSettings(AppSettings& settings) const
{
    settings.showPoints = m_content ? m_content->showPoints() : m_settings.showPoints;
    settings.showInfo = m_plot ? m_plot->showInfo : m_settings.showInfo;
    settings.showBackground = m_plot ? m_plot->showBackground : m_settings.showBackground;
    settings.showAvgRoc = m_plot ? m_plot->showAvgClimb : m_settings.showAvgRoc;
    const PrintSettings& print = printSettings();
    settings.prtWidth = print.widthInches;
    settings.prtHeight = print.heightInches;
    settings.prtColor = print.inColor;
    settings.exportType = m_content ? m_content->exportType() : m_settings.exportType;
}

} // namespace vimo
