#include "app/dialogs/OutputDialog.h"

#include "app/dialogs/DialogSupport.h"
#include "data/CFormat.h"
#include "plot/PrintSettings.h"
#include "plot/ScaleDialogRules.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vimo {
namespace {

constexpr int kEditChars = 255;

// The number the edit's text begins with, into `value`; other text leaves it alone.
void readInto(const QLineEdit* edit, double& value)
{
    const QByteArray bytes = edit->text().left(kEditChars).toUtf8();
    double parsed = 0;
    if (cformat::parseDouble(std::string_view(bytes.constData(), std::size_t(bytes.size())), parsed))
        value = parsed;
}

} // namespace

OutputDialog::OutputDialog(PrintSettings& settings, QWidget* parent)
    : QDialog(parent), m_settings(settings), m_widthEdit(named<QLineEdit>("WidthEdit", QStringLiteral("7.0"))),
      m_heightEdit(named<QLineEdit>("HeightEdit", QStringLiteral("3.5"))),
      m_leftEdit(named<QLineEdit>("LeftEdit", QStringLiteral("0.5"))),
      m_topEdit(named<QLineEdit>("TopEdit", QStringLiteral("0.5"))),
      m_leftLabel(named<QLabel>("LeftLabel", QStringLiteral("Distance from Left (inches)"))),
      m_topLabel(named<QLabel>("TopLabel", QStringLiteral("Distance from Top (inches)"))),
      m_colourBox(named<QCheckBox>("ColorChk", QStringLiteral("Print with color"))),
      m_okButton(makeButton("OKBtn", QStringLiteral("OK"), nullptr)),
      m_cancelButton(makeButton("CancelBtn", QStringLiteral("Cancel"), nullptr))
{
    setObjectName(QStringLiteral("PrtLocForm"));
    setWindowTitle(QStringLiteral("Output"));
    m_okButton->setDefault(true);

    auto* group = new QGroupBox(QStringLiteral("Printed Plot Options"), this);
    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(QStringLiteral("Width (inches)")), 0, 0);
    grid->addWidget(m_widthEdit, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Height (inches)")), 1, 0);
    grid->addWidget(m_heightEdit, 1, 1);
    grid->addWidget(m_leftLabel, 2, 0);
    grid->addWidget(m_leftEdit, 2, 1);
    grid->addWidget(m_topLabel, 3, 0);
    grid->addWidget(m_topEdit, 3, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_colourBox);
    buttons->addStretch();
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);

    connect(m_okButton, &QPushButton::clicked, this, &OutputDialog::acceptSize);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void OutputDialog::showSize()
{
    m_widthEdit->setText(scaleValueText(m_settings.widthInches));
    m_heightEdit->setText(scaleValueText(m_settings.heightInches));
}

void OutputDialog::restore()
{
    showSize();
    m_colourBox->setChecked(m_settings.inColor);
}

void OutputDialog::setOffsetsEnabled(bool enabled)
{
    for (QWidget* w : {static_cast<QWidget*>(m_leftEdit), static_cast<QWidget*>(m_topEdit),
                       static_cast<QWidget*>(m_leftLabel), static_cast<QWidget*>(m_topLabel)})
        w->setEnabled(enabled);
}

int OutputDialog::run()
{
    centreOnScreen(this);
    return exec();
}

void OutputDialog::acceptSize()
{
    readInto(m_widthEdit, m_settings.widthInches);
    readInto(m_heightEdit, m_settings.heightInches);
    readInto(m_leftEdit, m_settings.leftInches);
    readInto(m_topEdit, m_settings.topInches);
    m_settings.inColor = m_colourBox->isChecked();
    accept();
}

} // namespace vimo
