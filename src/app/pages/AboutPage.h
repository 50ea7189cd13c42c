#pragma once

#include <QLabel>
#include <QWidget>

class QPushButton;

namespace vimo {

class LinkLabel;

// The program icon of the About page. A mouse button pressed with Ctrl held emits ctrlPressed() (it opens the
// module setup dialog); without Ctrl nothing happens.
class IconLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

Q_SIGNALS:
    void ctrlPressed();

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

// The "About" page: program name, subtitle, maker, icon, version and build, e-mail and web links, and "Manual".
class AboutPage : public QWidget {
    Q_OBJECT
public:
    explicit AboutPage(QWidget* parent = nullptr);

    // Shows the program icon (the first show of the window does it).
    void showIcon();

    // The version and build lines.
    void setVersionTexts(const QString& version, const QString& build);

Q_SIGNALS:
    // Ctrl with a mouse button on the icon: the module setup dialog.
    void moduleSetupRequested();

private:
    // The two links and "Manual" hand the address or the manual to the desktop.
    void openEmail();
    void openWebSite();
    void openManual();

    QLabel* m_appName;
    IconLabel* m_icon;
    QLabel* m_version;
    QLabel* m_build;
    LinkLabel* m_email;
    LinkLabel* m_webSite;
    QPushButton* m_manualButton;
};

} // namespace vimo
