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
    : QWidget(parent), m_model(model), m_table(new QTableView(this)),
      m_copyButton(new QPushButton(QStringLiteral("Copy"), this)),
      m_exportButton(new QPushButton(QStringLiteral("Export CSV..."), this)), m_windowBox(new QDoubleSpinBox(this))
{
    setObjectName(QStringLiteral("FlightsPanel"));
    m_table->setObjectName(QStringLiteral("FlightsTable"));
    m_copyButton->setObjectName(QStringLiteral("FlightsCopyBtn"));
    m_exportButton->setObjectName(QStringLiteral("FlightsExportBtn"));
    m_copyButton->setToolTip(QStringLiteral("Copy the Flights table to the clipboard"));
    m_exportButton->setToolTip(QStringLiteral("Save the Flights table as a CSV file"));

    // Tenths of a second are as fine as a recording's samples; the arrows step whole seconds. A typed value is
    // taken when it is complete (Enter or leaving the box), not at every key.
    m_windowBox->setObjectName(QStringLiteral("FlightsWindowSpin"));
    m_windowBox->setRange(0.0, FlightsTableModel::kMaxWindow);
    m_windowBox->setDecimals(1);
    m_windowBox->setSingleStep(1.0);
    m_windowBox->setSuffix(QStringLiteral(" s"));
    m_windowBox->setKeyboardTracking(false);
    m_windowBox->setValue(m_model.window());
    m_windowBox->setToolTip(
        QStringLiteral("The start height is the highest point from the launch to this long after the launch end "
                       "(10 s under F5J rules)"));
    auto* windowLabel = new QLabel(QStringLiteral("Start-height window:"), this);
    windowLabel->setObjectName(QStringLiteral("FlightsWindowLbl"));
    windowLabel->setBuddy(m_windowBox);
    windowLabel->setToolTip(m_windowBox->toolTip());

    m_table->setModel(&m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(windowLabel);
    buttons->addWidget(m_windowBox);
    buttons->addStretch();
    buttons->addWidget(m_copyButton);
    buttons->addWidget(m_exportButton);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table);
    layout->addLayout(buttons);

    connect(m_copyButton, &QPushButton::clicked, this, &FlightsPanel::copyTable);
    connect(m_exportButton, &QPushButton::clicked, this, &FlightsPanel::exportTableAsked);
    connect(m_windowBox, &QDoubleSpinBox::valueChanged, &m_model, &FlightsTableModel::setWindow);
    // A click, the keyboard or a double click: whichever way the current row changes, the plot follows.
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { chooseRow(current.row()); });
    connect(m_table, &QTableView::activated, this, [this](const QModelIndex& index) { chooseRow(index.row()); });
}

double FlightsPanel::window() const
{
    return m_windowBox->value();
}

void FlightsPanel::setWindow(double seconds)
{
    if (std::isfinite(seconds))
        m_windowBox->setValue(seconds);
}

void FlightsPanel::copyTable()
{
    QApplication::clipboard()->setText(m_model.tableText(QLatin1Char('\t'), QStringLiteral("\n")));
}

bool FlightsPanel::exportTable(const QString& path, QString* reason)
{
    return saveBytes(path, m_model.csvBytes(), reason) == SaveStatus::Saved;
}

void FlightsPanel::exportTableAsked()
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

void FlightsPanel::chooseRow(int row)
{
    double from = 0;
    double to = 0;
    if (!m_model.flightRange(row, from, to))
        return;
    Q_EMIT flightChosen(m_model.rowFlight(row).dataSet, from, to);
}

} // namespace vimo
