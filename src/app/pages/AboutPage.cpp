#include "app/pages/AboutPage.h"

#include "app/AppInfo.h"
#include "app/Controls.h"

#include <QDesktopServices>
#include <QGridLayout>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace vimo {

void IconLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->modifiers() & Qt::ControlModifier)
        Q_EMIT ctrlPressed();
    QLabel::mousePressEvent(event);
}

AboutPage::AboutPage(QWidget* parent)
    : QWidget(parent),
      AboutAppName(new QLabel(QString::fromLatin1(appinfo::kName), this)),
      Image1(new IconLabel(this)),
      VersionInfo(new QLabel(this)),
      BuildInfo(new QLabel(this)),
      AboutEmail(new LinkLabel(QStringLiteral("AboutEmail"), QString::fromLatin1(appinfo::kEmail), this)),
      AboutWebSite(new LinkLabel(QStringLiteral("AboutWebSite"), appinfo::webSite(), this)),
      ManualBtn(new QPushButton(QStringLiteral("Manual"), this))
{
    setObjectName(QStringLiteral("AboutPage"));
    AboutAppName->setObjectName(QStringLiteral("AboutAppName"));
    Image1->setObjectName(QStringLiteral("Image1"));
    VersionInfo->setObjectName(QStringLiteral("VersionInfo"));
    BuildInfo->setObjectName(QStringLiteral("BuildInfo"));
    ManualBtn->setObjectName(QStringLiteral("ManualBtn"));

    QFont nameFont = AboutAppName->font();
    nameFont.setPointSize(nameFont.pointSize() * 3);
    nameFont.setBold(true);
    AboutAppName->setFont(nameFont);
    QPalette namePalette = AboutAppName->palette();
    namePalette.setColor(QPalette::WindowText, QColor(0x0a, 0x24, 0x5c));
    AboutAppName->setPalette(namePalette);

    auto* subtitle = new QLabel(QString::fromLatin1(appinfo::kSubtitle), this);
    QFont subtitleFont = subtitle->font();
    subtitleFont.setPointSize(subtitleFont.pointSize() + 3);
    subtitle->setFont(subtitleFont);
    auto* maker = new QLabel(QString::fromLatin1(appinfo::kMaker), this);
    QPalette makerPalette = maker->palette();
    makerPalette.setColor(QPalette::WindowText, QColor(0x55, 0x5d, 0x6b));
    maker->setPalette(makerPalette);

    Image1->setFixedSize(128, 128);
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setToolTip(QStringLiteral("Vimo"));

    auto* details = new QGridLayout;
    details->setHorizontalSpacing(12);
    details->setVerticalSpacing(6);
    const auto addRow = [&](int row, const QString& caption, QWidget* value) {
        auto* label = new QLabel(caption, this);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        details->addWidget(label, row, 0);
        details->addWidget(value, row, 1);
    };
    addRow(0, QStringLiteral("Version:"), VersionInfo);
    addRow(1, QStringLiteral("Build:"), BuildInfo);
    addRow(2, QStringLiteral("Email:"), AboutEmail);
    addRow(3, QStringLiteral("WebSite:"), AboutWebSite);
    details->setColumnStretch(2, 1);

    ManualBtn->setToolTip(QStringLiteral("Open the user manual"));
    ManualBtn->setMinimumWidth(110);

    auto* text = new QVBoxLayout;
    text->setSpacing(4);
    text->addWidget(AboutAppName);
    text->addWidget(subtitle);
    text->addWidget(maker);
    text->addSpacing(24);
    text->addLayout(details);
    text->addSpacing(24);
    text->addWidget(ManualBtn, 0, Qt::AlignLeft);
    text->addStretch(1);

    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(Image1, 0, Qt::AlignTop);
    row->addSpacing(36);
    row->addLayout(text);
    row->addStretch(1);

    auto* page = new QVBoxLayout(this);
    page->addStretch(1);
    page->addLayout(row);
    page->addStretch(2);

    connect(AboutEmail, &LinkLabel::clicked, this, &AboutPage::openEmail);
    connect(AboutWebSite, &LinkLabel::clicked, this, &AboutPage::openWebSite);
    connect(ManualBtn, &QPushButton::clicked, this, &AboutPage::openManual);
    connect(Image1, &IconLabel::ctrlPressed, this, &AboutPage::moduleSetupRequested);
}

void AboutPage::showIcon()
{
    Image1->setPixmap(QPixmap(QStringLiteral(":/vimo/icon-128.png")));
}

// Failures to launch (no mail program, no viewer, no manual) are not reported: the desktop shows its own.
void AboutPage::setVersionTexts(const QString& version, const QString& build)
{
    VersionInfo->setText(version);
    BuildInfo->setText(build);
}

void AboutPage::openEmail()
{
    QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + AboutEmail->text()));
}

void AboutPage::openWebSite()
{
    QDesktopServices::openUrl(QUrl::fromUserInput(AboutWebSite->text()));
}

void AboutPage::openManual()
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(appinfo::manualPath()));
}

} // namespace vimo
