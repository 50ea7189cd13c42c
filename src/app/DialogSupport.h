#pragma once

#include <QString>

class QWidget;

namespace vimo {

// Moves a top-level window to the middle of the screen it is on (the dialogs of the plot page open there).
void centreOnScreen(QWidget* window);

// The modal error box of file and input failures: caption "Error", warning icon, one OK button.
void showError(QWidget* parent, const QString& text);

} // namespace vimo
