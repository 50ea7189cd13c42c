#pragma once

#include "app/controllers/ExchangeOutcome.h"

#include <QObject>

class QWidget;

namespace vimo {

class ConfigurePage;
class ConnectionController;
class ModuleController;
class Prompts;

// "Update Firmware": asks for the go-ahead and the HEX file through the prompts, closes an open connection (the
// update takes the port) and programs the module over its boot loader on the module worker. How the update ended
// comes with finished(), a failure with the box that says how to recover.
class FirmwareController : public QObject {
    Q_OBJECT
public:
    // The port and speed are those the connection controller names; `dialogParent` owns the questions.
    FirmwareController(ModuleController& module, ConnectionController& connection, ConfigurePage& page,
                       Prompts& prompts, QWidget* dialogParent);

    void updateFirmware();

    // The box a failed update ends with: that it failed, why, and what to try next.
    static QString updateFailedText(int result);

Q_SIGNALS:
    // An update has run to its end.
    void finished(const vimo::ExchangeOutcome& outcome);

private:
    void runFirmwareUpdate(const QString& hexPath);

    ModuleController& m_module;
    ConnectionController& m_connection;
    ConfigurePage& m_page;
    Prompts& m_prompts;
    QWidget* m_dialogParent;
};

} // namespace vimo
