#include "app/dialogs/Prompts.h"

#include <QFileDialog>
#include <QMessageBox>

namespace vimo {
namespace {

QMessageBox::Icon boxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

int ask(QWidget* parent, const QString& caption, const QString& text, MessageIcon icon,
        QMessageBox::StandardButtons buttons)
{
    QMessageBox box(boxIcon(icon), caption, text, buttons, parent);
    return box.exec();
}

} // namespace

void DialogPrompts::message(QWidget* parent, const QString& caption, const QString& text, MessageIcon icon)
{
    ask(parent, caption, text, icon, QMessageBox::Ok);
}

bool DialogPrompts::yesNo(QWidget* parent, const QString& caption, const QString& text)
{
    return ask(parent, caption, text, MessageIcon::None, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

bool DialogPrompts::yesNoDefaultNo(QWidget* parent, const QString& caption, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

bool DialogPrompts::okCancel(QWidget* parent, const QString& caption, const QString& text, MessageIcon icon)
{
    return ask(parent, caption, text, icon, QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

SaveAnswer DialogPrompts::saveDiscardCancel(QWidget* parent, const QString& caption, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, caption, text,
                    QMessageBox::SaveAll | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::SaveAll);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::SaveAll:
        return SaveAnswer::SaveAll;
    case QMessageBox::Discard:
        return SaveAnswer::Discard;
    default:
        return SaveAnswer::Cancel;
    }
}

QString DialogPrompts::openFile(QWidget* parent, const QString& title, const QString& filter,
                                const QString& defaultSuffix)
{
    QFileDialog dialog(parent, title, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace vimo
