#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>
#include <gtest/gtest.h>

namespace vimo::test {

// Drives modal dialogs from a test. Each step runs once on the active modal window as soon as one is open that
// differs from the window the previous step acted on: a step that opens a nested box (a click on OK that shows a
// message) is followed by a step for that box, and the next one acts on the dialog again when the box is gone.
// The destructor fails the test when a step never ran; a step that waits more than 30 seconds fails the test and
// closes the open dialogs, so that a test never hangs.
class ModalScript {
public:
    using Step = std::function<void(QWidget*)>;

    ModalScript();
    ~ModalScript();

    // A step for the next modal window of any kind.
    ModalScript& then(Step step);
    // A step for the next modal window of this class (a message box, a file dialog, the tested form): windows of
    // other classes that become active meanwhile (the parent dialog while one box closes and the next opens) are
    // passed over.
    ModalScript& thenOn(const QMetaObject& type, Step step);
    ModalScript& thenMessage(Step step);
    ModalScript& thenFileDialog(Step step);
    bool finished() const { return m_steps.empty(); }

private:
    void poll();

    struct Pending {
        Step step;
        const QMetaObject* type; // null: any window
    };
    std::deque<Pending> m_steps;
    QPointer<QWidget> m_last;
    bool m_lastSet = false;
    QTimer m_timer;
    QElapsedTimer m_waiting;
};

// The first child of `parent` with this object name and type; fails the test when there is none.
template <typename T>
T* child(QObject* parent, const char* name)
{
    T* found = parent->findChild<T*>(QLatin1String(name));
    if (!found)
        ADD_FAILURE() << "no child named " << name;
    return found;
}

// One of the window's pages, found as a user's script would find it: the window keeps them to itself.
template <class Page>
Page* pageOf(const QObject& window)
{
    Page* page = window.findChild<Page*>();
    if (!page)
        ADD_FAILURE() << "no page of that kind";
    return page;
}

// A left click in the middle of a button (or any widget), as the user makes it.
void click(QWidget* widget);

// Replaces an edit's text by typing: select all, then the keys.
void typeInto(QWidget* edit, const QString& text);

// The text of a message box, or an empty string when the widget is none.
QString messageText(QWidget* box);

// Clicks the message box's only (or default) button.
void acceptMessage(QWidget* box);

// Chooses files in a file dialog as the user types them into its name field (several names go quoted, from one
// folder), then accepts the dialog.
void chooseFiles(QWidget* fileDialog, const QStringList& paths);

} // namespace vimo::test
