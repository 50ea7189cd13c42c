#include "app/session/PlotCommands.h"

#include "data/Plot.h"

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QUndoStack>

namespace vimo {
namespace {

QAction* command(QObject* parent, const char* name, const QString& text, const QKeySequence& shortcut,
                 const QString& tip, bool checkable = false)
{
    auto* action = new QAction(text, parent);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    action->setToolTip(tip);
    action->setCheckable(checkable);
    return action;
}

QKeySequence keys(const char* text)
{
    return QKeySequence(QLatin1String(text));
}

void addFileCommands(PlotCommands& c, QObject* parent)
{
    c.load = command(parent, "LoadAction", QStringLiteral("&Load..."), QKeySequence::Open, QStringLiteral("Load data"));
    c.save = command(parent, "SaveAction", QStringLiteral("&Save..."), QKeySequence::Save, QStringLiteral("Save Data"));
    c.exportPlot = command(parent, "ExportAction", QStringLiteral("&Export..."), keys("Ctrl+E"),
                           QStringLiteral("Export plot to bitmap, JPEG, GIF"));
    c.print = command(parent, "PrintAction", QStringLiteral("&Print..."), QKeySequence::Print,
                      QStringLiteral("Print the plot"));
}

void addEditCommands(PlotCommands& c, QObject* parent, QUndoStack& stack)
{
    c.undo = stack.createUndoAction(parent, QStringLiteral("&Undo"));
    c.undo->setObjectName(QStringLiteral("UndoAction"));
    c.undo->setShortcuts(QKeySequence::Undo);
    c.undo->setToolTip(QStringLiteral("Take back the last change of the data sets"));
    c.redo = stack.createRedoAction(parent, QStringLiteral("&Redo"));
    c.redo->setObjectName(QStringLiteral("RedoAction"));
    c.redo->setShortcuts(QKeySequence::Redo);
    c.redo->setToolTip(QStringLiteral("Make the last change taken back again"));
    c.crop = command(parent, "CropAction", QStringLiteral("&Crop"), keys("Ctrl+R"),
                     QStringLiteral("Crop data to that shown in display"));
    c.dataProperties = command(parent, "DataPropAction", QStringLiteral("&Data Properties..."), keys("Ctrl+D"),
                               QStringLiteral("Edit Dataset Properties"));
}

void addViewCommands(PlotCommands& c, QObject* parent)
{
    c.scale = command(parent, "ScaleAction", QStringLiteral("&Scale..."), keys("Ctrl+K"),
                      QStringLiteral("Manually set plot scale"));
    c.plotProperties = command(parent, "PlotPropAction", QStringLiteral("P&lot Properties..."), keys("Ctrl+T"),
                               QStringLiteral("Edit plot colors and text"));
    c.zoomIn = command(parent, "ZoomInAction", QStringLiteral("Zoom &In"), QKeySequence::ZoomIn,
                       QStringLiteral("Show the middle half of the visible range"));
    c.zoomOut = command(parent, "ZoomOutAction", QStringLiteral("Zoom &Out"), QKeySequence::ZoomOut,
                        QStringLiteral("Show twice the visible range"));
    c.zoomReset = command(parent, "ZoomResetAction", QStringLiteral("&Reset Zoom"), keys("Ctrl+0"),
                          QStringLiteral("Zoom back to original size"));
    c.legend = command(parent, "LegendAction", QStringLiteral("&Legend"), keys("Ctrl+L"),
                       QStringLiteral("Show the name, line colour and style of each data set on the plot"), true);
    c.legendInOutput =
        command(parent, "LegendInOutputAction", QStringLiteral("Legend in E&xports and Prints"), keys("Ctrl+Shift+L"),
                QStringLiteral("Draw the legend on exported and printed plots as well"), true);
    c.flightMarks =
        command(parent, "FlightMarksAction", QStringLiteral("Flight &Marks"), keys("Ctrl+M"),
                QStringLiteral("Mark the start height, launch, landing and climbs of the active data set"), true);
    c.flightMarksInOutput = command(
        parent, "FlightMarksInOutputAction", QStringLiteral("Flight Marks in Exports and Pr&ints"),
        keys("Ctrl+Shift+M"), QStringLiteral("Draw the flight marks on exported and printed plots as well"), true);
    c.cursorReadout = command(parent, "CursorReadoutAction", QStringLiteral("C&ursor Read-out"), keys("Ctrl+Shift+U"),
                              QStringLiteral("Follow the mouse with a line and list every data set's altitude and "
                                             "climb rate at that time"),
                              true);
    c.alignAtLaunch = command(parent, "AlignAtLaunchAction", QStringLiteral("&Align at Launch"), keys("Ctrl+Shift+N"),
                              QStringLiteral("Show every data set with its first launch at time 0"), true);
    c.climbRate = command(parent, "ClimbRateAction", QStringLiteral("Cl&imb Rate"), keys("Ctrl+Shift+I"),
                          QStringLiteral("Draw the climb rate of the active data set against a right axis"), true);
    c.copyPlot = command(parent, "CopyPlotAction", QStringLiteral("&Copy Plot"), keys("Ctrl+Shift+C"),
                         QStringLiteral("Put the plot on the clipboard as Export draws it"));
    c.plotWindow = command(parent, "PlotWindowAction", QStringLiteral("Plot &Window"), keys("F11"),
                           QStringLiteral("Show the plot in a window of its own that can be resized"), true);
}

// Checkable and exclusive: one choice is always made.
void addAltitudeUnitCommands(PlotCommands& c, QObject* parent)
{
    auto* group = new QActionGroup(parent);
    const auto choice = [&](const char* name, const QString& text, const QString& tip, AltitudeAxisChoice value) {
        QAction* action = command(parent, name, text, QKeySequence(), tip, true);
        action->setData(int(value));
        group->addAction(action);
        return action;
    };
    c.unitAsRecorded =
        choice("UnitAsRecordedAction", QStringLiteral("As &Recorded"),
               QStringLiteral("Show altitudes in the unit of the first data set"), AltitudeAxisChoice::AsRecorded);
    c.unitMeters = choice("UnitMetersAction", QStringLiteral("&Meters"), QStringLiteral("Show altitudes in meters"),
                          AltitudeAxisChoice::Meters);
    c.unitFeet = choice("UnitFeetAction", QStringLiteral("&Feet"), QStringLiteral("Show altitudes in feet"),
                        AltitudeAxisChoice::Feet);
    c.unitAsRecorded->setChecked(true);
}

QKeySequence with(Qt::KeyboardModifiers modifiers, Qt::Key key)
{
    return QKeySequence(QKeyCombination(modifiers, key));
}

// Home with every combination of Shift, Ctrl, Alt and Meta.
QList<QKeySequence> homeKeys()
{
    QList<QKeySequence> home;
    for (int m = 0; m < 16; ++m) {
        Qt::KeyboardModifiers modifiers;
        modifiers.setFlag(Qt::ShiftModifier, m & 1);
        modifiers.setFlag(Qt::ControlModifier, m & 2);
        modifiers.setFlag(Qt::AltModifier, m & 4);
        modifiers.setFlag(Qt::MetaModifier, m & 8);
        home << with(modifiers, Qt::Key_Home);
    }
    return home;
}

void addPlotKeys(PlotCommands& c, QObject* parent,
                 const std::function<void(int key, Qt::KeyboardModifiers modifiers)>& plotKey)
{
    struct PlotKey {
        const char* name;
        const char* text;
        QList<QKeySequence> keys;
        int key;
        Qt::KeyboardModifiers modifiers;
    };
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    const Qt::KeyboardModifiers ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
    const Qt::KeyboardModifiers shift = Qt::ShiftModifier;
    const PlotKey table[] = {
        {"StretchTimeAction",
         "Widen Time Span",
         {with(ctrl, Qt::Key_Left), with(ctrlShift, Qt::Key_Left)},
         Qt::Key_Left,
         ctrl},
        {"ShrinkTimeAction",
         "Narrow Time Span",
         {with(ctrl, Qt::Key_Right), with(ctrlShift, Qt::Key_Right)},
         Qt::Key_Right,
         ctrl},
        {"ShrinkAltitudeAction",
         "Narrow Altitude Span",
         {with(ctrl, Qt::Key_Up), with(ctrlShift, Qt::Key_Up)},
         Qt::Key_Up,
         ctrl},
        {"StretchAltitudeAction",
         "Widen Altitude Span",
         {with(ctrl, Qt::Key_Down), with(ctrlShift, Qt::Key_Down)},
         Qt::Key_Down,
         ctrl},
        {"PanLeftAction", "Pan Left", {with(shift, Qt::Key_Left)}, Qt::Key_Left, shift},
        {"PanRightAction", "Pan Right", {with(shift, Qt::Key_Right)}, Qt::Key_Right, shift},
        {"PanUpAction", "Pan Up", {with(shift, Qt::Key_Up)}, Qt::Key_Up, shift},
        {"PanDownAction", "Pan Down", {with(shift, Qt::Key_Down)}, Qt::Key_Down, shift},
        {"HomeViewAction", "Start-up View", homeKeys(), Qt::Key_Home, {}},
    };
    for (const PlotKey& k : table) {
        auto* action = new QAction(QLatin1String(k.text), parent);
        action->setObjectName(QLatin1String(k.name));
        action->setShortcuts(k.keys);
        action->setShortcutContext(Qt::WindowShortcut);
        action->setToolTip(QStringLiteral("%1 (%2)").arg(action->text(), k.keys.constFirst().toString()));
        QObject::connect(action, &QAction::triggered, parent,
                         [plotKey, key = k.key, modifiers = k.modifiers] { plotKey(key, modifiers); });
        c.plotKeys << action;
    }
}

} // namespace

QList<QAction*> PlotCommands::all() const
{
    return QList<QAction*>{load,
                           save,
                           exportPlot,
                           print,
                           undo,
                           redo,
                           scale,
                           dataProperties,
                           plotProperties,
                           zoomIn,
                           zoomOut,
                           zoomReset,
                           crop,
                           legend,
                           legendInOutput,
                           flightMarks,
                           flightMarksInOutput,
                           cursorReadout,
                           alignAtLaunch,
                           climbRate,
                           copyPlot,
                           plotWindow}
           + altitudeUnits() + plotKeys;
}

PlotCommands makePlotCommands(QObject* parent, QUndoStack& stack,
                              const std::function<void(int key, Qt::KeyboardModifiers modifiers)>& plotKey)
{
    PlotCommands c;
    addFileCommands(c, parent);
    addEditCommands(c, parent, stack);
    addViewCommands(c, parent);
    addAltitudeUnitCommands(c, parent);
    addPlotKeys(c, parent, plotKey);
    return c;
}

} // namespace vimo
