#pragma once

#include <QStringList>

namespace vimo {

class MainWindow;

// Loads `files` (named on the command line) into the shown window as Load does, with its refusals and warnings,
// and brings the "Recorded Data" page forward when any data came, once the window's start-up greeting has ended.
// Nothing happens while a module exchange runs.
void openStartFiles(MainWindow& window, const QStringList& files);

} // namespace vimo
