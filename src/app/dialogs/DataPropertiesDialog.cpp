#include "app/dialogs/DataPropertiesDialog.h"

#include "app/plotview/ColourPanel.h"
#include "plot/DataEditor.h"
#include "app/dialogs/DialogSupport.h"
#include "app/plotview/StyleComboDelegate.h"
#include "data/Corrections.h"
#include "data/PhotoList.h"
#include "data/Plot.h"
#include "data/TextRules.h"

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
      m_photoDialog(new QFileDialog(this, QStringLiteral("Export Photo Info"))), SetListBox(new QListView(this)),
      SignalDisplayNameEdit(makeEdit("SignalDisplayNameEdit", text::kNameChars, this)),
      Line_Clr(new ColourPanel(QStringLiteral("Line_Clr"), QStringLiteral("LineColorDlg"), this)),
      LineStyleCombo(new StyleCombo(QStringLiteral("LineStyleCombo"), StyleKind::Line, this)),
      Pt_Clr(new ColourPanel(QStringLiteral("Pt_Clr"), QStringLiteral("PointColorDlg"), this)),
      PointStyleCombo(new StyleCombo(QStringLiteral("PointStyleCombo"), StyleKind::Point, this)),
      Trig_Clr(new ColourPanel(QStringLiteral("Trig_Clr"), QStringLiteral("TrigColorDlg"), this)),
      TrigStyleCombo(new StyleCombo(QStringLiteral("TrigStyleCombo"), StyleKind::Point, this)),
      XOffsetEdit(makeEdit("XOffsetEdit", text::kLineChars, this)),
      YOffsetEdit(makeEdit("YOffsetEdit", text::kLineChars, this)),
      XScaleEdit(makeEdit("XScaleEdit", text::kLineChars, this)),
      YScaleEdit(makeEdit("YScaleEdit", text::kLineChars, this)),
      Note1Edit(makeEdit("Note1Edit", text::kLineChars, this)),
      Note2Edit(makeEdit("Note2Edit", text::kLineChars, this)),
      Note3Edit(makeEdit("Note3Edit", text::kLineChars, this)),
      ApplyBtn(makeButton("ApplyBtn", QStringLiteral("Apply"), this)),
      DelSetBtn(makeButton("DelSetBtn", QStringLiteral("Delete Data Set"), this)),
      DriftBtn(makeButton("DriftBtn", QStringLiteral("Fix Drift"), this, "Adjust for pressure drift over time")),
      OffsetBtn(makeButton("OffsetBtn", QStringLiteral("Fix Offset"), this, "Adjust for offset")),
      PhotoBtn(makeButton("PhotoBtn", QStringLiteral("Export Photo Info"), this,
                          "Export list of triggers with altitudes")),
      OKBtn(makeButton("OKBtn", QStringLiteral("OK"), this))
{
    setObjectName(QStringLiteral("DataPropForm"));
    setWindowTitle(QStringLiteral("Data Properties"));

    SetListBox->setObjectName(QStringLiteral("SetListBox"));
    SetListBox->setModel(&m_plot.signals);
    SetListBox->setSelectionMode(QAbstractItemView::SingleSelection);
    SetListBox->setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(SetListBox->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (!m_filling && current.isValid())
                    showDataSetProperties(current.row());
            });

    m_photoDialog->setObjectName(QStringLiteral("PhotoDialog"));
    m_photoDialog->setAcceptMode(QFileDialog::AcceptSave);
    m_photoDialog->setNameFilter(QStringLiteral("Photo List (*.txt);;All Files (*)"));
    m_photoDialog->setDefaultSuffix(QStringLiteral("txt"));

    buildLayout();
    ApplyBtn->setDefault(true); // Enter in a text box applies the edit; only OK closes the dialog
    connect(ApplyBtn, &QPushButton::clicked, this, &DataPropertiesDialog::applyProperties);
    connect(DelSetBtn, &QPushButton::clicked, this, &DataPropertiesDialog::deleteSelectedSet);
    connect(DriftBtn, &QPushButton::clicked, this, &DataPropertiesDialog::correctDrift);
    connect(OffsetBtn, &QPushButton::clicked, this, &DataPropertiesDialog::correctOffset);
    connect(PhotoBtn, &QPushButton::clicked, this, &DataPropertiesDialog::writePhotoList);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
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
    grid->addWidget(label("Data Set Name", SignalDisplayNameEdit), 0, 0);
    grid->addWidget(SignalDisplayNameEdit, 0, 1, 1, 3);
    grid->addWidget(label("Line Color", Line_Clr), 1, 0);
    grid->addWidget(Line_Clr, 1, 1);
    grid->addWidget(label("Line Style", LineStyleCombo), 1, 2);
    grid->addWidget(LineStyleCombo, 1, 3);
    grid->addWidget(label("Point Color", Pt_Clr), 2, 0);
    grid->addWidget(Pt_Clr, 2, 1);
    grid->addWidget(label("Point Style", PointStyleCombo), 2, 2);
    grid->addWidget(PointStyleCombo, 2, 3);
    grid->addWidget(label("Trig Color", Trig_Clr), 3, 0);
    grid->addWidget(Trig_Clr, 3, 1);
    grid->addWidget(label("Point Style", TrigStyleCombo), 3, 2);
    grid->addWidget(TrigStyleCombo, 3, 3);
    grid->addWidget(label("Time Offset", XOffsetEdit), 4, 0);
    grid->addWidget(XOffsetEdit, 4, 1);
    grid->addWidget(label("Altitude Offset", YOffsetEdit), 4, 2);
    grid->addWidget(YOffsetEdit, 4, 3);
    // The scales are kept out of sight; Apply still reads them back.
    QLabel* timeScale = label("Time Scale", XScaleEdit);
    QLabel* altitudeScale = label("Altitude Scale", YScaleEdit);
    grid->addWidget(timeScale, 5, 0);
    grid->addWidget(XScaleEdit, 5, 1);
    grid->addWidget(altitudeScale, 5, 2);
    grid->addWidget(YScaleEdit, 5, 3);
    for (QWidget* w : {static_cast<QWidget*>(timeScale), static_cast<QWidget*>(XScaleEdit),
                       static_cast<QWidget*>(altitudeScale), static_cast<QWidget*>(YScaleEdit)})
        w->setVisible(false);

    auto* sets = new QVBoxLayout;
    sets->addWidget(label("Data Sets", SetListBox));
    sets->addWidget(SetListBox);
    auto* top = new QHBoxLayout;
    top->addLayout(sets);
    top->addLayout(grid, 1);

    auto* notes = new QGridLayout;
    const char* noteLabels[] = {"Note 1", "Note 2", "Note 3"};
    QLineEdit* noteEdits[] = {Note1Edit, Note2Edit, Note3Edit};
    for (int i = 0; i < 3; ++i) {
        notes->addWidget(label(noteLabels[i], noteEdits[i]), i, 0);
        notes->addWidget(noteEdits[i], i, 1);
        noteEdits[i]->setMinimumWidth(420);
    }

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {ApplyBtn, DelSetBtn, DriftBtn, OffsetBtn, PhotoBtn})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(OKBtn);

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
    const QModelIndex current = SetListBox->currentIndex();
    return current.isValid() && SetListBox->selectionModel()->isSelected(current) ? current.row() : -1;
}

