#include "app/plotview/FlightsPanel.h"

#include "app/plotview/FlightsTableModel.h"
#include "data/SafeSave.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace vimo {

FlightsPanel::FlightsPanel(FlightsTableModel& model, QWidget* parent)
    : QWidget(parent),
      m_model(model),
      FlightsTable(new QTableView(this)),
      FlightsCopyBtn(new QPushButton(QStringLiteral("Copy"), this)),
      FlightsExportBtn(new QPushButton(QStringLiteral("Export CSV..."), this))
{
    setObjectName(QStringLiteral("FlightsPanel"));
    FlightsTable->setObjectName(QStringLiteral("FlightsTable"));
    FlightsCopyBtn->setObjectName(QStringLiteral("FlightsCopyBtn"));
    FlightsExportBtn->setObjectName(QStringLiteral("FlightsExportBtn"));
    FlightsCopyBtn->setToolTip(QStringLiteral("Copy the Flights table to the clipboard"));
    FlightsExportBtn->setToolTip(QStringLiteral("Save the Flights table as a CSV file"));

    FlightsTable->setModel(&m_model);
    FlightsTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    FlightsTable->setSelectionMode(QAbstractItemView::SingleSelection);
    FlightsTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FlightsTable->verticalHeader()->hide();
    FlightsTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(FlightsCopyBtn);
    buttons->addWidget(FlightsExportBtn);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(FlightsTable);
    layout->addLayout(buttons);

    connect(FlightsCopyBtn, &QPushButton::clicked, this, &FlightsPanel::FlightsCopyBtnClick);
    connect(FlightsExportBtn, &QPushButton::clicked, this, &FlightsPanel::FlightsExportBtnClick);
    // A click, the keyboard or a double click: whichever way the current row changes, the plot follows.
    connect(FlightsTable->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { FlightsTableActivated(current.row()); });
    connect(FlightsTable, &QTableView::activated, this,
            [this](const QModelIndex& index) { FlightsTableActivated(index.row()); });
}

void FlightsPanel::copyTable()
{
    QApplication::clipboard()->setText(m_model.tableText(QLatin1Char('\t'), QStringLiteral("\n")));
}

bool FlightsPanel::exportTable(const QString& path, QString* reason)
{
    return saveBytes(path, m_model.csvBytes(), reason) == SaveStatus::Saved;
}

void FlightsPanel::FlightsCopyBtnClick()
{
    copyTable();
}

void FlightsPanel::FlightsExportBtnClick()
{
    QFileDialog dialog(this, QStringLiteral("Export Flights"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({QStringLiteral("CSV Files (*.csv)"), QStringLiteral("All Files (*)")});
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    dialog.selectFile(QStringLiteral("Flights.csv"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().first();
    if (!exportTable(path))
        QMessageBox::warning(this, QStringLiteral("Error"), unableToOpenMessage(path));
}

void FlightsPanel::FlightsTableActivated(int row)
{
    double from = 0;
    double to = 0;
    if (!m_model.flightRange(row, from, to))
        return;
    Q_EMIT flightChosen(m_model.rowFlight(row).dataSet, from, to);
}

} // namespace vimo
