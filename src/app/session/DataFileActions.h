#pragma once

#include "app/session/StartPlaceholder.h"

#include <QObject>
#include <QStringList>

class QFileDialog;
class QMimeData;
class QWidget;

namespace vimo {

class SaveChoiceDialog;
class UnsavedDataSets;
struct Plot;

// "Save" and "Load" of the "Recorded Data" page, and data files dropped onto the window.
//
// Save asks what to save (the active data set or the whole plot), suggests "Alt_<date>_<n>.csv" or
// "Plot_<date>.csv" and writes the file safely; with no active data set it says so and writes nothing. Load takes
// one or several files; each adds its data sets to the plot. A file that cannot be opened or written is reported
// as "Unable to open <path>!".
class DataFileActions : public QObject {
    Q_OBJECT
public:
    DataFileActions(Plot& plot, QWidget* dialogParent);

    // The module data set last chosen for download (0-based); the data set file name carries it 1-based.
    void setSelectedSet(int set) { m_selectedSet = set; }

    void save(int activeSet);
    // Saves the plot and every data set as a plot file under a name the user chooses (Close with unsaved work);
    // true when the file was written.
    bool saveAll();
    void load();
    // Loads the given files in order; returns how many data sets were added.
    int loadFiles(const QStringList& paths);

    // The data files (local ".csv" files) among dropped URLs.
    static QStringList droppedFiles(const QMimeData* mime);

    SaveChoiceDialog& saveSelection() { return *m_saveSel; }

    // The data set the window starts with; it makes way for the first real data.
    StartPlaceholder& placeholder() { return m_placeholder; }
    // Real data joined the plot (a download or a load): the placeholder makes way, and the real data in an
    // otherwise empty plot is scaled to fit, unless `keepRange` (a plot file brought its own range).
    void realDataArrived(bool keepRange = false);

    // The data sets that no file holds as they are (downloaded or changed since their last save or load).
    UnsavedDataSets& unsaved() { return *m_unsaved; }
    const UnsavedDataSets& unsaved() const { return *m_unsaved; }

    // The folders the load and save dialogs open in (the last ones used); a folder that does not exist is ignored.
    QString loadFolder() const;
    QString saveFolder() const;
    void setFolders(const QString& loadFolder, const QString& saveFolder);

Q_SIGNALS:
    // A data file was loaded or saved (for the recent files).
    void fileUsed(const QString& path);

    // Data sets were added by a load: the page selects the first one in the Data Properties list and repaints.
    void loaded();

private:
    QString chooseSavePath(const QString& suggestedName);
    bool saveChosen(bool wholePlot, int activeSet);

    Plot& m_plot;
    QWidget* m_parent;
    SaveChoiceDialog* m_saveSel;
    QFileDialog* m_saveDialog;
    QFileDialog* m_loadDialog;
    UnsavedDataSets* m_unsaved;
    StartPlaceholder m_placeholder;
    int m_selectedSet = 0;
};

} // namespace vimo
