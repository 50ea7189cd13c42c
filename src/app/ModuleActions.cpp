#include "app/ModuleActions.h"

#include "app/AboutPage.h"
#include "app/ConfigurePage.h"
#include "app/ConnectPage.h"
#include "app/Controls.h"
#include "app/DataPage.h"
#include "app/LogPage.h"
#include "app/MainForm.h"
#include "app/ModSetForm.h"
#include "app/ModuleController.h"
#include "app/Prompts.h"
#include "firmware/FirmwareImage.h"
#include "firmware/FirmwareUpdate.h"
#include "link/PortEntry.h"
#include "module/ConfigControls.h"
#include "module/Configuration.h"
#include "module/Download.h"
#include "module/DownloadInfo.h"
#include "module/Maintenance.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace vimo {
namespace {

using Finish = ModuleController::Finish;

const QString kDownloadCaption = QStringLiteral("Download Data");
const QString kCancelCaption = QStringLiteral("Cancel Download");

} // namespace

ModuleActions::ModuleActions(TMainForm& window, ModuleController& module, Prompts& prompts)
    : QObject(&window),
      Timer1(new QTimer(this)),
      modSetForm(new TModSetForm(&window)),
      m_window(window),
      m_module(module),
      m_prompts(prompts)
{
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(LiveView::kTimerMs);

    ConnectPage* c = window.connectPage;
    connect(c->ConnectBtn, &QPushButton::clicked, this, &ModuleActions::ConnectBtnClick);
    connect(c->SpeedBox, &QComboBox::activated, this, &ModuleActions::SpeedBoxChange);
    connect(c->DLInfoBtn, &QPushButton::clicked, this, &ModuleActions::DLInfoBtnClick);
    connect(c->DLDataBtn, &QPushButton::clicked, this, &ModuleActions::DLDataBtnClick);
    connect(c->EraseDataBtn, &QPushButton::clicked, this, &ModuleActions::EraseDataBtnClick);

    ConfigurePage* p = window.configurePage;
    connect(p->ReadCfgBtn, &QPushButton::clicked, this, &ModuleActions::ReadCfgBtnClick);
    connect(p->WriteCfgBtn, &QPushButton::clicked, this, &ModuleActions::WriteCfgBtnClick);
    connect(p->BitBtn1, &QPushButton::clicked, this, &ModuleActions::BitBtn1Click);
    connect(p->CalBtn, &QPushButton::clicked, this, &ModuleActions::CalBtnClick);
    connect(p->ResetModuleBtn, &QPushButton::clicked, this, &ModuleActions::ResetModuleBtnClick);
    connect(p->UpdateBtn, &QPushButton::clicked, this, &ModuleActions::UpdateBtnClick);
    const QList<std::pair<SpinButtons*, IntervalEditor::Field>> spins = {
        {p->HourSpin, IntervalEditor::Hours},
        {p->MinSpin, IntervalEditor::Minutes},
        {p->SecSpin, IntervalEditor::Seconds},
        {p->mSecSpin, IntervalEditor::Milliseconds},
    };
    for (const auto& [buttons, field] : spins) {
        connect(buttons, &SpinButtons::up, this, [this, field = field] { spin(field, true); });
        connect(buttons, &SpinButtons::down, this, [this, field = field] { spin(field, false); });
    }

    LogPage* log = window.logPage;
    connect(log->StartBtn, &QPushButton::clicked, this, &ModuleActions::StartBtnClick);
    connect(log->ClearBtn, &QPushButton::clicked, this, &ModuleActions::ClearBtnClick);
    log->AltBox->setPainter([this](QPainter& painter, int width, int height) {
        paintLiveView(painter, width, height, m_live.buffer);
    });

    connect(window.aboutPage->Image1, &IconLabel::ctrlPressed, this, &ModuleActions::Image1CtrlMouseDown);

    connect(&module, &ModuleController::busyChanged, this, &ModuleActions::setBusy);
    connect(&module, &ModuleController::memoCleared, c, &ConnectPage::clearMemo);
    connect(&module, &ModuleController::memoLine, c, &ConnectPage::addMemoLine);
    connect(&module, &ModuleController::connectPageRequested, this,
            [this] { m_window.PageControl->setCurrentWidget(m_window.connectPage); });
    connect(&module, &ModuleController::status, this, [this](StatusPanel panel, const QString& text) {
        (panel == StatusPanel::Logging ? m_window.LogDisp : m_window.ConnectStatusDisp)->setText(text);
    });
    connect(&module, &ModuleController::progress, this, [this](int value, int total) {
        m_window.ProgressBar1->setRange(0, std::max(total, 1));
        m_window.ProgressBar1->setValue(value);
        m_window.ProgressBar1->setVisible(true);
    });
    connect(&module, &ModuleController::progressDone, this, [this] {
        m_window.ProgressBar1->setRange(0, 100);
        m_window.ProgressBar1->setVisible(false);
    });
    connect(&module, &ModuleController::failed, this, [this](const QString& what) {
        m_prompts.message(&m_window, QStringLiteral("Error"), what, MessageIcon::Warning);
    });
}

