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
    : QDialog(parent), m_plot(plot), XMinEdit(named<QLineEdit>("XMinEdit", this)),
      XMaxEdit(named<QLineEdit>("XMaxEdit", this)), YMinEdit(named<QLineEdit>("YMinEdit", this)),
      YMaxEdit(named<QLineEdit>("YMaxEdit", this)),
      OkBtn(makeButton("OkBtn", QStringLiteral("OK"), this)),
      CancelBtn(makeButton("CancelBtn", QStringLiteral("Cancel"), this)),
      AutoBtn(makeButton("AutoBtn", QStringLiteral("Auto"), this))
{
    setObjectName(QStringLiteral("ScaleForm"));
    setWindowTitle(QStringLiteral("Graph Scale"));
    OkBtn->setDefault(true);

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Time Min"), XMinEdit);
    fields->addRow(QStringLiteral("Time Max"), XMaxEdit);
    fields->addRow(QStringLiteral("Altitude Min"), YMinEdit);
    fields->addRow(QStringLiteral("Altitude Max"), YMaxEdit);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(AutoBtn);
    buttons->addStretch();
    buttons->addWidget(OkBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    connect(OkBtn, &QPushButton::clicked, this, &ScaleDialog::applyScale);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(AutoBtn, &QPushButton::clicked, this, &ScaleDialog::scaleAutomatically);
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
    const ScaleTexts texts{XMinEdit->text(), XMaxEdit->text(), YMinEdit->text(), YMaxEdit->text()};
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
    XMinEdit->setText(texts.xMin);
    XMaxEdit->setText(texts.xMax);
    YMinEdit->setText(texts.yMin);
    YMaxEdit->setText(texts.yMax);
}

} // namespace vimo