void DataPropertiesDialog::showDataSetProperties(int k)
{
    const bool valid = m_plot.signals.isValidIndex(k);
    m_filling = true;
    if (valid)
        SetListBox->setCurrentIndex(m_plot.signals.index(k));
    else
        SetListBox->selectionModel()->clear();
    m_filling = false;
    const DataSetProperties p = valid ? dataSetProperties(m_plot.signals, k) : DataSetProperties{};
    SignalDisplayNameEdit->setText(p.name);
    Line_Clr->setColour(p.lineColor);
    Pt_Clr->setColour(p.pointColor);
    Trig_Clr->setColour(p.triggerColor);
    LineStyleCombo->setCurrentIndex(valid ? rowOf(LineStyleCombo, p.lineStyle) : -1);
    PointStyleCombo->setCurrentIndex(valid ? rowOf(PointStyleCombo, p.pointStyle) : -1);
    TrigStyleCombo->setCurrentIndex(valid ? rowOf(TrigStyleCombo, p.triggerStyle) : -1);
    XOffsetEdit->setText(p.timeOffset);
    YOffsetEdit->setText(p.altitudeOffset);
    XScaleEdit->setText(p.timeScale);
    YScaleEdit->setText(p.altitudeScale);
    Note1Edit->setText(p.notes[0]);
    Note2Edit->setText(p.notes[1]);
    Note3Edit->setText(p.notes[2]);
    PhotoBtn->setVisible(p.hasTriggerData);
}

DataSetProperties DataPropertiesDialog::editedProperties(int k) const
{
    DataSetProperties p = dataSetProperties(m_plot.signals, k);
    p.name = SignalDisplayNameEdit->text();
    p.lineColor = Line_Clr->colour();
    p.pointColor = Pt_Clr->colour();
    p.triggerColor = Trig_Clr->colour();
    // A list showing no row (an unknown style read from a file) leaves that style as it is.
    if (LineStyleCombo->currentIndex() >= 0)
        p.lineStyle = LineStyleCombo->currentIndex();
    if (PointStyleCombo->currentIndex() >= 0)
        p.pointStyle = PointStyleCombo->currentIndex();
    if (TrigStyleCombo->currentIndex() >= 0)
        p.triggerStyle = TrigStyleCombo->currentIndex();
    p.timeOffset = XOffsetEdit->text();
    p.altitudeOffset = YOffsetEdit->text();
    p.timeScale = XScaleEdit->text();
    p.altitudeScale = YScaleEdit->text();
    p.notes = {Note1Edit->text(), Note2Edit->text(), Note3Edit->text()};
    return p;
}

void DataPropertiesDialog::applyProperties()
{
    const int k = selectedRow();
    if (k < 0)
        return;
    const DataSetProperties p = editedProperties(k);
    m_editor.changeDataSet(k, QStringLiteral("Apply"), [p](Plot& plot, int set) {
        return applyDataSetProperties(plot.signals, set, p);
    });
    // The samples now carry the shift: the offset boxes start again from none, so that a second Apply (or one
    // made only to rename) does not shift once more.
    const DataSetProperties shown = dataSetProperties(m_plot.signals, k);
    XOffsetEdit->setText(shown.timeOffset);
    YOffsetEdit->setText(shown.altitudeOffset);
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
    Note3Edit->setText(m_plot.signals.at(k).notes[2]);
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
