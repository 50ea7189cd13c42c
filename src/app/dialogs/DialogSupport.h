#pragma once

#include <QString>
#include <utility>

class QPushButton;
class QWidget;

namespace vimo {

// A control of type T built from `args`, with its object name (the name tests and style sheets find it by).
template <typename T, typename... Args>
T* named(const char* objectName, Args&&... args)
{
    auto* control = new T(std::forward<Args>(args)...);
    control->setObjectName(QLatin1String(objectName));
    return control;
}

// A push button of a dialog or page: named, with its caption and hint; Enter in a dialog goes to the default
// button only, never to the button that last had the focus.
QPushButton* makeButton(const char* objectName, const QString& caption, QWidget* parent, const char* hint = nullptr);

// Moves a top-level window to the middle of the screen it is on (the dialogs of the plot page open there).
void centreOnScreen(QWidget* window);

// The modal error box of file and input failures: caption "Error", warning icon, one OK button.
void showError(QWidget* parent, const QString& text);

// The modal box of what a file read passed over: caption "Warning", warning icon, one OK button.
void showWarning(QWidget* parent, const QString& text);

} // namespace vimo