void ModuleActions::discoverPorts()
{
    QComboBox* box = m_window.connectPage->CommPortBox;
    box->clear();
    m_portNames.clear();
    enumerateSerialPorts([&](const PortEntry& entry) {
        if (m_portNames.add(entry.portName))
            box->addItem(portListText(entry));
        return true;
    });
}

int ModuleActions::selectedPortRow() const
{
    const QComboBox* box = m_window.connectPage->CommPortBox;
    const int row = box->currentIndex();
    if (row < 0 || row >= m_portNames.count() || box->currentText() != box->itemText(row))
        return -1;
    return row;
}

QString ModuleActions::selectedDevicePath() const
{
    const int row = selectedPortRow();
    if (row >= 0)
        return devicePath(m_portNames.at(row));
    const QString typed = m_window.connectPage->CommPortBox->currentText().trimmed();
    return typed.isEmpty() ? QString() : devicePath(typed);
}

void ModuleActions::showRecordInterval()
{
    ModuleSnapshot& m = m_module.module();
    m_window.configurePage->showInterval(
        vimo::showRecordInterval(m.interval, m.config.baseInterval, m.config.memorySize));
}

void ModuleActions::spin(IntervalEditor::Field field, bool up)
{
    if (m_module.busy())
        return;
    m_module.module().interval.spin(field, up, m_module.module().config.baseInterval);
    showRecordInterval();
}

void ModuleActions::setBusy(bool busy)
{
    ConnectPage* c = m_window.connectPage;
    for (QWidget* w : std::initializer_list<QWidget*>{c->CommPortBox, c->SpeedBox, c->ConnectBtn, c->DLInfoBtn,
                                                      c->SetList, c->EraseDataBtn, m_window.configurePage,
                                                      m_window.logPage->StartBtn})
        w->setEnabled(!busy);
    // A running download offers to cancel; nothing else may start meanwhile.
    c->DLDataBtn->setEnabled(!busy || m_downloading);
    if (!busy) {
        m_downloading = false;
        c->DLDataBtn->setText(kDownloadCaption);
        showConnection();
    }
    m_window.dataPage->setExchangeRunning(busy);
}

void ModuleActions::showConnection()
{
    m_window.connectPage->ConnectBtn->setText(m_module.module().state.connected ? QStringLiteral("Disconnect")
                                                                                : QStringLiteral("Connect"));
}

void ModuleActions::showConfigurationIfRead(int readsBefore)
{
    const ModuleSnapshot& m = m_module.module();
    if (m.state.configReads == readsBefore)
        return; // no record came: the controls keep what they show
    m_window.configurePage->setControls(controlsFromConfig(m.config, m.state.f5jModule));
    showRecordInterval();
}

