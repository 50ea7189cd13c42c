#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vimo {

struct PrintSettings;

// The "Output" dialog: the size of a printed or exported plot in inches, its distance from the page's left and
// top edges (printing only), and the colour choice. OK reads the edits into the print settings it was given: an
// edit whose text does not begin with a number leaves its value as it was. The dialog keeps its texts between
// uses; width and height are filled from the settings before every print and when the settings are restored.
class OutputDialog : public QDialog {
    Q_OBJECT
public:
    OutputDialog(PrintSettings& settings, QWidget* parent = nullptr);

    // The width and height edits show the settings' size in the shortest form ("7", "3.5").
    void showSize();
    // The settings as restored at start-up: size into the edits, colour choice into the check box.
    void restore();
    // Printing offers the page offsets; an export has none.
    void setOffsetsEnabled(bool enabled);

    // Shows the dialog modally; returns QDialog::exec()'s result.
    int run();

    void acceptSize();

private:
    PrintSettings& m_settings;
    QLineEdit* m_widthEdit;
    QLineEdit* m_heightEdit;
    QLineEdit* m_leftEdit;
    QLineEdit* m_topEdit;
    QLabel* m_leftLabel;
    QLabel* m_topLabel;
    QCheckBox* m_colourBox;
    QPushButton* m_okButton;
    QPushButton* m_cancelButton;
};

} // namespace vimo
