#include "app/pages/LogbookPage.h"

#include "app/pages/LogbookSeason.h"
#include "app/pages/SeasonChartView.h"
#include "data/SafeSave.h"
#include "data/TableText.h"
#include "logbook/ArchiveFolder.h"
#include "logbook/Logbook.h"
#include "logbook/LogbookModel.h"
#include "logbook/LogbookTotals.h"
#include "plot/FlightSpan.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSplitter>
#include <QTableView>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>
#include <set>

namespace vimo {
namespace {

QAction* makeAction(QWidget* page, const char* name, const QString& text, const QString& tip)
{
    auto* action = new QAction(text, page);
    action->setObjectName(QLatin1String(name));
    action->setToolTip(tip);
    page->addAction(action);
    return action;
}

QToolButton* buttonFor(QAction* action, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(action->objectName() + QLatin1String("Btn"));
    button->setDefaultAction(action);
    return button;
}

QDateEdit* dateEdit(const char* name, QWidget* parent)
{
    auto* edit = new QDateEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setCalendarPopup(true);
    edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    return edit;
}

} // namespace

LogbookPage::LogbookPage(Logbook& logbook, QWidget* parent)
    : QWidget(parent), m_logbook(logbook), m_model(new LogbookModel(this)), m_proxy(new LogbookFilter(this)),
      m_filter(new QLineEdit(this)), m_modelFilter(new QComboBox(this)), m_from(dateEdit("LogbookFrom", this)),
      m_to(dateEdit("LogbookTo", this)), m_table(new QTableView(this)), m_problem(new QLabel(this)),
      m_totals(new QLabel(this)), m_chartValue(new QComboBox(this)), m_chart(new SeasonChartView(this))
{
    setObjectName(QStringLiteral("LogbookPage"));
    m_table->setObjectName(QStringLiteral("LogbookTable"));
    m_problem->setObjectName(QStringLiteral("LogbookProblem"));
    m_problem->setWordWrap(true);
    m_problem->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_totals->setObjectName(QStringLiteral("LogbookTotals"));
    m_totals->setTextInteractionFlags(Qt::TextSelectableByMouse);
    createActions();

    m_proxy->setSourceModel(m_model);
    m_table->setModel(m_proxy);
    m_table->setSortingEnabled(true);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->verticalHeader()->hide();
    m_table->setWordWrap(false);
    // Column widths follow the first rows' contents; a long table is not read through for them.
    m_table->horizontalHeader()->setResizeContentsPrecision(200);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->sortByColumn(LogbookModel::Date, Qt::DescendingOrder);

    auto* split = new QSplitter(Qt::Vertical, this);
    split->setObjectName(QStringLiteral("LogbookSplit"));
    split->setChildrenCollapsible(false);
    split->addWidget(m_table);
    split->addWidget(createChartPanel());
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 1);
    auto* buttons = new QHBoxLayout;
    for (QAction* action : {m_open, m_showInFolder, m_rename, m_setModel, m_delete, m_undo, m_import, m_export})
        buttons->addWidget(buttonFor(action, this));
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(createFilterBar());
    layout->addWidget(m_problem);
    layout->addWidget(split, 1);
    layout->addWidget(m_totals);
    layout->addLayout(buttons);

    connect(m_table, &QTableView::doubleClicked, this, &LogbookPage::openSelected);
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &LogbookPage::updateChartSelection);
    connect(m_proxy, &QAbstractItemModel::layoutChanged, this, &LogbookPage::updateSummary);
    reload();
}

LogbookPage::~LogbookPage() = default;

