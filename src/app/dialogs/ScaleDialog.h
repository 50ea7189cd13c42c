#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace vimo {

struct Plot;
struct ScaleTexts;

// The "Graph Scale" dialog: the visible time and altitude ranges typed by hand, or "Auto" for automatic ones.
// "Auto" rescales the plot at once, whatever closes the dialog later. OK takes the typed values as the visible range
// and the home range; a minimum that is not below its maximum, or a span that is not a finite number, is refused
// with a message, and the dialog stays open with the plot unchanged. Cancel changes nothing more.
class ScaleDialog : public QDialog {
    Q_OBJECT
public:
    explicit ScaleDialog(Plot& plot, QWidget* parent = nullptr);

    // Fills the edits from the current range and shows the dialog modally; returns QDialog::exec()'s result.
    int run();

    void scaleAutomatically();
    void applyScale();

Q_SIGNALS:
    // The plot's range changed: repaint.
    void plotChanged();

private:
    void showTexts(const ScaleTexts& texts);

    Plot& m_plot;
    QLineEdit* m_timeMinEdit;
    QLineEdit* m_timeMaxEdit;
    QLineEdit* m_altitudeMinEdit;
    QLineEdit* m_altitudeMaxEdit;
    QPushButton* m_okButton;
    QPushButton* m_cancelButton;
    QPushButton* m_autoButton;
};

} // namespace vimo
