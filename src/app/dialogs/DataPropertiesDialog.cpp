#include "app/dialogs/DataPropertiesDialog.h"

#include "app/dialogs/DialogSupport.h"
#include "app/plotview/ColourPanel.h"
#include "app/plotview/StyleComboDelegate.h"
#include "data/Corrections.h"
#include "data/PhotoList.h"
#include "data/Plot.h"
#include "data/TextRules.h"
#include "plot/DataEditor.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>
#include <memory>

namespace vimo {
namespace {

QLineEdit* makeEdit(const char* name, int maxChars, QWidget* parent)
{
    auto* edit = named<QLineEdit>(name, parent);
    edit->setMaxLength(maxChars);
    return edit;
}

// A style index as a row of its list: an unknown style (read from a file) selects none.
int rowOf(const StyleCombo* combo, int style)
{
    return style >= 0 && style < combo->count() ? style : -1;
}

void openWithDesktop(const QString& path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace

DataPropertiesDialog::DataPropertiesDialog(Plot& plot, DataEditor& editor, QWidget* parent)
    : QDialog(parent), m_plot(plot), m_editor(editor), m_openFile(openWithDesktop),
      m_photoDialog(new QFileDialog(this, QStringLiteral("Export Photo Info"))), m_setList(new QListView(this)),
      m_nameEdit(makeEdit("SignalDisplayNameEdit", text::kNameChars, this)),
      m_lineColour(new ColourPanel(QStringLiteral("Line_Clr"), QStringLiteral("LineColorDlg"), this)),
      m_lineStyleBox(new StyleCombo(QStringLiteral("LineStyleCombo"), StyleKind::Line, this)),
      m_pointColour(new ColourPanel(QStringLiteral("Pt_Clr"), QStringLiteral("PointColorDlg"), this)),
      m_pointStyleBox(new StyleCombo(QStringLiteral("PointStyleCombo"), StyleKind::Point, this)),
      m_triggerColour(new ColourPanel(QStringLiteral("Trig_Clr"), QStringLiteral("TrigColorDlg"), this)),
      m_triggerStyleBox(new StyleCombo(QStringLiteral("TrigStyleCombo"), StyleKind::Point, this)),
      m_timeOffsetEdit(makeEdit("XOffsetEdit", text::kLineChars, this)),
      m_altitudeOffsetEdit(makeEdit("YOffsetEdit", text::kLineChars, this)),
      m_timeScaleEdit(makeEdit("XScaleEdit", text::kLineChars, this)),
      m_altitudeScaleEdit(makeEdit("YScaleEdit", text::kLineChars, this)),
      m_note1Edit(makeEdit("Note1Edit", text::kLineChars, this)),
      m_note2Edit(makeEdit("Note2Edit", text::kLineChars, this)),
      m_note3Edit(makeEdit("Note3Edit", text::kLineChars, this)),
      m_applyButton(makeButton("ApplyBtn", QStringLiteral("Apply"), this)),
      m_deleteButton(makeButton("DelSetBtn", QStringLiteral("Delete Data Set"), this)),
      m_driftButton(makeButton("DriftBtn", QStringLiteral("Fix Drift"), this, "Adjust for pressure drift over time")),
      m_offsetButton(makeButton("OffsetBtn", QStringLiteral("Fix Offset"), this, "Adjust for offset")),
      m_photoButton(
          makeButton("PhotoBtn", QStringLiteral("Export Photo Info"), this, "Export list of triggers with altitudes")),
      m_okButton(makeButton("OKBtn", QStringLiteral("OK"), this))
{
    setObjectName(QStringLiteral("DataPropForm"));
    setWindowTitle(QStringLiteral("Data Properties"));

    m_setList->setObjectName(QStringLiteral("SetListBox"));
    m_setList->setModel(&m_plot.signals);
    m_setList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_setList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(m_setList->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (!m_filling && current.isValid())
                    showDataSetProperties(current.row());
            });

    m_photoDialog->setObjectName(QStringLiteral("PhotoDialog"));
    m_photoDialog->setAcceptMode(QFileDialog::AcceptSave);
    m_photoDialog->setNameFilter(QStringLiteral("Photo List (*.txt);;All Files (*)"));
    m_photoDialog->setDefaultSuffix(QStringLiteral("txt"));

    buildLayout();
    m_applyButton->setDefault(true); // Enter in a text box applies the edit; only OK closes the dialog
    connect(m_applyButton, &QPushButton::clicked, this, &DataPropertiesDialog::applyProperties);
    connect(m_deleteButton, &QPushButton::clicked, this, &DataPropertiesDialog::deleteSelectedSet);
    connect(m_driftButton, &QPushButton::clicked, this, &DataPropertiesDialog::correctDrift);
    connect(m_offsetButton, &QPushButton::clicked, this, &DataPropertiesDialog::correctOffset);
    connect(m_photoButton, &QPushButton::clicked, this, &DataPropertiesDialog::writePhotoList);
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);
}

DataPropertiesDialog::~DataPropertiesDialog() = default;

void DataPropertiesDialog::buildLayout()
{
    auto label = [this](const char* text, QWidget* buddy) {
        auto* l = new QLabel(QLatin1String(text), this);
        l->setBuddy(buddy);
        return l;
    };
    auto* grid = new QGridLayout;
    grid->addWidget(label("Data Set Name", m_nameEdit), 0, 0);
    grid->addWidget(m_nameEdit, 0, 1, 1, 3);
    grid->addWidget(label("Line Color", m_lineColour), 1, 0);
    grid->addWidget(m_lineColour, 1, 1);
    grid->addWidget(label("Line Style", m_lineStyleBox), 1, 2);
    grid->addWidget(m_lineStyleBox, 1, 3);
    grid->addWidget(label("Point Color", m_pointColour), 2, 0);
    grid->addWidget(m_pointColour, 2, 1);
    grid->addWidget(label("Point Style", m_pointStyleBox), 2, 2);
    grid->addWidget(m_pointStyleBox, 2, 3);
    grid->addWidget(label("Trig Color", m_triggerColour), 3, 0);
    grid->addWidget(m_triggerColour, 3, 1);
    grid->addWidget(label("Point Style", m_triggerStyleBox), 3, 2);
    grid->addWidget(m_triggerStyleBox, 3, 3);
    grid->addWidget(label("Time Offset", m_timeOffsetEdit), 4, 0);
    grid->addWidget(m_timeOffsetEdit, 4, 1);
    grid->addWidget(label("Altitude Offset", m_altitudeOffsetEdit), 4, 2);
    grid->addWidget(m_altitudeOffsetEdit, 4, 3);
    // The scales are kept out of sight; Apply still reads them back.
    QLabel* timeScale = label("Time Scale", m_timeScaleEdit);
    QLabel* altitudeScale = label("Altitude Scale", m_altitudeScaleEdit);
    grid->addWidget(timeScale, 5, 0);
    grid->addWidget(m_timeScaleEdit, 5, 1);
    grid->addWidget(altitudeScale, 5, 2);
    grid->addWidget(m_altitudeScaleEdit, 5, 3);
    for (QWidget* w : {static_cast<QWidget*>(timeScale), static_cast<QWidget*>(m_timeScaleEdit),
                       static_cast<QWidget*>(altitudeScale), static_cast<QWidget*>(m_altitudeScaleEdit)})
        w->setVisible(false);

    auto* sets = new QVBoxLayout;
    sets->addWidget(label("Data Sets", m_setList));
    sets->addWidget(m_setList);
    auto* top = new QHBoxLayout;
    top->addLayout(sets);
    top->addLayout(grid, 1);

    auto* notes = new QGridLayout;
    const char* noteLabels[] = {"Note 1", "Note 2", "Note 3"};
    QLineEdit* noteEdits[] = {m_note1Edit, m_note2Edit, m_note3Edit};
    for (int i = 0; i < 3; ++i) {
        notes->addWidget(label(noteLabels[i], noteEdits[i]), i, 0);
        notes->addWidget(noteEdits[i], i, 1);
        noteEdits[i]->setMinimumWidth(420);
    }

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {m_applyButton, m_deleteButton, m_driftButton, m_offsetButton, m_photoButton})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(m_okButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(notes);
    layout->addLayout(buttons);
}

int DataPropertiesDialog::run(int activeSet)
{
    showDataSetProperties(m_plot.signals.isValidIndex(activeSet) ? activeSet : 0);
    return exec();
}

int DataPropertiesDialog::selectedRow() const
{
    const QModelIndex current = m_setList->currentIndex();
    return current.isValid() && m_setList->selectionModel()->isSelected(current) ? current.row() : -1;
}

void DataPropertiesDialog::showDataSetProperties(int k)
{
    const bool valid = m_plot.signals.isValidIndex(k);
    m_filling = true;
    if (valid)
        m_setList->setCurrentIndex(m_plot.signals.index(k));
    else
        m_setList->selectionModel()->clear();
    m_filling = false;
    const DataSetProperties p = valid ? dataSetProperties(m_plot.signals, k) : DataSetProperties{};
    m_nameEdit->setText(p.name);
    m_lineColour->setColour(p.lineColor);
    m_pointColour->setColour(p.pointColor);
    m_triggerColour->setColour(p.triggerColor);
    m_lineStyleBox->setCurrentIndex(valid ? rowOf(m_lineStyleBox, p.lineStyle) : -1);
    m_pointStyleBox->setCurrentIndex(valid ? rowOf(m_pointStyleBox, p.pointStyle) : -1);
    m_triggerStyleBox->setCurrentIndex(valid ? rowOf(m_triggerStyleBox, p.triggerStyle) : -1);
    m_timeOffsetEdit->setText(p.timeOffset);
    m_altitudeOffsetEdit->setText(p.altitudeOffset);
    m_timeScaleEdit->setText(p.timeScale);
    m_altitudeScaleEdit->setText(p.altitudeScale);
    m_note1Edit->setText(p.notes[0]);
    m_note2Edit->setText(p.notes[1]);
    m_note3Edit->setText(p.notes[2]);
    m_photoButton->setVisible(p.hasTriggerData);
}

DataSetProperties DataPropertiesDialog::editedProperties(int k) const
{
    DataSetProperties p = dataSetProperties(m_plot.signals, k);
    p.name = m_nameEdit->text();
    p.lineColor = m_lineColour->colour();
    p.pointColor = m_pointColour->colour();
    p.triggerColor = m_triggerColour->colour();
    // A list showing no row (an unknown style read from a file) leaves that style as it is.
    if (m_lineStyleBox->currentIndex() >= 0)
        p.lineStyle = m_lineStyleBox->currentIndex();
    if (m_pointStyleBox->currentIndex() >= 0)
        p.pointStyle = m_pointStyleBox->currentIndex();
    if (m_triggerStyleBox->currentIndex() >= 0)
        p.triggerStyle = m_triggerStyleBox->currentIndex();
    p.timeOffset = m_timeOffsetEdit->text();
    p.altitudeOffset = m_altitudeOffsetEdit->text();
    p.timeScale = m_timeScaleEdit->text();
    p.altitudeScale = m_altitudeScaleEdit->text();
    p.notes = {m_note1Edit->text(), m_note2Edit->text(), m_note3Edit->text()};
    return p;
}

void DataPropertiesDialog::applyProperties()
{
    const int k = selectedRow();
    if (k < 0)
        return;
    const DataSetProperties p = editedProperties(k);
    m_editor.changeDataSet(k, QStringLiteral("Apply"),
                           [p](Plot& plot, int set) { return applyDataSetProperties(plot.signals, set, p); });
    // The samples now carry the shift: the offset boxes start again from none, so that a second Apply (or one
    // made only to rename) does not shift once more.
    const DataSetProperties shown = dataSetProperties(m_plot.signals, k);
    m_timeOffsetEdit->setText(shown.timeOffset);
    m_altitudeOffsetEdit->setText(shown.altitudeOffset);
}

void DataPropertiesDialog::deleteSelectedSet()
{
    const int k = selectedRow();
    if (k < 0)
        return;
    m_editor.deleteDataSet(k);
    showDataSetProperties(0);
}

void DataPropertiesDialog::correctDrift()
{
    const int k = selectedRow();
    if (k < 0)
        return;
    auto result = std::make_shared<DriftResult>(DriftResult::NoDataSet);
    m_editor.changeDataSet(k, QStringLiteral("Fix Drift"), [result](Plot& plot, int set) {
        *result = fixDrift(plot, set);
        return *result == DriftResult::Fixed;
    });
    if (*result != DriftResult::Fixed)
        showError(this, driftMessage(*result));
}

void DataPropertiesDialog::correctOffset()
{
    const int k = selectedRow();
    if (k < 0)
        return;
    m_editor.changeDataSet(k, QStringLiteral("Fix Offset"), [](Plot& plot, int set) { return fixOffset(plot, set); });
    // The fix rewrote "max=" in Note 3: show it, so that a later Apply keeps it.
    m_note3Edit->setText(m_plot.signals.at(k).notes[2]);
}

void DataPropertiesDialog::writePhotoList()
{
    const int k = selectedRow();
    if (k < 0 || m_photoDialog->exec() != QDialog::Accepted || m_photoDialog->selectedFiles().isEmpty())
        return;
    const QString path = m_photoDialog->selectedFiles().constFirst();
    QString reason;
    if (savePhotoList(path, m_plot, k, &reason) != SaveStatus::Saved) {
        showError(this, unableToOpenMessage(path, reason));
        return;
    }
    m_openFile(path);
}

} // namespace vimo
