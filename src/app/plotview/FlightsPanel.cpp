#include "app/plotview/FlightsPanel.h"

#include "app/plotview/FlightsTableModel.h"
#include "data/SafeSave.h"

#include <QApplication>
#include <QClipboard>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <cmath>

namespace vimo {

FlightsPanel::FlightsPanel(FlightsTableModel& model, QWidget* parent)
    : QWidget(parent),
      m_model(model),
      FlightsTable(new QTableView(this)),
      FlightsCopyBtn(new QPushButton(QStringLiteral("Copy"), this)),
      FlightsExportBtn(new QPushButton(QStringLiteral("Export CSV..."), this)),
      FlightsWindowSpin(new QDoubleSpinBox(this))
{
    setObjectName(QStringLiteral("FlightsPanel"));
    FlightsTable->setObjectName(QStringLiteral("FlightsTable"));
    FlightsCopyBtn->setObjectName(QStringLiteral("FlightsCopyBtn"));
    FlightsExportBtn->setObjectName(QStringLiteral("FlightsExportBtn"));
    FlightsCopyBtn->setToolTip(QStringLiteral("Copy the Flights table to the clipboard"));
    FlightsExportBtn->setToolTip(QStringLiteral("Save the Flights table as a CSV file"));

    // Tenths of a second are as fine as a recording's samples; the arrows step whole seconds. A typed value is
    // taken when it is complete (Enter or leaving the box), not at every key.
    FlightsWindowSpin->setObjectName(QStringLiteral("FlightsWindowSpin"));
    FlightsWindowSpin->setRange(0.0, FlightsTableModel::kMaxWindow);
    FlightsWindowSpin->setDecimals(1);
    FlightsWindowSpin->setSingleStep(1.0);
    FlightsWindowSpin->setSuffix(QStringLiteral(" s"));
    FlightsWindowSpin->setKeyboardTracking(false);
    FlightsWindowSpin->setValue(m_model.window());
    FlightsWindowSpin->setToolTip(
        QStringLiteral("The start height is the highest point from the launch to this long after the launch end "
                       "(10 s under F5J rules)"));
    auto* windowLabel = new QLabel(QStringLiteral("Start-height window:"), this);
    windowLabel->setObjectName(QStringLiteral("FlightsWindowLbl"));
    windowLabel->setBuddy(FlightsWindowSpin);
    windowLabel->setToolTip(FlightsWindowSpin->toolTip());

    FlightsTable->setModel(&m_model);
    FlightsTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    FlightsTable->setSelectionMode(QAbstractItemView::SingleSelection);
    FlightsTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FlightsTable->verticalHeader()->hide();
    FlightsTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(windowLabel);
    buttons->addWidget(FlightsWindowSpin);
    buttons->addStretch();
    buttons->addWidget(FlightsCopyBtn);
    buttons->addWidget(FlightsExportBtn);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(FlightsTable);
    layout->addLayout(buttons);

    connect(FlightsCopyBtn, &QPushButton::clicked, this, &FlightsPanel::FlightsCopyBtnClick);
    connect(FlightsExportBtn, &QPushButton::clicked, this, &FlightsPanel::FlightsExportBtnClick);
    connect(FlightsWindowSpin, &QDoubleSpinBox::valueChanged, &m_model, &FlightsTableModel::setWindow);
    // A click, the keyboard or a double click: whichever way the current row changes, the plot follows.
    connect(FlightsTable->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { FlightsTableActivated(current.row()); });
    connect(FlightsTable, &QTableView::activated, this,
            [this](const QModelIndex& index) { FlightsTableActivated(index.row()); });
}

double FlightsPanel::window() const
{
    return FlightsWindowSpin->value();
}

void FlightsPanel::setWindow(double seconds)
{
    if (std::isfinite(seconds))
        FlightsWindowSpin->setValue(seconds);
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
