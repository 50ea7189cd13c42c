#pragma once

#include <QString>

namespace vimo {

// Icons of the message boxes the module and firmware exchanges show.
enum class MessageIcon { None, Information, Warning };

// Panels of the status bar that module exchanges write to. Progress names the stage of the long work the progress
// bar shows ("Set 2 of 3"); the window adds the time left to it, and progressDone() clears it with the bar.
enum class StatusPanel { Connection, Logging, Progress };

// Everything a module or firmware exchange tells the user goes through this one interface: lines of the
// information memo, message boxes, questions, the progress bar and the status panels. The window's worker thread
// forwards each call to the window; vimo-cli prints them. The exchanges themselves return plain values.
//
// Calls come from the thread that runs the exchange, in the order the user must see them.
class ModuleReporter {
public:
    virtual ~ModuleReporter() = default;

    virtual void clearMemo() = 0;
    virtual void memoLine(const QString& line) = 0;

    // A modal message box with an OK button.
    virtual void message(const QString& caption, const QString& text, MessageIcon icon) = 0;

    // A modal question with the buttons Yes and No and no icon; true for Yes.
    virtual bool confirm(const QString& caption, const QString& text) = 0;
    // The same for a question whose Yes cannot be undone (erasing the module): No is the default button, so that
    // Enter never says Yes.
    virtual bool confirmNoByDefault(const QString& caption, const QString& text) { return confirm(caption, text); }

    // Shows the progress bar at `value` of `total`; progressDone() hides it again and clears the Progress panel.
    virtual void progress(int value, int total) = 0;
    virtual void progressDone() = 0;

    virtual void status(StatusPanel panel, const QString& text) = 0;

    // Brings the "Connect / Download" page to the front, so that a memo line written there is seen.
    virtual void showConnectPage() {}

    // Polled by long exchanges (a download); true asks them to stop at the next word.
    virtual bool cancelRequested() { return false; }
};

} // namespace vimo
