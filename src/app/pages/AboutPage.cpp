#include "app/pages/AboutPage.h"

#include "app/AppInfo.h"
#include "app/Controls.h"
#include "app/ManualOpener.h"

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
    : QWidget(parent), m_appName(new QLabel(QString::fromLatin1(appinfo::kName), this)), m_icon(new IconLabel(this)),
      m_version(new QLabel(this)), m_build(new QLabel(this)),
      m_email(new LinkLabel(QStringLiteral("AboutEmail"), QString::fromLatin1(appinfo::kEmail), this)),
      m_webSite(new LinkLabel(QStringLiteral("AboutWebSite"), appinfo::webSite(), this)),
      m_manualButton(new QPushButton(QStringLiteral("Manual"), this))
{
    setObjectName(QStringLiteral("AboutPage"));
    m_appName->setObjectName(QStringLiteral("AboutAppName"));
    m_icon->setObjectName(QStringLiteral("Image1"));
    m_version->setObjectName(QStringLiteral("VersionInfo"));
    m_build->setObjectName(QStringLiteral("BuildInfo"));
    m_manualButton->setObjectName(QStringLiteral("ManualBtn"));

    QFont nameFont = m_appName->font();
    nameFont.setPointSize(nameFont.pointSize() * 3);
    nameFont.setBold(true);
    m_appName->setFont(nameFont);
    QPalette namePalette = m_appName->palette();
    namePalette.setColor(QPalette::WindowText, QColor(0x0a, 0x24, 0x5c));
    m_appName->setPalette(namePalette);

    auto* subtitle = new QLabel(QString::fromLatin1(appinfo::kSubtitle), this);
    QFont subtitleFont = subtitle->font();
    subtitleFont.setPointSize(subtitleFont.pointSize() + 3);
    subtitle->setFont(subtitleFont);
    auto* maker = new QLabel(QString::fromLatin1(appinfo::kMaker), this);
    QPalette makerPalette = maker->palette();
    makerPalette.setColor(QPalette::WindowText, QColor(0x55, 0x5d, 0x6b));
    maker->setPalette(makerPalette);

    m_icon->setFixedSize(128, 128);
    m_icon->setAlignment(Qt::AlignCenter);
    m_icon->setToolTip(QStringLiteral("Vimo"));

    auto* details = new QGridLayout;
    details->setHorizontalSpacing(12);
    details->setVerticalSpacing(6);
    const auto addRow = [&](int row, const QString& caption, QWidget* value) {
        auto* label = new QLabel(caption, this);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        details->addWidget(label, row, 0);
        details->addWidget(value, row, 1);
    };
    addRow(0, QStringLiteral("Version:"), m_version);
    addRow(1, QStringLiteral("Build:"), m_build);
    addRow(2, QStringLiteral("Email:"), m_email);
    addRow(3, QStringLiteral("WebSite:"), m_webSite);
    details->setColumnStretch(2, 1);

    m_manualButton->setToolTip(QStringLiteral("Open the user manual"));
    m_manualButton->setMinimumWidth(110);

    auto* text = new QVBoxLayout;
    text->setSpacing(4);
    text->addWidget(m_appName);
    text->addWidget(subtitle);
    text->addWidget(maker);
    text->addSpacing(24);
    text->addLayout(details);
    text->addSpacing(24);
    text->addWidget(m_manualButton, 0, Qt::AlignLeft);
    text->addStretch(1);

    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(m_icon, 0, Qt::AlignTop);
    row->addSpacing(36);
    row->addLayout(text);
    row->addStretch(1);

    auto* page = new QVBoxLayout(this);
    page->addStretch(1);
    page->addLayout(row);
    page->addStretch(2);

    connect(m_email, &LinkLabel::clicked, this, &AboutPage::openEmail);
    connect(m_webSite, &LinkLabel::clicked, this, &AboutPage::openWebSite);
    connect(m_manualButton, &QPushButton::clicked, this, &AboutPage::openManual);
    connect(m_icon, &IconLabel::ctrlPressed, this, &AboutPage::moduleSetupRequested);
}

void AboutPage::showIcon()
{
    m_icon->setPixmap(QPixmap(QStringLiteral(":/vimo/icon-128.png")));
}

// Failures to launch (no mail program, no viewer) are not reported: the desktop shows its own. A missing manual is
// (openManual).
void AboutPage::setVersionTexts(const QString& version, const QString& build)
{
    m_version->setText(version);
    m_build->setText(build);
}

void AboutPage::openEmail()
{
    QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + m_email->text()));
}

void AboutPage::openWebSite()
{
    QDesktopServices::openUrl(QUrl::fromUserInput(m_webSite->text()));
}

void AboutPage::openManual()
{
    vimo::openManual(this);
}

} // namespace vimo
