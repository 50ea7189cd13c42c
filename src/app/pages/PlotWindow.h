#pragma once

#include <QMainWindow>

class QAction;
class QLabel;

namespace vimo {

class DataPage;
class PlotSession;

// The "Recorded Data" plot in a top-level window of its own, beside the main window: a second view of the same
// plot session with the page's controls, keys, marks and undo, drawn at whatever size the user gives the window
// (it can be resized and maximised). Its status bar carries the cursor read-outs. Closing it only hides it, and
// `toggle` (View -> Plot Window) follows whether it is shown.
class PlotWindow : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kDefaultWidth = 1100;
    static constexpr int kDefaultHeight = 700;

    PlotWindow(PlotSession& session, QAction* toggle, QWidget* parent = nullptr);

    DataPage* page() const { return m_page; }

    // The window's size, place and maximised state as text for the settings, and restoring them; text that does
    // not describe a window leaves the window as it is.
    QString geometryText() const;
    void restoreGeometryText(const QString& text);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    DataPage* m_page;
    QAction* m_toggle;
    QLabel* m_position;
    QLabel* m_climb;
};

} // namespace vimo
