#pragma once

#include "data/Colour.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace vimo {

class ColourPanel;
struct Plot;

// The "Edit Plot Info" dialog: the plot's title, axis labels and three info lines, its five colours and three view
// switches. Each time it opens it shows what the plot holds (the plot's flags are the switches' only owner).
// Colour picks and the switches act on the plot at once (the plot repaints behind the dialog); the texts are taken
// over only on OK. Cancel, or closing the window, puts back the colours the plot had when the dialog opened, but
// leaves the switches as they are.
class PlotInfoDialog : public QDialog {
    Q_OBJECT
public:
    explicit PlotInfoDialog(Plot& plot, QWidget* parent = nullptr);

    // Fills the edits and panels from the plot, remembers its colours and shows the dialog modally; returns
    // QDialog::exec()'s result.
    int run();

    void applyAndClose();
    void reject() override; // Cancel and closing the window

Q_SIGNALS:
    void plotChanged();

private:
    void syncSwitches();
    std::array<Colour*, 5> plotColours();

    Plot& m_plot;
    std::array<QLineEdit*, 6> m_texts;    // TitleText .. Info3Text
    std::array<ColourPanel*, 5> m_panels; // BGColorPanel .. InfoColorPanel
    std::array<Colour, 5> m_openedColours{};
    QCheckBox* m_showInfoBox;
    QCheckBox* m_showBackgroundBox;
    QCheckBox* m_showClimbBox;
    QPushButton* m_dataLengthButton;
    QPushButton* m_okButton;
    QPushButton* m_cancelButton;
};

} // namespace vimo
