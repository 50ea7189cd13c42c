#pragma once

#include <QDialog>
#include <cstdint>

class QComboBox;
class QLabel;
class QPushButton;

namespace vimo {

class SpinButtons;

// The hidden module setup dialog: the module's version number and memory size, two fields of the configuration
// record that the "Configure" page does not show. Changes stay in the record until the next "Write Config".
class ModuleSetupDialog : public QDialog {
    Q_OBJECT
public:
    explicit ModuleSetupDialog(QWidget* parent = nullptr);

    // Shows the dialog for the two fields and lets the user change them; returns when the dialog has closed.
    void edit(std::uint8_t& moduleVersion, std::uint8_t& memorySize);

private:
    void showVersion();

    QLabel* m_versionReadout;
    SpinButtons* m_versionArrows;
    QComboBox* m_memoryBox;
    QPushButton* m_closeButton;

    std::uint8_t* m_version = nullptr;
    std::uint8_t* m_memorySize = nullptr;
};

} // namespace vimo
