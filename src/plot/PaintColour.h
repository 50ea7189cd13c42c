#pragma once

#include "data/Colour.h"

#include <QColor>

namespace vimo {

// A model colour (0x00BBGGRR) as QPainter takes it.
inline QColor paintColour(Colour c)
{
    return QColor(colourRed(c), colourGreen(c), colourBlue(c));
}

} // namespace vimo
