#pragma once

#include <QApplication>
#include <functional>

namespace vimo {

// Runs `deliver`; an exception it throws is caught and described to `report` ("Error" box), and false returned.
// No exception leaves this function.
bool deliverGuarded(const std::function<bool()>& deliver, const std::function<void(const QString&)>& report);

// The program's application object: names the program, and keeps every exception thrown by an event handler from
// crossing the event loop: the handler's exception is shown in a message box and the program goes on.
class GuardedApplication : public QApplication {
    Q_OBJECT
public:
    GuardedApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

// Shows a caught exception's description in a warning box with the caption "Error".
void showExceptionBox(const QString& what);

} // namespace vimo
