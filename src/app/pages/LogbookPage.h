#pragma once

#include <QStringList>
#include <QWidget>
#include <functional>
#include <utility>
#include <vector>

class QAction;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QTableView;

namespace vimo {

class Logbook;
class LogbookFilter;
class LogbookModel;
class SeasonChartView;

// The Logbook page: every archived flight in a table, one row per flight (a recording without a flight has one
// "no flight" row), with sorting, a filter box, a model filter, a date range and a multiple selection; the totals
// and a season chart of the flights shown; and the actions Open, Show in folder, Rename, Set Model, Delete (into
// the archive's "deleted" folder, with undo), Import folder and Export. The actions work on the recordings of the
// selected rows. The table is read from the index, never from the files.
class LogbookPage : public QWidget {
    Q_OBJECT
public:
    explicit LogbookPage(Logbook& logbook, QWidget* parent = nullptr);
    ~LogbookPage() override;

    QLineEdit* filterBox() const { return m_filter; }
    QComboBox* modelFilter() const { return m_modelFilter; }
    QDateEdit* fromDate() const { return m_from; }
    QDateEdit* toDate() const { return m_to; }
    QTableView* table() const { return m_table; }
    QLabel* totalsLabel() const { return m_totals; }
    QComboBox* chartValueBox() const { return m_chartValue; }
    SeasonChartView* chart() const { return m_chart; }
    QAction* openAction() const { return m_open; }
    QAction* undoDeleteAction() const { return m_undo; }

    // The files (absolute) of the recordings of the selected rows, each once, in the table's order.
    QStringList selectedFiles() const;

public Q_SLOTS:
    // Reads the table from the index again (after a download or an import).
    void reload();
    // Emits openRequested() with the selected files, to be shown at the flight of the current row.
    void openSelected();
    void showSelectedInFolder();
    // Asks for a name and renames the selected recordings; renameSelected() does it without asking.
    void renameSelectedAsked();
    void renameSelected(const QString& name);
    // Asks for a model (one used before, or a new one) and sets it for the selected recordings; setModelSelected()
    // does it without asking.
    void setModelSelectedAsked();
    void setModelSelected(const QString& model);
    // Moves the selected recordings into the "deleted" folder; undoDelete() brings the last batch back.
    void deleteSelected();
    void undoDelete();
    // Asks for a folder and imports it; importFolder() does it without asking.
    void importFolderAsked();
    void importFolder(const QString& folder);
    // Asks for a file and writes the table as shown (filtered and sorted) to it as CSV; exportTable() does it
    // without asking, safely (a failure leaves the old file and says why).
    void exportTableAsked();
    bool exportTable(const QString& path, QString* reason = nullptr);
    // Selects the row (of the table model behind the filter) and shows it.
    void selectSourceRow(int row);

Q_SIGNALS:
    // The files to add to the plot, as Load does; when `focusFile` is one of them, the plot shows its time from..to
    // (the flight of the current row).
    void openRequested(const QStringList& files, const QString& focusFile, double from, double to);

private:
    void createActions();
    QWidget* createFilterBar();
    QWidget* createChartPanel();
    std::vector<std::size_t> selectedRecordings() const;
    // Makes `change` to the file (relative path) of each selected recording, reads the table again and names the
    // files it failed for under `heading`.
    void changeSelected(const QString& heading, const std::function<bool(const QString&, QString*)>& change);
    void applyFilter();
    void fillModelFilter();
    void fitDateRange();
    void updateSummary();
    void updateChartSelection();
    void warn(const QString& text);

    Logbook& m_logbook;
    LogbookModel* m_model;
    LogbookFilter* m_proxy;
    QLineEdit* m_filter;
    QComboBox* m_modelFilter;
    QDateEdit* m_from;
    QDateEdit* m_to;
    QTableView* m_table;
    QLabel* m_problem; // why the archive or its index cannot be used, when they cannot
    QLabel* m_totals;
    QComboBox* m_chartValue;
    SeasonChartView* m_chart;
    QAction* m_open = nullptr;
    QAction* m_showInFolder = nullptr;
    QAction* m_rename = nullptr;
    QAction* m_setModel = nullptr;
    QAction* m_delete = nullptr;
    QAction* m_undo = nullptr;
    QAction* m_import = nullptr;
    QAction* m_export = nullptr;
    // Each delete: (where the file went, where it was), so undo puts it back.
    std::vector<std::vector<std::pair<QString, QString>>> m_deleted;
};

} // namespace vimo
