#pragma once

#include "data/Plot.h"

#include <QString>

namespace vimo {

// The texts of the Graph Scale dialog's four edits: Time Min, Time Max, Altitude Min, Altitude Max.
struct ScaleTexts {
    QString xMin;
    QString xMax;
    QString yMin;
    QString yMax;
    friend bool operator==(const ScaleTexts&, const ScaleTexts&) = default;
};

// A value as an edit shows it: the shortest general form with up to 15 significant digits ("20", "0.1",
// "1e+20"), the same in every locale.
QString scaleValueText(double value);

// The edits' texts when the dialog opens: the current visible range.
ScaleTexts scaleTextsFor(const Plot& plot);

// "Auto": scales both axes automatically at once (the visible range and homeRange change whatever closes the dialog
// later) and returns the edits' new texts. Time Min shows "0", not the computed minimum.
ScaleTexts autoScaleTexts(Plot& plot);

// The range OK would set: each text read with "%lf" (at most its first 39 characters); a text that does not parse
// keeps the current value.
PlotRange rangeFromScaleTexts(const PlotRange& current, const ScaleTexts& texts);

// Why a range cannot be shown, or an empty text when it can: each minimum must lie below its maximum, and the span
// must be a finite number.
QString scaleRangeProblem(const PlotRange& range);

// How OK treats a range that cannot be shown.
enum class ScaleCheck {
    AcceptAny,     // take the typed values whatever they are (a minimum at or above its maximum included)
    RefuseInvalid, // refuse them with scaleRangeProblem's text and change nothing
};

// OK: the parsed range becomes the visible range and homeRange. Returns an empty text, or the reason for a refusal
// (only with ScaleCheck::RefuseInvalid), in which case nothing changed.
QString acceptScaleTexts(Plot& plot, const ScaleTexts& texts, ScaleCheck check);

} // namespace vimo
