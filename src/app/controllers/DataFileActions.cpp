#include "app/controllers/DataFileActions.h"

#include "app/dialogs/DialogSupport.h"
#include "app/dialogs/SaveChoiceDialog.h"
#include "data/DataFile.h"
#include "data/Plot.h"

#include <QDate>
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
      m_loadDialog(makeFileDialog(dialogParent, "LoadDialog", QStringLiteral("Load Vimo Data")))
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
    const QDate today = QDate::currentDate();
    const bool wholePlot = m_saveSel->choice() == SaveChoiceDialog::PlotAndAllDataSets;
    if (!wholePlot && !m_plot.signals.isValidIndex(activeSet)) {
        showError(m_parent, noDataSetMessage());
        return;
    }
    const QString path = chooseSavePath(wholePlot ? datafile::suggestedPlotFileName(today)
                                                  : datafile::suggestedDataSetFileName(today, m_selectedSet));
    if (path.isEmpty())
        return;
    QString reason;
    const SaveStatus status = wholePlot ? datafile::savePlotFile(path, m_plot, &reason)
                                        : datafile::saveDataSetFile(path, m_plot, activeSet, &reason);
    if (status == SaveStatus::Failed)
        showError(m_parent, unableToOpenMessage(path, reason));
    else if (status == SaveStatus::Saved)
        Q_EMIT fileUsed(path);
}

void DataFileActions::load()
{
    if (m_loadDialog->exec() != QDialog::Accepted)
        return;
    loadFiles(m_loadDialog->selectedFiles());
}

int DataFileActions::loadFiles(const QStringList& paths)
{
    int added = 0;
    for (const QString& path : paths) {
        const int sets = datafile::loadDataFile(path, m_plot);
        if (sets < 0) {
            showError(m_parent, unableToOpenMessage(path));
        } else {
            added += sets;
            Q_EMIT fileUsed(path);
        }
    }
    if (added > 0)
        Q_EMIT loaded();
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
