#pragma once

namespace vimo {

struct DataSet;
struct Plot;

// Cuts every data set down to the visible time range xMin..xMax (in each data set's own times as the view shifts
// them, setView), then scales both axes automatically.
// A data set without a sample inside the range stays as it is. Permanent: the cut samples, triggers and rate
// marks are gone.
void cropToView(Plot& plot);

// The cut of one data set to the samples whose times lie within tMin..tMax. The kept samples take the first times of
// the series (time[0], time[1], ...), so the set still starts where it started; its kept triggers move back by the same
// amount, time[first] - time[0], so they stay on their samples, and so does its first launch. Rate marks within the
// kept samples follow them; the others are freed. Returns false (nothing changed) when no sample lies within the range.
bool cropDataSet(DataSet& set, double tMin, double tMax);

} // namespace vimo