void LogbookPage::createActions()
{
    m_open =
        makeAction(this, "LogbookOpen", QStringLiteral("Open"),
                   QStringLiteral("Add the selected recordings to the plot, showing the flight of the current row"));
    m_showInFolder = makeAction(this, "LogbookShowInFolder", QStringLiteral("Show in folder"),
                                QStringLiteral("Show the folder of the selected flight"));
    m_rename = makeAction(this, "LogbookRename", QStringLiteral("Rename..."),
                          QStringLiteral("Rename the data set of the selected recordings"));
    m_setModel = makeAction(this, "LogbookSetModel", QStringLiteral("Set Model..."),
                            QStringLiteral("Name the model aircraft of the selected recordings"));
    m_delete = makeAction(this, "LogbookDelete", QStringLiteral("Delete"),
                          QStringLiteral("Move the selected recordings into the archive's deleted folder"));
    m_undo = makeAction(this, "LogbookUndoDelete", QStringLiteral("Undo Delete"),
                        QStringLiteral("Bring back the recordings deleted last"));
    m_import = makeAction(this, "LogbookImport", QStringLiteral("Import folder..."),
                          QStringLiteral("Copy the CSV files of a folder into the archive"));
    m_export = makeAction(this, "LogbookExport", QStringLiteral("Export..."),
                          QStringLiteral("Write the flights shown to a CSV file"));
    // The keys act on the page's selection, so they work only while the page has the focus.
    const std::pair<QAction*, QKeySequence> keys[] = {
        {m_open, QKeySequence(QStringLiteral("Ctrl+Shift+O"))},
        {m_showInFolder, QKeySequence(QStringLiteral("Ctrl+Shift+F"))},
        {m_rename, QKeySequence(QStringLiteral("Ctrl+Shift+R"))},
        {m_setModel, QKeySequence(QStringLiteral("Ctrl+Shift+A"))},
        {m_delete, QKeySequence(QKeySequence::Delete)},
        {m_undo, QKeySequence(QKeySequence::Undo)},
        {m_import, QKeySequence(QStringLiteral("Ctrl+I"))},
        {m_export, QKeySequence(QStringLiteral("Ctrl+Shift+E"))},
    };
    for (const auto& [action, key] : keys) {
        action->setShortcut(key);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    }
    m_undo->setEnabled(false);
    connect(m_open, &QAction::triggered, this, &LogbookPage::openSelected);
    connect(m_showInFolder, &QAction::triggered, this, &LogbookPage::showSelectedInFolder);
    connect(m_rename, &QAction::triggered, this, &LogbookPage::renameSelectedAsked);
    connect(m_setModel, &QAction::triggered, this, &LogbookPage::setModelSelectedAsked);
    connect(m_delete, &QAction::triggered, this, &LogbookPage::deleteSelected);
    connect(m_undo, &QAction::triggered, this, &LogbookPage::undoDelete);
    connect(m_import, &QAction::triggered, this, &LogbookPage::importFolderAsked);
    connect(m_export, &QAction::triggered, this, &LogbookPage::exportTableAsked);
}

QWidget* LogbookPage::createFilterBar()
{
    m_filter->setObjectName(QStringLiteral("LogbookFilter"));
    m_filter->setPlaceholderText(QStringLiteral("Filter"));
    m_filter->setClearButtonEnabled(true);
    m_modelFilter->setObjectName(QStringLiteral("LogbookModelFilter"));
    m_modelFilter->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_filter, 1);
    row->addWidget(new QLabel(QStringLiteral("Model"), bar));
    row->addWidget(m_modelFilter);
    row->addWidget(new QLabel(QStringLiteral("From"), bar));
    row->addWidget(m_from);
    row->addWidget(new QLabel(QStringLiteral("To"), bar));
    row->addWidget(m_to);
    connect(m_filter, &QLineEdit::textChanged, this, &LogbookPage::applyFilter);
    connect(m_modelFilter, &QComboBox::currentIndexChanged, this, &LogbookPage::applyFilter);
    connect(m_from, &QDateEdit::dateChanged, this, &LogbookPage::applyFilter);
    connect(m_to, &QDateEdit::dateChanged, this, &LogbookPage::applyFilter);
    return bar;
}

QWidget* LogbookPage::createChartPanel()
{
    m_chartValue->setObjectName(QStringLiteral("LogbookChartValue"));
    m_chartValue->addItem(QStringLiteral("Start height"), int(SeasonValue::StartHeight));
    m_chartValue->addItem(QStringLiteral("Duration"), int(SeasonValue::Duration));
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Season"), panel));
    top->addWidget(m_chartValue);
    top->addStretch(1);
    column->addLayout(top);
    column->addWidget(m_chart, 1);
    connect(m_chartValue, &QComboBox::currentIndexChanged, this, &LogbookPage::updateSummary);
    connect(m_chart, &SeasonChartView::pointClicked, this, &LogbookPage::selectSourceRow);
    return panel;
}

void LogbookPage::reload()
{
    QString problem = archiveFolderProblem(m_logbook.root()).value_or(QString());
    if (problem.isEmpty() && m_logbook.index().inMemory())
        problem = QStringLiteral("The index of the archive in %1 cannot be used (%2); the flights were read from the "
                                 "files.")
                      .arg(QDir::toNativeSeparators(m_logbook.root()), m_logbook.index().lastError());
    m_problem->setText(problem);
    m_problem->setVisible(!problem.isEmpty());
    m_model->reload(m_logbook.index());
    fillModelFilter();
    fitDateRange();
    applyFilter();
    m_table->resizeColumnsToContents();
}

