#include "app/controllers/ConnectionController.h"

#include "app/controllers/ConfigDisplay.h"
#include "app/controllers/ModuleController.h"
#include "app/pages/ConfigurePage.h"
#include "app/pages/ConnectPage.h"
#include "app/pages/LogPage.h"
#include "app/session/PlotSession.h"
#include "data/Plot.h"
#include "link/PortEntry.h"
#include "logbook/ArchivedSets.h"
#include "logbook/DownloadArchive.h"
#include "logbook/Logbook.h"
#include "module/Configuration.h"
#include "module/Download.h"
#include "module/DownloadInfo.h"
#include "module/Maintenance.h"

#include <QDir>
#include <QPainter>
#include <QTimer>
#include <memory>

namespace vimo {

using Finish = ModuleController::Finish;

ConnectionController::ConnectionController(ModuleController& module, ConnectPage& connectPage,
                                           ConfigurePage& configurePage, PlotSession& session, LogPage& logPage,
                                           Logbook& logbook, QObject* parent)
    : QObject(parent), m_module(module), m_connectPage(connectPage), m_configurePage(configurePage), m_session(session),
      m_logPage(logPage), m_liveTimer(new QTimer(this)), m_portScan(new QTimer(this)),
      m_listPorts(enumerateSerialPorts), m_speedIndex(ConnectPage::kDefaultSpeedIndex), m_logbook(logbook)
{
    // An adapter plugged in after the start shows up without a restart; the open connection is left alone.
    m_portScan->setObjectName(QStringLiteral("PortScanTimer"));
    m_portScan->setInterval(kPortScanMs);
    connect(m_portScan, &QTimer::timeout, this, [this] {
        if (!m_module.busy() && !m_module.module().state.connected)
            discoverPorts();
    });
    connectPage.setBeforePortList([this] {
        if (!m_module.busy())
            discoverPorts();
    });
    m_liveTimer->setObjectName(QStringLiteral("Timer1"));
    m_liveTimer->setInterval(LiveView::kTimerMs);

    connect(&connectPage, &ConnectPage::connectRequested, this, &ConnectionController::toggleConnection);
    connect(&connectPage, &ConnectPage::speedChosen, this, &ConnectionController::changeSpeed);
    connect(&connectPage, &ConnectPage::downloadInfoRequested, this, &ConnectionController::showDownloadInfo);
    connect(&connectPage, &ConnectPage::downloadDataRequested, this, &ConnectionController::downloadDataSet);
    connect(&connectPage, &ConnectPage::eraseRequested, this, &ConnectionController::eraseModuleData);
    connect(&logPage, &LogPage::startStopRequested, this, &ConnectionController::toggleLiveView);
    connect(&logPage, &LogPage::clearRequested, this, &ConnectionController::clearLiveView);
    logPage.setStripPainter(
        [this](QPainter& painter, int width, int height) { paintLiveView(painter, width, height, m_live.buffer); });
    connect(&module, &ModuleController::busyChanged, this, &ConnectionController::setBusy);
    connect(&module, &ModuleController::memoCleared, &connectPage, &ConnectPage::clearMemo);
    connect(&module, &ModuleController::memoLine, &connectPage, &ConnectPage::addMemoLine);
}

void ConnectionController::discoverPorts()
{
    m_portScan->start();
    const int row = selectedPortRow();
    const QString chosen = row >= 0 ? m_portNames.at(row) : QString();
    const QString typed = row >= 0 ? QString() : m_connectPage.portText();

    PortNames names;
    QStringList rows;
    m_listPorts([&](const PortEntry& entry) {
        if (names.add(entry.portName))
            rows << portListText(entry);
        return true;
    });
    if (rows == m_connectPage.portRows())
        return; // nothing changed: the box stays as the user left it, even while typing
    m_portNames = names;
    m_connectPage.setPorts(rows);
    if (!typed.isEmpty()) {
        m_connectPage.setPortText(typed);
    } else if (!chosen.isEmpty()) {
        int again = -1; // a chosen port that is gone selects none rather than another one
        for (int i = 0; i < m_portNames.count() && again < 0; ++i) {
            if (m_portNames.at(i) == chosen)
                again = i;
        }
        m_connectPage.setPortRow(again);
    }
}

int ConnectionController::selectedPortRow() const
{
    const int row = m_connectPage.portRow();
    return row < m_portNames.count() ? row : -1;
}

QString ConnectionController::selectedDevicePath() const
{
    const int row = selectedPortRow();
    if (row >= 0)
        return devicePath(m_portNames.at(row));
    const QString typed = m_connectPage.portText();
    return typed.isEmpty() ? QString() : devicePath(typed);
}

void ConnectionController::setSpeedIndex(int index)
{
    m_speedIndex = index;
    m_connectPage.setSpeedIndex(index);
}

qint32 ConnectionController::baudRate() const
{
    return ConnectPage::speeds().value(m_speedIndex, 115200);
}

void ConnectionController::setBusy(bool busy)
{
    if (!busy)
        m_downloading = false;
    m_connectPage.setExchangeRunning(busy, m_downloading);
    m_configurePage.setEnabled(!busy);
    m_logPage.setStartEnabled(!busy);
    if (!busy) {
        const bool connected = m_module.module().state.connected;
        m_connectPage.setConnected(connected);
        if (connected != m_wasConnected) {
            m_wasConnected = connected;
            m_setsCounted = false;
            m_archivedWhileConnected.clear();
        }
    }
    m_session.setExchangeRunning(busy);
}

void ConnectionController::toggleConnection()
{
    if (m_module.module().state.connected) {
        m_module.start([](ModuleSession& s) -> Finish {
            disconnectModule(s);
            return {};
        });
        return;
    }
    const QString path = selectedDevicePath();
    const qint32 baud = baudRate();
    startWithConfigRead(m_module, m_configurePage, [path, baud](ModuleSession& s) { connectModule(s, path, baud); });
}

// The user picked a speed: a connection open at the old speed is closed; the next Connect uses the new one.
void ConnectionController::changeSpeed(int index)
{
    m_speedIndex = index;
    if (!m_module.module().state.connected)
        return;
    m_module.start([](ModuleSession& s) -> Finish {
        disconnectModule(s);
        return {};
    });
}

void ConnectionController::showDownloadInfo()
{
    const bool simulate = m_simulate;
    m_module.start([this, simulate](ModuleSession& s) -> Finish {
        const std::optional<DownloadInfoResult> info = downloadInfo(s, simulate);
        return [this, info] {
            if (!info)
                return;
            if (info->setsRead) {
                m_setsCounted = m_module.module().state.connected;
                m_connectPage.setSets(info->setRows, info->selectedRow);
            }
            m_configurePage.setFirmwareVersion(info->firmwareVersion);
            m_configurePage.showInterval(info->interval);
        };
    });
}

void ConnectionController::downloadDataSet()
{
    if (m_downloading) {
        m_module.cancel();
        return;
    }
    const int row = m_connectPage.selectedSet();
    m_downloading = true;
    if (!m_module.start([this, row](ModuleSession& s) -> Finish {
            // Each set becomes a data set of the plot on the window thread as soon as it has arrived.
            // Each set is archived in the same step as it joins the plot. A set that cannot be archived is still
            // plotted; the memo says so.
            const QDateTime downloaded = QDateTime::currentDateTimeUtc();
            downloadDataSets(s, row, [this, row, &s, downloaded](DownloadedSet&& set) {
                auto arrived = std::make_shared<const DownloadedSet>(std::move(set));
                const ModuleIdentity identity = s.state.identity;
                QMetaObject::invokeMethod(
                    this,
                    [this, arrived, row, identity, downloaded] {
                        Plot& plot = m_session.plot();
                        const int k = addDownloadedSet(plot, *arrived);
                        const ArchiveOutcome archived =
                            archiveDownloadedSet(m_logbook, plot, k, *arrived, identity, downloaded);
                        if (archived.archived || archived.alreadyArchived)
                            m_archivedWhileConnected.insert(QDir(m_logbook.root()).relativeFilePath(archived.path));
                        if (archived.archived) {
                            Q_EMIT flightArchived();
                        } else if (archived.alreadyArchived) {
                            m_connectPage.addMemoLine(archived.reason);
                        } else {
                            m_connectPage.addMemoLine(notArchivedText(*arrived, m_logbook, archived.reason));
                        }
                        m_session.downloadArrived(row);
                    },
                    Qt::QueuedConnection);
            });
            return {};
        })) {
        m_downloading = false;
        return;
    }
    m_connectPage.setExchangeRunning(true, true);
}

ConnectionController::~ConnectionController() = default;

// How many of the module's sets are safely archived, read from the index brought in line with the files first (a
// file removed by hand is no longer safe).
QString ConnectionController::archiveStateText()
{
    const ModuleState& state = m_module.module().state;
    if (!state.connected)
        return QString(); // the erase stops at "Not Connected" without asking
    m_logbook.index().sync();
    const ArchivedSets sets =
        safelyArchivedSets(m_logbook.index().recordings(), state.identity,
                           m_setsCounted ? std::optional<int>(state.setCount) : std::nullopt, m_archivedWhileConnected);
    return archivedSetsText(sets);
}

void ConnectionController::eraseModuleData()
{
    const QString archiveState = archiveStateText();
    m_module.start([this, archiveState](ModuleSession& s) -> Finish {
        const bool erased = eraseDataAfter(s, archiveState);
        if (erased)
            s.state.setCount = 0;
        return [this, erased] {
            if (!erased)
                return;
            m_connectPage.clearSets();
            m_connectPage.addMemoLine(QStringLiteral("The module's data was erased: it holds no data sets now."));
            // What was archived is no longer on the module, and its sets must be counted again.
            m_setsCounted = false;
            m_archivedWhileConnected.clear();
        };
    });
}

void ConnectionController::toggleLiveView()
{
    LiveView view = m_live;
    m_module.start([this, view](ModuleSession& s) mutable -> Finish {
        startStopLive(s, view);
        return [this, view] {
            m_live.logging = view.logging;
            m_live.timerEnabled = view.timerEnabled;
            m_live.buttonCaption = view.buttonCaption;
            m_logPage.setStartCaption(view.buttonCaption);
            if (view.timerEnabled)
                m_liveTimer->start();
            else
                m_liveTimer->stop();
        };
    });
}

void ConnectionController::clearLiveView()
{
    m_live.buffer.clear();
    m_logPage.updateStrip();
}

} // namespace vimo
