#include "app/dialogs/PlotInfoDialog.h"

#include "app/dialogs/DialogSupport.h"
#include "app/plotview/ColourPanel.h"
#include "data/Plot.h"
#include "data/TextRules.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vimo {
namespace {

struct TextRow {
    const char* name;
    const char* label;
};
constexpr TextRow kTextRows[] = {{"TitleText", "Title"}, {"XAxisText", "X Axis"}, {"YAxisText", "Y Axis"},
                                 {"Info1Text", "Info1"}, {"Info2Text", "Info2"},  {"Info3Text", "Info3"}};

struct ColourRow {
    const char* panel;
    const char* dialog;
    const char* label;
};
constexpr ColourRow kColourRows[] = {{"BGColorPanel", "BGColorDlg", "Background"},
                                     {"GridColorPanel", "GridColorDlg", "Grid"},
                                     {"ScaleColorPanel", "ScaleColorDlg", "Scale"},
                                     {"LabelColorPanel", "LabelColorDlg", "Labels"},
                                     {"InfoColorPanel", "InfoColorDlg", "Info"}};

std::array<QString*, 6> plotTexts(Plot& plot)
{
    return {&plot.title, &plot.xLabel, &plot.yLabel, &plot.info1, &plot.info2, &plot.info3};
}

} // namespace

PlotInfoDialog::PlotInfoDialog(Plot& plot, QWidget* parent)
    : QDialog(parent), m_plot(plot),
      m_showInfoBox(named<QCheckBox>("ShowInfoChk", QStringLiteral("Show Text Info"), this)),
      m_showBackgroundBox(named<QCheckBox>("ShowBackgroundChk", QStringLiteral("Show Background Logo"), this)),
      m_showClimbBox(named<QCheckBox>("ShowROCChk", QStringLiteral("Show Avg Rate of Climb"), this)),
      m_dataLengthButton(makeButton("DataLenBtn", QStringLiteral("Edit Data Length"), this)),
      m_okButton(makeButton("OKBtn", QStringLiteral("OK"), this)),
      m_cancelButton(makeButton("CancelBtn", QStringLiteral("Cancel"), this))
{
    setObjectName(QStringLiteral("EditInfoForm"));
    setWindowTitle(QStringLiteral("Edit Plot Info"));

    auto* labels = new QGroupBox(QStringLiteral("Plot Labels"), this);
    auto* labelRows = new QFormLayout(labels);
    for (std::size_t i = 0; i < m_texts.size(); ++i) {
        m_texts[i] = new QLineEdit(labels);
        m_texts[i]->setObjectName(QLatin1String(kTextRows[i].name));
        m_texts[i]->setMinimumWidth(320);
        labelRows->addRow(QLatin1String(kTextRows[i].label), m_texts[i]);
    }

    auto* colours = new QGroupBox(QStringLiteral("Plot Colors"), this);
    auto* colourRows = new QFormLayout(colours);
    for (std::size_t i = 0; i < m_panels.size(); ++i) {
        m_panels[i] =
            new ColourPanel(QLatin1String(kColourRows[i].panel), QLatin1String(kColourRows[i].dialog), colours);
        colourRows->addRow(QLatin1String(kColourRows[i].label), m_panels[i]);
        connect(m_panels[i], &ColourPanel::colourPicked, this, [this, i](Colour c) {
            *plotColours()[i] = c;
            Q_EMIT plotChanged();
        });
    }

    // The average climb switch and the data length button are kept out of sight; the renderer reads the switch.
    m_showInfoBox->setChecked(true);
    m_showClimbBox->setVisible(false);
    m_dataLengthButton->setVisible(false);
    connect(m_showInfoBox, &QCheckBox::clicked, this, [this](bool on) {
        m_plot.showInfo = on;
        Q_EMIT plotChanged();
    });
    connect(m_showBackgroundBox, &QCheckBox::clicked, this, [this](bool on) {
        m_plot.showBackground = on;
        Q_EMIT plotChanged();
    });

    auto* switches = new QVBoxLayout;
    switches->addWidget(m_showInfoBox);
    switches->addWidget(m_showBackgroundBox);
    switches->addWidget(m_showClimbBox);
    switches->addWidget(m_dataLengthButton);
    switches->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(colours);
    right->addLayout(switches);
    auto* top = new QHBoxLayout;
    top->addWidget(labels, 1);
    top->addLayout(right);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);

    m_okButton->setDefault(true);
    connect(m_okButton, &QPushButton::clicked, this, &PlotInfoDialog::applyAndClose);
    connect(m_cancelButton, &QPushButton::clicked, this, &PlotInfoDialog::reject);
}

std::array<Colour*, 5> PlotInfoDialog::plotColours()
{
    return {&m_plot.backgroundColor, &m_plot.gridColor, &m_plot.scaleColor, &m_plot.labelColor, &m_plot.infoColor};
}

int PlotInfoDialog::run()
{
    const auto texts = plotTexts(m_plot);
    for (std::size_t i = 0; i < m_texts.size(); ++i)
        m_texts[i]->setText(*texts[i]);
    const auto colours = plotColours();
    for (std::size_t i = 0; i < m_panels.size(); ++i) {
        m_openedColours[i] = *colours[i];
        m_panels[i]->setColour(*colours[i]);
    }
    syncSwitches();
    centreOnScreen(this);
    return exec();
}

void PlotInfoDialog::syncSwitches()
{
    m_showInfoBox->setChecked(m_plot.showInfo);
    m_showBackgroundBox->setChecked(m_plot.showBackground);
    m_showClimbBox->setChecked(m_plot.showAvgClimb);
}

void PlotInfoDialog::applyAndClose()
{
    const auto texts = plotTexts(m_plot);
    for (std::size_t i = 0; i < m_texts.size(); ++i)
        *texts[i] = text::field(m_texts[i]->text(), text::kLineChars);
    Q_EMIT plotChanged();
    accept();
}

void PlotInfoDialog::reject()
{
    const auto colours = plotColours();
    for (std::size_t i = 0; i < colours.size(); ++i)
        *colours[i] = m_openedColours[i];
    Q_EMIT plotChanged();
    QDialog::reject();
}

} // namespace vimo
