#include "app/dialogs/ModuleSetupDialog.h"

#include "app/Controls.h"
#include "module/ModuleSetup.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vimo {

ModuleSetupDialog::ModuleSetupDialog(QWidget* parent)
    : QDialog(parent),
      m_versionReadout(makeReadout(QStringLiteral("ModDisp"), QStringLiteral("1"), readoutLime(), this)),
      m_versionArrows(new SpinButtons(QStringLiteral("CSpinButton1"), this)), m_memoryBox(new QComboBox(this)),
      m_closeButton(new QPushButton(QStringLiteral("Close"), this))
{
    setObjectName(QStringLiteral("ModSetForm"));
    setWindowTitle(QStringLiteral("ModSetForm"));
    setModal(true);
    m_memoryBox->setObjectName(QStringLiteral("MemList"));
    m_closeButton->setObjectName(QStringLiteral("BitBtn1"));
    m_closeButton->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    m_versionReadout->setMinimumWidth(56);

    // The list takes only its items: a size the module cannot have is never chosen.
    m_memoryBox->setEditable(false);
    for (const char* item : memorySizeItems)
        m_memoryBox->addItem(QString::fromLatin1(item));

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Module Version:"), this), 0, 0);
    auto* versionRow = new QHBoxLayout;
    versionRow->setSpacing(2);
    versionRow->addWidget(m_versionReadout);
    versionRow->addWidget(m_versionArrows);
    versionRow->addStretch(1);
    grid->addLayout(versionRow, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Memory Size:"), this), 1, 0);
    grid->addWidget(m_memoryBox, 1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_closeButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addLayout(buttons);

    connect(m_versionArrows, &SpinButtons::up, this, [this] {
        *m_version = moduleVersionUp(*m_version);
        showVersion();
    });
    connect(m_versionArrows, &SpinButtons::down, this, [this] {
        *m_version = moduleVersionDown(*m_version);
        showVersion();
    });
    connect(m_memoryBox, &QComboBox::activated, this, [this](int item) {
        if (const auto size = memorySizeForItem(item))
            *m_memorySize = *size;
    });
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::accept);
}

void ModuleSetupDialog::showVersion()
{
    m_versionReadout->setText(QString::number(*m_version));
}

void ModuleSetupDialog::edit(std::uint8_t& moduleVersion, std::uint8_t& memorySize)
{
    m_version = &moduleVersion;
    m_memorySize = &memorySize;
    showVersion();
    m_memoryBox->setCurrentIndex(memorySizeItem(memorySize)); // -1 selects nothing and keeps the field
    exec();
    m_version = nullptr;
    m_memorySize = nullptr;
}

} // namespace vimo