// The model filter offers every model in use, the recordings without one, and all; the choice is kept while it is
// still offered.
void LogbookPage::fillModelFilter()
{
    const QVariant chosen = m_modelFilter->currentData();
    const QSignalBlocker block(m_modelFilter);
    m_modelFilter->clear();
    m_modelFilter->addItem(QStringLiteral("All models"));
    m_modelFilter->addItem(QStringLiteral("(no model)"), QString(QLatin1String("")));
    for (const QString& name : m_logbook.index().airframes())
        m_modelFilter->addItem(name, name);
    m_modelFilter->setCurrentIndex(std::max(0, chosen.isValid() ? m_modelFilter->findData(chosen) : 0));
}

// The date range starts as wide as the recordings' dates, so that every flight is shown.
void LogbookPage::fitDateRange()
{
    QDate first = QDate::currentDate();
    QDate last = first;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        first = std::min(first, m_model->day(row));
        last = std::max(last, m_model->day(row));
    }
    const QSignalBlocker blockFrom(m_from);
    const QSignalBlocker blockTo(m_to);
    m_from->setDate(first);
    m_to->setDate(last);
}

void LogbookPage::applyFilter()
{
    const QVariant airframe = m_modelFilter->currentData();
    m_proxy->setText(m_filter->text());
    m_proxy->setDateRange(m_from->date(), m_to->date());
    m_proxy->setAirframe(airframe.isValid() ? std::optional(airframe.toString()) : std::nullopt);
    updateSummary();
}

// The totals and the chart of the flights shown.
void LogbookPage::updateSummary()
{
    const std::vector<int> rows = m_proxy->shownSourceRows();
    std::vector<ShownFlight> flights;
    for (const int row : rows) {
        if (const FlightMeasures* f = m_model->flight(row))
            flights.push_back({f, m_model->unit(row)});
    }
    m_totals->setText(totalsText(totalsOf(flights)));
    m_chart->setChart(seasonChartOf(*m_model, rows, SeasonValue(m_chartValue->currentData().toInt())));
    updateChartSelection();
}

void LogbookPage::updateChartSelection()
{
    std::vector<int> ids;
    for (const QModelIndex& index : m_table->selectionModel()->selectedRows())
        ids.push_back(m_proxy->mapToSource(index).row());
    m_chart->setSelected(std::move(ids));
}

void LogbookPage::selectSourceRow(int row)
{
    const QModelIndex shown = m_proxy->mapFromSource(m_model->index(row, 0));
    if (!shown.isValid())
        return;
    m_table->selectionModel()->setCurrentIndex(shown, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_table->scrollTo(shown);
}

// The recordings of the selected rows (their places in the model's recordings), each once, in the table's order.
std::vector<std::size_t> LogbookPage::selectedRecordings() const
{
    QModelIndexList selected = m_table->selectionModel()->selectedRows();
    std::sort(selected.begin(), selected.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    std::vector<std::size_t> recordings;
    std::set<std::size_t> seen;
    for (const QModelIndex& index : selected) {
        const std::size_t r = m_model->recordingIndex(m_proxy->mapToSource(index).row());
        if (seen.insert(r).second)
            recordings.push_back(r);
    }
    return recordings;
}

QStringList LogbookPage::selectedFiles() const
{
    QStringList files;
    for (const std::size_t r : selectedRecordings())
        files << m_logbook.absolutePath(m_model->recordings()[r].path);
    return files;
}

void LogbookPage::openSelected()
{
    const QStringList files = selectedFiles();
    if (files.isEmpty())
        return;
    // The flight of the current row (else of the first selected row) is the one shown.
    QModelIndex current = m_table->selectionModel()->currentIndex();
    if (!current.isValid() || !m_table->selectionModel()->isRowSelected(current.row(), current.parent()))
        current = m_table->selectionModel()->selectedRows().value(0);
    const int row = m_proxy->mapToSource(current).row();
    const FlightMeasures* flight = row >= 0 ? m_model->flight(row) : nullptr;
    if (!flight) {
        Q_EMIT openRequested(files, QString(), 0, 0);
        return;
    }
    const FlightSpan span = flightSpan(flight->launch, flight->duration);
    Q_EMIT openRequested(files, m_logbook.absolutePath(m_model->recording(row).path), span.from, span.to);
}

void LogbookPage::showSelectedInFolder()
{
    const QStringList files = selectedFiles();
    if (!files.isEmpty())
        QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(files.first()).absolutePath()));
}

