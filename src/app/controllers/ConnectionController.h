#pragma once

#include "link/PortEntry.h"
#include "link/PortNames.h"
#include "module/LiveView.h"

#include <QObject>
#include <QSet>
#include <QString>
#include <functional>
#include <memory>

class QTimer;

namespace vimo {

class ConfigurePage;
class ConnectPage;
class LogPage;
class Logbook;
class ModuleController;
class PlotSession;

// Connect and download: the port list and speed, Connect and Disconnect, "Download Info", "Download Data" (and
// its cancel), "Erase Data" and the hidden live view. Every exchange runs on the module worker; the pages only
// say what the user asked for and show what comes back. Downloaded data sets join the plot session.
class ConnectionController : public QObject {
    Q_OBJECT
public:
    // Every downloaded set goes to `logbook` first; the window shares it with its Logbook page.
    ConnectionController(ModuleController& module, ConnectPage& connectPage, ConfigurePage& configurePage,
                         PlotSession& session, LogPage& logPage, Logbook& logbook, QObject* parent = nullptr);
    ~ConnectionController() override;

    Logbook& logbook() { return m_logbook; }

    // Lists the serial ports in the port box, keeping the port the user chose or the path typed. The first show
    // does it, and again each time the list opens and every few seconds while not connected.
    void discoverPorts();
    static constexpr int kPortScanMs = 3000;
    // Where the ports come from; the system's list by default.
    using PortLister = std::function<bool(const std::function<bool(const PortEntry&)>&)>;
    void setPortLister(PortLister lister) { m_listPorts = std::move(lister); }
    const PortNames& portNames() const { return m_portNames; }

    // The device the port box names: the discovered port selected, or a device path typed into the box; empty
    // when there is none.
    QString selectedDevicePath() const;
    // The row of the port box to remember: the selected discovered port, -1 when none (or a typed path).
    int selectedPortRow() const;

    // The index into the speed table that Connect uses, and its speed.
    int speedIndex() const { return m_speedIndex; }
    void setSpeedIndex(int index);
    qint32 baudRate() const;

    // "Download Info" of a simulated module (the hidden "Simulate Target" switch).
    void setSimulate(bool simulate) { m_simulate = simulate; }
    bool simulate() const { return m_simulate; }

    bool downloading() const { return m_downloading; }

    void toggleConnection();
    void changeSpeed(int index);
    void showDownloadInfo();
    void downloadDataSet();
    void eraseModuleData();
    void toggleLiveView();
    void clearLiveView();

Q_SIGNALS:
    // A downloaded set was written into the archive and indexed.
    void flightArchived();

private:
    void setBusy(bool busy);
    QString archiveStateText();

    ModuleController& m_module;
    ConnectPage& m_connectPage;
    ConfigurePage& m_configurePage;
    PlotSession& m_session;
    LogPage& m_logPage;
    QTimer* m_liveTimer; // the live view's timer; it has nothing to do
    QTimer* m_portScan;
    PortLister m_listPorts;
    PortNames m_portNames;
    LiveView m_live;
    int m_speedIndex;
    bool m_simulate = false;
    bool m_downloading = false;
    Logbook& m_logbook;
    // What the erase question tells: whether the module's sets were counted, and the files (relative to the
    // archive) archived whole, while the module has been connected. Both start anew at each connection.
    bool m_wasConnected = false;
    bool m_setsCounted = false;
    QSet<QString> m_archivedWhileConnected;
};

} // namespace vimo
