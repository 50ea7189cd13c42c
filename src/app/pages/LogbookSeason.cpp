#include "app/pages/LogbookSeason.h"

#include "logbook/LogbookModel.h"
#include "logbook/LogbookTotals.h"

#include <QMap>

namespace vimo {
namespace {

const QString& noModel()
{
    static const QString text = QStringLiteral("(no model)");
    return text;
}

} // namespace

SeasonChart seasonChartOf(const LogbookModel& model, const std::vector<int>& rows, SeasonValue value)
{
    std::vector<ShownFlight> flights;
    std::vector<int> flightRows;
    // The models, sorted without regard to case, each with its colour.
    QMap<QString, int> series;
    bool unnamed = false;
    for (const int row : rows) {
        if (const FlightMeasures* f = model.flight(row)) {
            flights.push_back({f, model.unit(row)});
            flightRows.push_back(row);
            const QString& airframe = model.recording(row).airframe;
            if (airframe.isEmpty())
                unnamed = true;
            else
                series.insert(airframe.toCaseFolded() + QLatin1Char('\n') + airframe, 0);
        }
    }
    SeasonChart chart;
    QHash<QString, int> colourOf;
    for (auto it = series.begin(); it != series.end(); ++it) {
        const QString name = it.key().section(QLatin1Char('\n'), 1);
        colourOf.insert(name, int(chart.series.size()));
        chart.series << name;
    }
    if (unnamed) {
        colourOf.insert(QString(), int(chart.series.size()));
        chart.series << noModel();
    }
    const AltitudeUnit unit = heightUnit(flights);
    const QString symbol = unitSymbol(unit);
    chart.valueLabel = value == SeasonValue::Duration ? QStringLiteral("Duration (min)")
                       : symbol.isEmpty()             ? QStringLiteral("Start height")
                                                      : QStringLiteral("Start height (%1)").arg(symbol);
    for (std::size_t i = 0; i < flights.size(); ++i) {
        const int row = flightRows[i];
        const std::optional<double> v = value == SeasonValue::Duration ? std::optional(flights[i].flight->duration / 60)
                                                                       : startHeightIn(flights[i], unit);
        if (v)
            chart.points.push_back({model.day(row), *v, colourOf.value(model.recording(row).airframe), row});
    }
    return chart;
}

} // namespace vimo
