#pragma once

#include <QDialog>

class QRadioButton;

namespace vimo {

// The "Save" selection: what the next save writes. Created once, so the last choice stays selected while the
// program runs.
class SaveChoiceDialog : public QDialog {
    Q_OBJECT
public:
    enum Choice { ActiveDataSet = 0, PlotAndAllDataSets = 1 };

    explicit SaveChoiceDialog(QWidget* parent = nullptr);

    // The selected row of "SaveGrp".
    Choice choice() const;
    void setChoice(Choice choice);

    // Shows the dialog modally; returns QDialog::exec()'s result.
    int run();

private:
    QRadioButton* m_activeSet;
    QRadioButton* m_wholePlot;
};

} // namespace vimo