void ModuleActions::startWithConfigRead(std::function<void(ModuleSession&)> job)
{
    const int before = m_module.module().state.configReads;
    m_module.start([this, job = std::move(job), before](ModuleSession& s) -> Finish {
        job(s);
        return [this, before] { showConfigurationIfRead(before); };
    });
}

void ModuleActions::ConnectBtnClick()
{
    if (m_module.module().state.connected) {
        m_module.start([](ModuleSession& s) -> Finish {
            disconnectModule(s);
            return {};
        });
        return;
    }
    const QString path = selectedDevicePath();
    const qint32 baud = ConnectPage::speeds().value(m_window.speedIndex(), 115200);
    startWithConfigRead([path, baud](ModuleSession& s) { connectModule(s, path, baud); });
}

// The user picked a speed: a connection open at the old speed is closed; the next Connect uses the new one.
void ModuleActions::SpeedBoxChange(int index)
{
    m_window.setSpeedIndex(index);
    if (!m_module.module().state.connected)
        return;
    m_module.start([](ModuleSession& s) -> Finish {
        disconnectModule(s);
        return {};
    });
}

void ModuleActions::DLInfoBtnClick()
{
    const bool simulate = m_window.SimulateChk->isChecked();
    m_module.start([this, simulate](ModuleSession& s) -> Finish {
        const std::optional<DownloadInfoResult> info = downloadInfo(s, simulate);
        return [this, info] {
            if (!info)
                return;
            QComboBox* sets = m_window.connectPage->SetList;
            sets->clear();
            sets->addItems(info->setRows);
            sets->setCurrentIndex(info->selectedRow);
            m_window.configurePage->FirmwareVersionDisp->setText(info->firmwareVersion);
            m_window.configurePage->showInterval(info->interval);
        };
    });
}

void ModuleActions::DLDataBtnClick()
{
    if (m_downloading) {
        m_module.cancel();
        return;
    }
    const int row = m_window.connectPage->SetList->currentIndex();
    m_downloading = true;
    if (!m_module.start([this, row](ModuleSession& s) -> Finish {
            // Each set becomes a data set of the plot on the window thread as soon as it has arrived.
            downloadDataSets(s, row, [this, row](DownloadedSet&& set) {
                auto arrived = std::make_shared<const DownloadedSet>(std::move(set));
                QMetaObject::invokeMethod(
                    this,
                    [this, arrived, row] {
                        if (Plot* plot = m_window.plot()) {
                            addDownloadedSet(*plot, *arrived);
                            m_window.dataPage->setSelectedSet(row); // names the next data set file
                            m_window.dataPage->dataSetsChanged();
                        }
                    },
                    Qt::QueuedConnection);
            });
            return {};
        })) {
        m_downloading = false;
        return;
    }
    m_window.connectPage->DLDataBtn->setText(kCancelCaption);
    m_window.connectPage->DLDataBtn->setEnabled(true);
}

void ModuleActions::EraseDataBtnClick()
{
    m_module.start([this](ModuleSession& s) -> Finish {
        const bool erased = eraseData(s);
        return [this, erased] {
            if (erased)
                m_window.connectPage->SetList->clear(); // the set count stays until the next "Download Info"
        };
    });
}

void ModuleActions::ReadCfgBtnClick()
{
    startWithConfigRead([](ModuleSession& s) { readConfig(s); });
}

void ModuleActions::WriteCfgBtnClick()
{
    ConfigControls controls = m_window.configurePage->controls();
    m_module.start([this, controls](ModuleSession& s) mutable -> Finish {
        writeConfiguration(s, controls);
        // The seconds are kept within what the record can hold; their edits show what was sent.
        return [this, controls] {
            m_window.configurePage->AutoStartSecEdit->setText(controls.autoStartSecText);
            m_window.configurePage->AutoStopSecEdit->setText(controls.autoStopSecText);
        };
    });
}

