#include "app/dialogs/SaveChoiceDialog.h"

#include "app/dialogs/DialogSupport.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vimo {

SaveChoiceDialog::SaveChoiceDialog(QWidget* parent)
    : QDialog(parent), m_activeSet(new QRadioButton(QStringLiteral("Active Data Set"))),
      m_wholePlot(new QRadioButton(QStringLiteral("Plot and All Data Sets")))
{
    setObjectName(QStringLiteral("SaveSel"));
    setWindowTitle(QStringLiteral("Save"));

    auto* question = new QLabel(QStringLiteral("What do you want to save?"), this);
    QFont bold = question->font();
    bold.setBold(true);
    question->setFont(bold);

    auto* group = new QGroupBox(this);
    group->setObjectName(QStringLiteral("SaveGrp"));
    auto* rows = new QVBoxLayout(group);
    rows->addWidget(m_activeSet);
    rows->addWidget(m_wholePlot);
    m_activeSet->setChecked(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OKBtn"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("CancelBtn"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(question);
    layout->addWidget(group);
    layout->addWidget(buttons);
}

SaveChoiceDialog::Choice SaveChoiceDialog::choice() const
{
    return m_wholePlot->isChecked() ? PlotAndAllDataSets : ActiveDataSet;
}

void SaveChoiceDialog::setChoice(Choice choice)
{
    (choice == PlotAndAllDataSets ? m_wholePlot : m_activeSet)->setChecked(true);
}

int SaveChoiceDialog::run()
{
    centreOnScreen(this);
    return exec();
}

} // namespace vimo
