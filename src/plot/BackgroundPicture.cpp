#include "plot/BackgroundPicture.h"

#include <QImage>

// The resource lives in a static library: its registration must be pulled in by name, outside any namespace.
static void registerPlotResources()
{
    Q_INIT_RESOURCE(plot_resources);
}

namespace vimo {

const QImage& backgroundPicture()
{
    static const QImage picture = [] {
        registerPlotResources();
        // Drawn stretched onto RGB surfaces on every paint: converting once spares a conversion per paint.
        return QImage(QStringLiteral(":/vimo/plot/background.png")).convertToFormat(QImage::Format_RGB32);
    }();
    return picture;
}

} // namespace vimo
