#include "app/dialogs/ScaleDialog.h"

#include "app/dialogs/DialogSupport.h"
#include "plot/ScaleDialogRules.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vimo {
ScaleDialog::ScaleDialog(Plot& plot, QWidget* parent)
    : QDialog(parent), m_plot(plot), m_timeMinEdit(named<QLineEdit>("XMinEdit", this)),
      m_timeMaxEdit(named<QLineEdit>("XMaxEdit", this)), m_altitudeMinEdit(named<QLineEdit>("YMinEdit", this)),
      m_altitudeMaxEdit(named<QLineEdit>("YMaxEdit", this)),
      m_okButton(makeButton("OkBtn", QStringLiteral("OK"), this)),
      m_cancelButton(makeButton("CancelBtn", QStringLiteral("Cancel"), this)),
      m_autoButton(makeButton("AutoBtn", QStringLiteral("Auto"), this))
{
    setObjectName(QStringLiteral("ScaleForm"));
    setWindowTitle(QStringLiteral("Graph Scale"));
    m_okButton->setDefault(true);

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Time Min"), m_timeMinEdit);
    fields->addRow(QStringLiteral("Time Max"), m_timeMaxEdit);
    fields->addRow(QStringLiteral("Altitude Min"), m_altitudeMinEdit);
    fields->addRow(QStringLiteral("Altitude Max"), m_altitudeMaxEdit);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_autoButton);
    buttons->addStretch();
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    connect(m_okButton, &QPushButton::clicked, this, &ScaleDialog::applyScale);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_autoButton, &QPushButton::clicked, this, &ScaleDialog::scaleAutomatically);
}

int ScaleDialog::run()
{
    showTexts(scaleTextsFor(m_plot));
    centreOnScreen(this);
    return exec();
}

void ScaleDialog::scaleAutomatically()
{
    showTexts(autoScaleTexts(m_plot));
    Q_EMIT plotChanged();
}

void ScaleDialog::applyScale()
{
    const ScaleTexts texts{m_timeMinEdit->text(), m_timeMaxEdit->text(), m_altitudeMinEdit->text(),
                           m_altitudeMaxEdit->text()};
    const QString problem = acceptScaleTexts(m_plot, texts, ScaleCheck::RefuseInvalid);
    if (!problem.isEmpty()) {
        showError(this, problem);
        return;
    }
    Q_EMIT plotChanged();
    accept();
}

void ScaleDialog::showTexts(const ScaleTexts& texts)
{
    m_timeMinEdit->setText(texts.xMin);
    m_timeMaxEdit->setText(texts.xMax);
    m_altitudeMinEdit->setText(texts.yMin);
    m_altitudeMaxEdit->setText(texts.yMax);
}

} // namespace vimo
