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
    : QDialog(parent), m_settings(settings), WidthEdit(named<QLineEdit>("WidthEdit", QStringLiteral("7.0"))),
      HeightEdit(named<QLineEdit>("HeightEdit", QStringLiteral("3.5"))),
      LeftEdit(named<QLineEdit>("LeftEdit", QStringLiteral("0.5"))),
      TopEdit(named<QLineEdit>("TopEdit", QStringLiteral("0.5"))),
      LeftLabel(named<QLabel>("LeftLabel", QStringLiteral("Distance from Left (inches)"))),
      TopLabel(named<QLabel>("TopLabel", QStringLiteral("Distance from Top (inches)"))),
      ColorChk(named<QCheckBox>("ColorChk", QStringLiteral("Print with color"))),
      OKBtn(makeButton("OKBtn", QStringLiteral("OK"), nullptr)),
      CancelBtn(makeButton("CancelBtn", QStringLiteral("Cancel"), nullptr))
{
    setObjectName(QStringLiteral("PrtLocForm"));
    setWindowTitle(QStringLiteral("Output"));
    OKBtn->setDefault(true);

    auto* group = new QGroupBox(QStringLiteral("Printed Plot Options"), this);
    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(QStringLiteral("Width (inches)")), 0, 0);
    grid->addWidget(WidthEdit, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Height (inches)")), 1, 0);
    grid->addWidget(HeightEdit, 1, 1);
    grid->addWidget(LeftLabel, 2, 0);
    grid->addWidget(LeftEdit, 2, 1);
    grid->addWidget(TopLabel, 3, 0);
    grid->addWidget(TopEdit, 3, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ColorChk);
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);

    connect(OKBtn, &QPushButton::clicked, this, &OutputDialog::acceptSize);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void OutputDialog::showSize()
{
    WidthEdit->setText(scaleValueText(m_settings.widthInches));
    HeightEdit->setText(scaleValueText(m_settings.heightInches));
}

void OutputDialog::restore()
{
    showSize();
    ColorChk->setChecked(m_settings.inColor);
}

void OutputDialog::setOffsetsEnabled(bool enabled)
{
    for (QWidget* w : {static_cast<QWidget*>(LeftEdit), static_cast<QWidget*>(TopEdit),
                       static_cast<QWidget*>(LeftLabel), static_cast<QWidget*>(TopLabel)})
        w->setEnabled(enabled);
}

int OutputDialog::run()
{
    centreOnScreen(this);
    return exec();
}

void OutputDialog::acceptSize()
{
    readInto(WidthEdit, m_settings.widthInches);
    readInto(HeightEdit, m_settings.heightInches);
    readInto(LeftEdit, m_settings.leftInches);
    readInto(TopEdit, m_settings.topInches);
    m_settings.inColor = ColorChk->isChecked();
    accept();
}

} // namespace vimo
