#include "app/dialogs/DialogSupport.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QWidget>

namespace vimo {

QPushButton* makeButton(const char* objectName, const QString& caption, QWidget* parent, const char* hint)
{
    auto* button = named<QPushButton>(objectName, caption, parent);
    button->setAutoDefault(false);
    if (hint)
        button->setToolTip(QLatin1String(hint));
    return button;
}

void centreOnScreen(QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    window->adjustSize();
    window->setGeometry(
        QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window->size(), screen->availableGeometry()));
}

void showError(QWidget* parent, const QString& text)
{
    QMessageBox::warning(parent, QStringLiteral("Error"), text);
}

void showWarning(QWidget* parent, const QString& text)
{
    QMessageBox::warning(parent, QStringLiteral("Warning"), text);
}

} // namespace vimo
