#pragma once

#include <QDialog>
#include <functional>

class QFileDialog;
class QLineEdit;
class QListView;
class QPushButton;

namespace vimo {

class ColourPanel;
class DataEditor;
class StyleCombo;
struct DataSetProperties;
struct Plot;

// The "Data Properties" dialog: one data set at a time, chosen in the "Data Sets" list (a view of the plot's data
// sets). It shows the set's name, colours, styles, offsets and notes; Apply (or Enter in a text box) writes them
// back: the offsets shift the samples once, and the offset boxes then show 0. "Delete Data Set", "Fix Drift" and "Fix Offset" act on the selected set
// at once; "Export Photo Info", offered only for sets that carry trigger data, writes the trigger list and opens it
// in the desktop's viewer. Every change goes through the page's undo. With no row selected the buttons do nothing.
class DataPropertiesDialog : public QDialog {
    Q_OBJECT
public:
    DataPropertiesDialog(Plot& plot, DataEditor& editor, QWidget* parent = nullptr);
    ~DataPropertiesDialog() override;

    // Shows data set `activeSet` (data set 0 when it is none, empty fields when there is no data set) and the
    // dialog modally; returns QDialog::exec()'s result.
    int run(int activeSet = 0);

    // Selects row k of the list and fills every control from data set k; with no such row the fields are emptied.
    void showDataSetProperties(int k);
    int selectedRow() const;

    void applyProperties();
    void deleteSelectedSet();
    void correctDrift();
    void correctOffset();
    void writePhotoList();

    // How a written photo list is shown; the desktop's viewer by default.
    void setFileOpener(std::function<void(const QString& path)> opener) { m_openFile = std::move(opener); }

private:
    DataSetProperties editedProperties(int k) const;
    void buildLayout();

    Plot& m_plot;
    DataEditor& m_editor;
    std::function<void(const QString&)> m_openFile;
    QFileDialog* m_photoDialog;
    bool m_filling = false; // the list's row is being set by showDataSetProperties()

    QListView* m_setList;
    QLineEdit* m_nameEdit;
    ColourPanel* m_lineColour;
    StyleCombo* m_lineStyleBox;
    ColourPanel* m_pointColour;
    StyleCombo* m_pointStyleBox;
    ColourPanel* m_triggerColour;
    StyleCombo* m_triggerStyleBox;
    QLineEdit* m_timeOffsetEdit;
    QLineEdit* m_altitudeOffsetEdit;
    QLineEdit* m_timeScaleEdit;
    QLineEdit* m_altitudeScaleEdit;
    QLineEdit* m_note1Edit;
    QLineEdit* m_note2Edit;
    QLineEdit* m_note3Edit;
    QPushButton* m_applyButton;
    QPushButton* m_deleteButton;
    QPushButton* m_driftButton;
    QPushButton* m_offsetButton;
    QPushButton* m_photoButton;
    QPushButton* m_okButton;
};

} // namespace vimo
