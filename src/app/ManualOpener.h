#pragma once

#include "app/AppInfo.h"

#include <QStringList>

class QWidget;

namespace vimo {

// Hands the user manual, the first of `places` that exists, to the desktop's PDF viewer. When none holds it, a box
// on `parent` says so and names where Vimo looked. True when the manual was found.
bool openManual(QWidget* parent, const QStringList& places = appinfo::manualPlaces());

} // namespace vimo
