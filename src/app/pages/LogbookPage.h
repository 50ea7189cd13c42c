#pragma once

#include <QStringList>
#include <QWidget>
#include <utility>
#include <vector>

class QAction;
class QDateEdit;
class QLabel;
class QLineEdit;
class QTableView;

namespace vimo {

class Logbook;
class LogbookFilter;
class LogbookModel;

// The Logbook page: every archived flight in a table (date, module, set, name, samples, duration, start height,
// highest altitude, notes) with sorting, a filter box, a date range and a multiple selection, and the actions
// Open, Show in folder, Rename, Delete (into the archive's "deleted" folder, with undo) and Import folder. The
// table is read from the index, never from the files.
class LogbookPage : public QWidget {
    Q_OBJECT
public:
    explicit LogbookPage(Logbook& logbook, QWidget* parent = nullptr);
    ~LogbookPage() override;

    QLineEdit* filterBox() const { return m_filter; }
    QDateEdit* fromDate() const { return m_from; }
    QDateEdit* toDate() const { return m_to; }
    QTableView* table() const { return m_table; }
    QAction* openAction() const { return m_open; }
    QAction* undoDeleteAction() const { return m_undo; }

    // The selected flights' files (absolute), in the table's order.
    QStringList selectedFiles() const;

public Q_SLOTS:
    // Reads the table from the index again (after a download or an import).
    void reload();
    // Emits openRequested() with the selected files.
    void openSelected();
    void showSelectedInFolder();
    // Asks for a name and renames the selected flights; renameSelected() does it without asking.
    void renameSelectedAsked();
    void renameSelected(const QString& name);
    // Moves the selected flights into the "deleted" folder; undoDelete() brings the last batch back.
    void deleteSelected();
    void undoDelete();
    // Asks for a folder and imports it; importFolder() does it without asking.
    void importFolderAsked();
    void importFolder(const QString& folder);

Q_SIGNALS:
    // The files to add to the plot, as Load does.
    void openRequested(const QStringList& files);

private:
    std::vector<int> selectedRows() const;
    void applyFilter();
    void fitDateRange();
    void warn(const QString& text);

    Logbook& m_logbook;
    LogbookModel* m_model;
    LogbookFilter* m_proxy;
    QLineEdit* m_filter;
    QDateEdit* m_from;
    QDateEdit* m_to;
    QTableView* m_table;
    QLabel* m_problem; // why the archive or its index cannot be used, when they cannot
    QAction* m_open;
    QAction* m_showInFolder;
    QAction* m_rename;
    QAction* m_delete;
    QAction* m_undo;
    QAction* m_import;
    // Each delete: (where the file went, where it was), so undo puts it back.
    std::vector<std::vector<std::pair<QString, QString>>> m_deleted;
};

} // namespace vimo
