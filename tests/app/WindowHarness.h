#pragma once

#include "app/MainWindow.h"
#include "app/dialogs/Prompts.h"
#include "app/session/PlotSession.h"

#include <QList>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>
#include <memory>

class QAbstractButton;

namespace vimo::test {

// The boxes and file dialogs the window showed, answered from a script: questions take the next queued answer
// (Yes / OK when none is queued), the file dialog returns `fileToOpen`, the question about unsaved work takes the
// next of `saveAnswers` (Discard when none is queued).
class ScriptedPrompts : public Prompts {
public:
    struct Shown {
        QString kind; // "message", "yesNo", "yesNoDefaultNo", "okCancel", "openFile", "saveDiscardCancel"
        QString caption;
        QString text;
        MessageIcon icon = MessageIcon::None;
    };

    QList<Shown> shown;
    QList<bool> answers;
    QList<SaveAnswer> saveAnswers;
    QString fileToOpen;

    void message(QWidget*, const QString& caption, const QString& text, MessageIcon icon) override;
    bool yesNo(QWidget*, const QString& caption, const QString& text) override;
    bool yesNoDefaultNo(QWidget*, const QString& caption, const QString& text) override;
    bool okCancel(QWidget*, const QString& caption, const QString& text, MessageIcon icon) override;
    QString openFile(QWidget*, const QString& title, const QString& filter, const QString& suffix) override;
    SaveAnswer saveDiscardCancel(QWidget*, const QString& caption, const QString& text) override;

    QStringList texts() const;

private:
    bool nextAnswer();
};

// Receives the addresses handed to the desktop (QDesktopServices::setUrlHandler).
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public Q_SLOTS:
    void open(const QUrl& url) { urls.append(url); }
};

// The real main window, offscreen, with a settings store of its own and scripted boxes. Its module exchanges run
// with the short timing (support/ShortTiming.h).
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates and shows the window (its first show reads the settings).
    void startWindow();

    QSettings store() const;

    // Types a device path into the port box.
    void choosePort(const QString& path);
    // Clicks a button with the mouse, as the user does.
    static void click(QAbstractButton* button);
    // Waits until no module exchange runs; false on time-out.
    bool waitIdle(int timeoutMs = 20000);
    // Connects to the device and waits for the configuration read that follows.
    void connectTo(const QString& path);

    QStringList memo() const;

    // From now on, every new stage of a long exchange (a data set, the firmware) appends to `progressStages` what
    // the status bar's progress text shows for it.
    void watchProgressStages();
    QStringList progressStages;

    // The archive of this test's downloads: VIMO_ARCHIVE names it from SetUp() to TearDown(), so every window of
    // the test keeps its flights there and sees no other test's.
    QString archivePath() const { return m_archiveDir.path(); }

    ScriptedPrompts prompts;
    std::unique_ptr<MainWindow> window;

private:
    QTemporaryDir m_settingsDir;
    QTemporaryDir m_archiveDir;
    QByteArray m_savedArchive;
};

} // namespace vimo::test
