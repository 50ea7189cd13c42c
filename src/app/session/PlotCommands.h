#pragma once

#include <QList>
#include <QtCore/qnamespace.h>
#include <functional>

class QAction;
class QObject;
class QUndoStack;

namespace vimo {

// The commands of a plot, each a QAction with its name, text, shortcut and tooltip: the window puts them in its
// menus, a view that shows the plot adds them to itself so that their keys work while it is shown, and buttons
// run them.
struct PlotCommands {
    QAction* load = nullptr;
    QAction* save = nullptr;
    QAction* exportPlot = nullptr;
    QAction* print = nullptr;
    QAction* undo = nullptr;
    QAction* redo = nullptr;
    QAction* scale = nullptr;
    QAction* dataProperties = nullptr;
    QAction* plotProperties = nullptr;
    QAction* zoomIn = nullptr;
    QAction* zoomOut = nullptr;
    QAction* zoomReset = nullptr;
    QAction* crop = nullptr;
    // Toggles: the legend and the flight marks on the screen's plot, and on exported and printed plots.
    QAction* legend = nullptr;
    QAction* legendInOutput = nullptr;
    QAction* flightMarks = nullptr;
    QAction* flightMarksInOutput = nullptr;
    // View toggles of the screen's plot: the cursor line with the read-out box of every visible data set, every
    // data set shifted so that its first launch lies at time 0, and the active data set's climb-rate curve.
    QAction* cursorReadout = nullptr;
    QAction* alignAtLaunch = nullptr;
    QAction* climbRate = nullptr;
    // The picture Export writes, put on the clipboard.
    QAction* copyPlot = nullptr;
    // Shows the plot in a window of its own (checked while it is shown).
    QAction* plotWindow = nullptr;
    // The unit of the altitude axis, one of three: "As Recorded" (the unit of the first data set that knows its
    // own), "Meters", "Feet". Each action's data is its AltitudeAxisChoice as an int.
    QAction* unitAsRecorded = nullptr;
    QAction* unitMeters = nullptr;
    QAction* unitFeet = nullptr;
    // Ctrl+arrows stretch an axis (with Shift as well: Ctrl wins), Shift+arrows pan, Home with any modifiers shows
    // the start-up view. They are in no menu: only a view of the plot carries them.
    QList<QAction*> plotKeys;

    // Every command above, the plot keys last.
    QList<QAction*> all() const;
    // The three altitude unit choices, in menu order.
    QList<QAction*> altitudeUnits() const { return {unitAsRecorded, unitMeters, unitFeet}; }
};

// Creates the commands as children of `parent`; undo and redo are those of `stack`. Each plot key, when
// triggered, calls `plotKey` with its key and modifiers.
PlotCommands makePlotCommands(QObject* parent, QUndoStack& stack,
                              const std::function<void(int key, Qt::KeyboardModifiers modifiers)>& plotKey);

} // namespace vimo
