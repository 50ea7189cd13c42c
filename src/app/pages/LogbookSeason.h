#pragma once

#include "plot/SeasonChart.h"

#include <vector>

namespace vimo {

class LogbookModel;

// What the season chart shows of each flight: its start height (in the unit the flights shown share, else metres)
// or its duration in minutes.
enum class SeasonValue { StartHeight, Duration };

// The season chart of the flights in `rows` (rows of the model, as the page shows them): a point per flight on its
// download day, its id the row, one colour per model in the order of the names ("(no model)" last). Flights without
// a start height are left out of the start-height chart.
SeasonChart seasonChartOf(const LogbookModel& model, const std::vector<int>& rows, SeasonValue value);

} // namespace vimo
