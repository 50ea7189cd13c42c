#include "app/session/DataFileActions.h"

#include "app/dialogs/DialogSupport.h"
#include "app/dialogs/SaveChoiceDialog.h"
#include "app/session/UnsavedDataSets.h"
#include "data/AutoScale.h"
#include "data/DataFile.h"
#include "data/NativeName.h"
#include "data/Plot.h"

#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace vimo {
namespace {

const QString kDataFileFilter = QStringLiteral("Data File (*.csv);;All Files (*)");

QFileDialog* makeFileDialog(QWidget* parent, const char* name, const QString& title)
{
    auto* dialog = new QFileDialog(parent, title);
    dialog->setObjectName(QLatin1String(name));
    dialog->setNameFilter(kDataFileFilter);
    return dialog;
}

} // namespace

DataFileActions::DataFileActions(Plot& plot, QWidget* dialogParent)
    : QObject(dialogParent), m_plot(plot), m_parent(dialogParent), m_saveSel(new SaveChoiceDialog(dialogParent)),
      m_saveDialog(makeFileDialog(dialogParent, "SaveDialog", QStringLiteral("Save Vimo Data"))),
      m_loadDialog(makeFileDialog(dialogParent, "LoadDialog", QStringLiteral("Load Vimo Data"))),
      m_unsaved(new UnsavedDataSets(plot.signals, this)), m_placeholder(plot, *m_unsaved)
{
    m_saveDialog->setAcceptMode(QFileDialog::AcceptSave);
    m_saveDialog->setFileMode(QFileDialog::AnyFile);
    m_loadDialog->setAcceptMode(QFileDialog::AcceptOpen);
    m_loadDialog->setFileMode(QFileDialog::ExistingFiles);
}

QString DataFileActions::chooseSavePath(const QString& suggestedName)
{
    m_saveDialog->selectFile(suggestedName);
    if (m_saveDialog->exec() != QDialog::Accepted || m_saveDialog->selectedFiles().isEmpty())
        return {};
    return m_saveDialog->selectedFiles().constFirst();
}

void DataFileActions::save(int activeSet)
{
    if (m_saveSel->run() != QDialog::Accepted)
        return;
    saveChosen(m_saveSel->choice() == SaveChoiceDialog::PlotAndAllDataSets, activeSet);
}

bool DataFileActions::saveAll()
{
    return saveChosen(true, -1);
}

bool DataFileActions::saveChosen(bool wholePlot, int activeSet)
{
    const QDate today = QDate::currentDate();
    if (!wholePlot && !m_plot.signals.isValidIndex(activeSet)) {
        showError(m_parent, noDataSetMessage());
        return false;
    }
    // A downloaded data set is offered under its own set number; any other under the set last chosen.
    const int ownSet = wholePlot ? -1 : m_plot.signals.at(activeSet).moduleSet;
    const QString path =
        chooseSavePath(wholePlot ? datafile::suggestedPlotFileName(today)
                                 : datafile::suggestedDataSetFileName(today, ownSet >= 0 ? ownSet : m_selectedSet));
    if (path.isEmpty())
        return false;
    if (wholePlot)
        m_placeholder.makeWay(); // the start-up ramp is no data: a plot file never holds it
    QString reason;
    const SaveStatus status = wholePlot ? datafile::savePlotFile(path, m_plot, &reason)
                                        : datafile::saveDataSetFile(path, m_plot, activeSet, &reason);
    if (status == SaveStatus::Failed)
        showError(m_parent, unableToOpenMessage(path, reason));
    if (status != SaveStatus::Saved)
        return false;
    if (wholePlot)
        m_unsaved->markSavedFrom(0);
    else
        m_unsaved->markSaved(activeSet);
    Q_EMIT fileUsed(path);
    return true;
}

void DataFileActions::load()
{
    if (m_loadDialog->exec() != QDialog::Accepted)
        return;
    loadFiles(m_loadDialog->selectedFiles());
}

void DataFileActions::realDataArrived(bool keepRange)
{
    if (!m_placeholder.makeWay() || keepRange)
        return;
    autoScaleTime(m_plot);
    autoScaleAltitude(m_plot);
}

int DataFileActions::loadFiles(const QStringList& paths)
{
    const PlotRange rangeBefore = m_plot.range();
    int added = 0;
    for (const QString& path : paths) {
        datafile::ReadReport report;
        const int before = m_plot.signals.size();
        QString reason;
        const int sets = datafile::loadDataFile(path, m_plot, &reason, &report);
        if (sets < 0) {
            // Refused files (not readable, no data file) add nothing and stay out of Recent Files.
            showError(m_parent, unableToOpenMessage(QDir::toNativeSeparators(nativename::shown(path)), reason));
            continue;
        }
        added += sets;
        m_unsaved->markSavedFrom(before); // a file holds them as they are
        Q_EMIT fileUsed(path);
        // The data loaded as the reader's rules say; what it passed over must not go unnoticed.
        if (!report.clean())
            showWarning(m_parent, QDir::toNativeSeparators(path) + QLatin1String(":\n")
                                      + report.warnings().join(QLatin1Char('\n')));
    }
    if (added > 0) {
        realDataArrived(m_plot.range() != rangeBefore);
        Q_EMIT loaded();
    }
    return added;
}

QString DataFileActions::loadFolder() const
{
    return m_loadDialog->directory().absolutePath();
}

QString DataFileActions::saveFolder() const
{
    return m_saveDialog->directory().absolutePath();
}

void DataFileActions::setFolders(const QString& loadFolder, const QString& saveFolder)
{
    if (!loadFolder.isEmpty() && QFileInfo(loadFolder).isDir())
        m_loadDialog->setDirectory(loadFolder);
    if (!saveFolder.isEmpty() && QFileInfo(saveFolder).isDir())
        m_saveDialog->setDirectory(saveFolder);
}

QStringList DataFileActions::droppedFiles(const QMimeData* mime)
{
    QStringList paths;
    if (!mime || !mime->hasUrls())
        return paths;
    for (const QUrl& url : mime->urls()) {
        if (url.isLocalFile() && url.fileName().endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
            paths << url.toLocalFile();
    }
    return paths;
}

} // namespace vimo