void LogbookPage::renameSelectedAsked()
{
    const std::vector<std::size_t> recordings = selectedRecordings();
    if (recordings.empty())
        return;
    bool ok = false;
    const QString name = QInputDialog::getText(this, QStringLiteral("Rename"), QStringLiteral("Data set name:"),
                                               QLineEdit::Normal, m_model->recordings()[recordings.front()].name, &ok);
    if (ok)
        renameSelected(name);
}

void LogbookPage::renameSelected(const QString& name)
{
    changeSelected(QStringLiteral("Not renamed:"),
                   [&](const QString& path, QString* reason) { return m_logbook.rename(path, name, reason); });
}

void LogbookPage::changeSelected(const QString& heading, const std::function<bool(const QString&, QString*)>& change)
{
    QStringList failures;
    for (const std::size_t r : selectedRecordings()) {
        const QString path = m_model->recordings()[r].path;
        QString reason;
        if (!change(path, &reason))
            failures << QStringLiteral("%1: %2").arg(path, reason);
    }
    reload();
    if (!failures.isEmpty())
        warn(heading + QLatin1Char('\n') + failures.join(QLatin1Char('\n')));
}

void LogbookPage::setModelSelectedAsked()
{
    const std::vector<std::size_t> recordings = selectedRecordings();
    if (recordings.empty())
        return;
    QStringList names = m_logbook.index().airframes();
    const QString current = m_model->recordings()[recordings.front()].airframe;
    bool ok = false;
    const QString name = QInputDialog::getItem(this, QStringLiteral("Set Model"), QStringLiteral("Model:"), names,
                                               std::max<int>(0, int(names.indexOf(current))), true, &ok);
    if (ok)
        setModelSelected(name);
}

void LogbookPage::setModelSelected(const QString& model)
{
    changeSelected(QStringLiteral("Model not set:"),
                   [&](const QString& path, QString* reason) { return m_logbook.setAirframe(path, model, reason); });
}

void LogbookPage::deleteSelected()
{
    std::vector<std::pair<QString, QString>> batch;
    QStringList failures;
    for (const std::size_t r : selectedRecordings()) {
        const QString path = m_model->recordings()[r].path;
        QString reason;
        if (const std::optional<QString> to = m_logbook.moveToDeleted(path, &reason))
            batch.emplace_back(*to, path);
        else
            failures << QStringLiteral("%1: %2").arg(path, reason);
    }
    if (!batch.empty())
        m_deleted.push_back(std::move(batch));
    m_undo->setEnabled(!m_deleted.empty());
    reload();
    if (!failures.isEmpty())
        warn(QStringLiteral("Not deleted:\n") + failures.join(QLatin1Char('\n')));
}

void LogbookPage::undoDelete()
{
    if (m_deleted.empty())
        return;
    const std::vector<std::pair<QString, QString>> batch = std::move(m_deleted.back());
    m_deleted.pop_back();
    m_undo->setEnabled(!m_deleted.empty());
    QStringList failures;
    for (const auto& [deleted, original] : batch) {
        QString reason;
        if (!m_logbook.restore(deleted, original, &reason))
            failures << QStringLiteral("%1: %2").arg(original, reason);
    }
    reload();
    if (!failures.isEmpty())
        warn(QStringLiteral("Not brought back:\n") + failures.join(QLatin1Char('\n')));
}

void LogbookPage::exportTableAsked()
{
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Export"), QStringLiteral("logbook.csv"),
                                                      QStringLiteral("CSV files (*.csv)"));
    QString reason;
    if (!path.isEmpty() && !exportTable(path, &reason))
        warn(QStringLiteral("Not exported: %1: %2").arg(QDir::toNativeSeparators(path), reason));
}

bool LogbookPage::exportTable(const QString& path, QString* reason)
{
    return saveBytes(path, tableCsvBytes(*m_proxy), reason) == SaveStatus::Saved;
}

void LogbookPage::importFolderAsked()
{
    const QString folder = QFileDialog::getExistingDirectory(this, QStringLiteral("Import folder"));
    if (!folder.isEmpty())
        importFolder(folder);
}

void LogbookPage::importFolder(const QString& folder)
{
    const ImportOutcome outcome = m_logbook.importFolder(folder);
    reload();
    if (!outcome.failed.isEmpty())
        warn(QStringLiteral("Not imported:\n") + outcome.failed.join(QLatin1Char('\n')));
}

void LogbookPage::warn(const QString& text)
{
    QMessageBox::warning(this, QStringLiteral("Vimo"), text);
}

} // namespace vimo
