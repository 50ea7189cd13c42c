#include "app/pages/LogbookPage.h"

#include "logbook/ArchiveFolder.h"
#include "logbook/Logbook.h"
#include "logbook/LogbookModel.h"

#include <QAction>
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
#include <QTableView>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

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
      m_filter(new QLineEdit(this)), m_from(dateEdit("LogbookFrom", this)), m_to(dateEdit("LogbookTo", this)),
      m_table(new QTableView(this)), m_problem(new QLabel(this))
{
    setObjectName(QStringLiteral("LogbookPage"));
    m_filter->setObjectName(QStringLiteral("LogbookFilter"));
    m_filter->setPlaceholderText(QStringLiteral("Filter"));
    m_filter->setClearButtonEnabled(true);
    m_table->setObjectName(QStringLiteral("LogbookTable"));
    m_problem->setObjectName(QStringLiteral("LogbookProblem"));
    m_problem->setWordWrap(true);
    m_problem->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_open =
        makeAction(this, "LogbookOpen", QStringLiteral("Open"), QStringLiteral("Add the selected flights to the plot"));
    m_showInFolder = makeAction(this, "LogbookShowInFolder", QStringLiteral("Show in folder"),
                                QStringLiteral("Show the folder of the selected flight"));
    m_rename = makeAction(this, "LogbookRename", QStringLiteral("Rename..."),
                          QStringLiteral("Rename the data set of the selected flights"));
    m_delete = makeAction(this, "LogbookDelete", QStringLiteral("Delete"),
                          QStringLiteral("Move the selected flights into the archive's deleted folder"));
    m_undo = makeAction(this, "LogbookUndoDelete", QStringLiteral("Undo Delete"),
                        QStringLiteral("Bring back the flights deleted last"));
    m_import = makeAction(this, "LogbookImport", QStringLiteral("Import folder..."),
                          QStringLiteral("Copy the CSV files of a folder into the archive"));
    // The keys act on the page's selection, so they work only while the page has the focus.
    const std::pair<QAction*, QKeySequence> keys[] = {
        {m_open, QKeySequence(QStringLiteral("Ctrl+Shift+O"))},
        {m_showInFolder, QKeySequence(QStringLiteral("Ctrl+Shift+F"))},
        {m_rename, QKeySequence(QStringLiteral("Ctrl+Shift+R"))},
        {m_delete, QKeySequence(QKeySequence::Delete)},
        {m_undo, QKeySequence(QKeySequence::Undo)},
        {m_import, QKeySequence(QStringLiteral("Ctrl+I"))},
    };
    for (const auto& [action, key] : keys) {
        action->setShortcut(key);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    }
    m_undo->setEnabled(false);

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

    auto* bar = new QHBoxLayout;
    bar->addWidget(m_filter, 1);
    bar->addWidget(new QLabel(QStringLiteral("From"), this));
    bar->addWidget(m_from);
    bar->addWidget(new QLabel(QStringLiteral("To"), this));
    bar->addWidget(m_to);
    auto* buttons = new QHBoxLayout;
    for (QAction* action : {m_open, m_showInFolder, m_rename, m_delete, m_undo, m_import})
        buttons->addWidget(buttonFor(action, this));
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_problem);
    layout->addWidget(m_table, 1);
    layout->addLayout(buttons);

    connect(m_filter, &QLineEdit::textChanged, this, &LogbookPage::applyFilter);
    connect(m_from, &QDateEdit::dateChanged, this, &LogbookPage::applyFilter);
    connect(m_to, &QDateEdit::dateChanged, this, &LogbookPage::applyFilter);
    connect(m_table, &QTableView::doubleClicked, this, &LogbookPage::openSelected);
    connect(m_open, &QAction::triggered, this, &LogbookPage::openSelected);
    connect(m_showInFolder, &QAction::triggered, this, &LogbookPage::showSelectedInFolder);
    connect(m_rename, &QAction::triggered, this, &LogbookPage::renameSelectedAsked);
    connect(m_delete, &QAction::triggered, this, &LogbookPage::deleteSelected);
    connect(m_undo, &QAction::triggered, this, &LogbookPage::undoDelete);
    connect(m_import, &QAction::triggered, this, &LogbookPage::importFolderAsked);

    reload();
}

LogbookPage::~LogbookPage() = default;

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
    fitDateRange();
    applyFilter();
    m_table->resizeColumnsToContents();
}

// The date range starts as wide as the flights' dates, so that every flight is shown.
void LogbookPage::fitDateRange()
{
    QDate first = QDate::currentDate();
    QDate last = first;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        const QDate date = m_model->flight(row).downloaded.toLocalTime().date();
        first = std::min(first, date);
        last = std::max(last, date);
    }
    const QSignalBlocker blockFrom(m_from);
    const QSignalBlocker blockTo(m_to);
    m_from->setDate(first);
    m_to->setDate(last);
}

void LogbookPage::applyFilter()
{
    m_proxy->setText(m_filter->text());
    m_proxy->setDateRange(m_from->date(), m_to->date());
}

std::vector<int> LogbookPage::selectedRows() const
{
    std::vector<int> rows;
    const QModelIndexList selected = m_table->selectionModel()->selectedRows();
    for (const QModelIndex& index : selected)
        rows.push_back(m_proxy->mapToSource(index).row());
    std::sort(rows.begin(), rows.end(), [this](int a, int b) {
        return m_proxy->mapFromSource(m_model->index(a, 0)).row() < m_proxy->mapFromSource(m_model->index(b, 0)).row();
    });
    return rows;
}

QStringList LogbookPage::selectedFiles() const
{
    QStringList files;
    for (const int row : selectedRows())
        files << m_logbook.absolutePath(m_model->flight(row).path);
    return files;
}

void LogbookPage::openSelected()
{
    const QStringList files = selectedFiles();
    if (!files.isEmpty())
        Q_EMIT openRequested(files);
}

void LogbookPage::showSelectedInFolder()
{
    const QStringList files = selectedFiles();
    if (!files.isEmpty())
        QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(files.first()).absolutePath()));
}

void LogbookPage::renameSelectedAsked()
{
    const std::vector<int> rows = selectedRows();
    if (rows.empty())
        return;
    bool ok = false;
    const QString name = QInputDialog::getText(this, QStringLiteral("Rename"), QStringLiteral("Data set name:"),
                                               QLineEdit::Normal, m_model->flight(rows.front()).name, &ok);
    if (ok)
        renameSelected(name);
}

void LogbookPage::renameSelected(const QString& name)
{
    QStringList failures;
    for (const int row : selectedRows()) {
        const QString path = m_model->flight(row).path;
        QString reason;
        if (!m_logbook.rename(path, name, &reason))
            failures << QStringLiteral("%1: %2").arg(path, reason);
    }
    reload();
    if (!failures.isEmpty())
        warn(QStringLiteral("Not renamed:\n") + failures.join(QLatin1Char('\n')));
}

void LogbookPage::deleteSelected()
{
    std::vector<std::pair<QString, QString>> batch;
    QStringList failures;
    for (const int row : selectedRows()) {
        const QString path = m_model->flight(row).path;
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