void ModuleActions::BitBtn1Click()
{
    startWithConfigRead([](ModuleSession& s) { resetDefaults(s); });
}

void ModuleActions::CalBtnClick()
{
    const QString altitude = m_window.configurePage->AltCalEdit->text();
    startWithConfigRead([altitude](ModuleSession& s) { calibrate(s, altitude); });
}

void ModuleActions::ResetModuleBtnClick()
{
    startWithConfigRead([](ModuleSession& s) { resetModule(s); });
}

void ModuleActions::UpdateBtnClick()
{
    if (m_module.busy())
        return;
    QWidget* parent = &m_window;
    if (selectedDevicePath().isEmpty()) {
        m_prompts.message(parent, QStringLiteral("Error"), noPortSelectedText(), MessageIcon::Warning);
        return;
    }
    if (!m_prompts.okCancel(parent, QString::fromLatin1(kUpdateCaption), QString::fromLatin1(kUpdateWarning),
                            MessageIcon::Warning))
        return;
    const QString hexPath = m_prompts.openFile(parent, QStringLiteral("Select Firmware Update File"),
                                               QStringLiteral("Firmware Update (*.hex);;All Files (*)"),
                                               QStringLiteral("hex"));
    if (hexPath.isEmpty())
        return;

    // The update takes the port: an open connection is closed first.
    const auto afterDisconnect = [this, hexPath] {
        if (m_window.configurePage->CompatChk->isChecked()
            && !m_prompts.okCancel(&m_window, QString::fromLatin1(kUpdateCaption),
                                   QString::fromLatin1(kManualEntryInstructions), MessageIcon::None))
            return;
        runFirmwareUpdate(hexPath);
    };
    if (!m_module.module().state.connected) {
        afterDisconnect();
        return;
    }
    m_module.start([afterDisconnect](ModuleSession& s) -> Finish {
        disconnectModule(s);
        return afterDisconnect;
    });
}

void ModuleActions::runFirmwareUpdate(const QString& hexPath)
{
    const ConfigurePage* p = m_window.configurePage;
    FirmwareUpdateOptions options;
    options.devicePath = selectedDevicePath();
    options.baud = ConnectPage::speeds().value(m_window.speedIndex(), 115200);
    options.partIsBlank = p->BlankPartChk->isChecked();
    options.forceUpdate = p->ForceChk->isChecked();
    options.manualEntry = p->CompatChk->isChecked();
    m_module.start([hexPath, options](ModuleSession& s) -> Finish {
        FirmwareImage image;
        const int result = vimo::runFirmwareUpdate(hexPath, options, s.link, s.reporter, image, s.pause, s.timing);
        finishFirmwareUpdate(s.reporter, result);
        return {};
    });
}

void ModuleActions::StartBtnClick()
{
    LiveView view = m_live;
    m_module.start([this, view](ModuleSession& s) mutable -> Finish {
        startStopLive(s, view);
        return [this, view] {
            m_live.logging = view.logging;
            m_live.timerEnabled = view.timerEnabled;
            m_live.buttonCaption = view.buttonCaption;
            m_window.logPage->StartBtn->setText(view.buttonCaption);
            if (view.timerEnabled)
                Timer1->start();
            else
                Timer1->stop();
        };
    });
}

void ModuleActions::ClearBtnClick()
{
    m_live.buffer.clear();
    m_window.logPage->AltBox->update();
}

// Ctrl with a mouse button on the About page's icon: the module setup dialog.
void ModuleActions::Image1CtrlMouseDown()
{
    if (m_module.busy())
        return; // an exchange works on the record now
    ModuleConfig& config = m_module.module().config;
    modSetForm->edit(config.moduleVersion, config.memorySize);
    m_window.configurePage->BlankChk->setText(blankCaption(config.moduleVersion));
}

} // namespace vimo
