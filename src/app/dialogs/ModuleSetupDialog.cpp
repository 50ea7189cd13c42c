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
      ModDisp(makeReadout(QStringLiteral("ModDisp"), QStringLiteral("1"), readoutLime(), this)),
      CSpinButton1(new SpinButtons(QStringLiteral("CSpinButton1"), this)),
      MemList(new QComboBox(this)),
      BitBtn1(new QPushButton(QStringLiteral("Close"), this))
{
    setObjectName(QStringLiteral("ModSetForm"));
    setWindowTitle(QStringLiteral("ModSetForm"));
    setModal(true);
    MemList->setObjectName(QStringLiteral("MemList"));
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    ModDisp->setMinimumWidth(56);

    // The list takes only its items: a size the module cannot have is never chosen.
    MemList->setEditable(false);
    for (const char* item : memorySizeItems)
        MemList->addItem(QString::fromLatin1(item));

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Module Version:"), this), 0, 0);
    auto* versionRow = new QHBoxLayout;
    versionRow->setSpacing(2);
    versionRow->addWidget(ModDisp);
    versionRow->addWidget(CSpinButton1);
    versionRow->addStretch(1);
    grid->addLayout(versionRow, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Memory Size:"), this), 1, 0);
    grid->addWidget(MemList, 1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BitBtn1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addLayout(buttons);

    connect(CSpinButton1, &SpinButtons::up, this, [this] {
        *m_version = moduleVersionUp(*m_version);
        showVersion();
    });
    connect(CSpinButton1, &SpinButtons::down, this, [this] {
        *m_version = moduleVersionDown(*m_version);
        showVersion();
    });
    connect(MemList, &QComboBox::activated, this, [this](int item) {
        if (const auto size = memorySizeForItem(item))
            *m_memorySize = *size;
    });
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
}

void ModuleSetupDialog::showVersion()
{
    ModDisp->setText(QString::number(*m_version));
}

void ModuleSetupDialog::edit(std::uint8_t& moduleVersion, std::uint8_t& memorySize)
{
    m_version = &moduleVersion;
    m_memorySize = &memorySize;
    showVersion();
    MemList->setCurrentIndex(memorySizeItem(memorySize)); // -1 selects nothing and keeps the field
    exec();
    m_version = nullptr;
    m_memorySize = nullptr;
}

} // namespace vimo
