#include "WindowHarness.h"
#include "PageControls.h"

#include "app/controllers/ModuleController.h"
#include "app/pages/ConnectPage.h"
#include "support/ShortTiming.h"

#include <QPushButton>

#include <QAbstractButton>
#include <QComboBox>
#include <QTest>

namespace vimo::test {

void ScriptedPrompts::message(QWidget*, const QString& caption, const QString& text, MessageIcon icon)
{
    shown.append({QStringLiteral("message"), caption, text, icon});
}

bool ScriptedPrompts::yesNo(QWidget*, const QString& caption, const QString& text)
{
    shown.append({QStringLiteral("yesNo"), caption, text, MessageIcon::None});
    return nextAnswer();
}

bool ScriptedPrompts::yesNoDefaultNo(QWidget*, const QString& caption, const QString& text)
{
    shown.append({QStringLiteral("yesNoDefaultNo"), caption, text, MessageIcon::None});
    return nextAnswer();
}

bool ScriptedPrompts::okCancel(QWidget*, const QString& caption, const QString& text, MessageIcon icon)
{
    shown.append({QStringLiteral("okCancel"), caption, text, icon});
    return nextAnswer();
}

QString ScriptedPrompts::openFile(QWidget*, const QString& title, const QString& filter, const QString& suffix)
{
    shown.append({QStringLiteral("openFile"), title, filter + QStringLiteral(" / ") + suffix, MessageIcon::None});
    return fileToOpen;
}

SaveAnswer ScriptedPrompts::saveDiscardCancel(QWidget*, const QString& caption, const QString& text)
{
    shown.append({QStringLiteral("saveDiscardCancel"), caption, text, MessageIcon::Warning});
    return saveAnswers.isEmpty() ? SaveAnswer::Discard : saveAnswers.takeFirst();
}

QStringList ScriptedPrompts::texts() const
{
    QStringList list;
    for (const Shown& s : shown)
        list.append(s.text);
    return list;
}

bool ScriptedPrompts::nextAnswer()
{
    return answers.isEmpty() ? true : answers.takeFirst();
}

void WindowTest::SetUp()
{
    ASSERT_TRUE(m_settingsDir.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settingsDir.path());
    ASSERT_TRUE(m_archiveDir.isValid());
    m_savedArchive = qgetenv("VIMO_ARCHIVE");
    qputenv("VIMO_ARCHIVE", m_archiveDir.path().toUtf8());
}

void WindowTest::TearDown()
{
    if (window) {
        waitIdle();
        window.reset();
    }
    qputenv("VIMO_ARCHIVE", m_savedArchive);
}

void WindowTest::startWindow()
{
    window = std::make_unique<MainWindow>(&prompts, nullptr, shortTiming());
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
}

QSettings WindowTest::store() const
{
    return QSettings(QStringLiteral("Brennick"), QStringLiteral("Vimo"));
}

void WindowTest::choosePort(const QString& path)
{
    controls(pageOf<ConnectPage>(*window)).portBox->setEditText(path);
}

void WindowTest::click(QAbstractButton* button)
{
    ASSERT_TRUE(button->isEnabled()) << button->objectName().toStdString();
    QTest::mouseClick(button, Qt::LeftButton);
}

bool WindowTest::waitIdle(int timeoutMs)
{
    return QTest::qWaitFor([this] { return !window->module().busy(); }, timeoutMs);
}

void WindowTest::connectTo(const QString& path)
{
    choosePort(path);
    click(controls(pageOf<ConnectPage>(*window)).connectButton);
    ASSERT_TRUE(waitIdle());
}

QStringList WindowTest::memo() const
{
    return pageOf<ConnectPage>(*window)->memoLines();
}

void WindowTest::watchProgressStages()
{
    // Connected after the window's own handler, so the panel already shows the new stage.
    QObject::connect(&window->module(), &ModuleController::status, window.get(),
                     [this](StatusPanel panel, const QString&) {
                         if (panel == StatusPanel::Progress)
                             progressStages << controls(window.get()).progressText->text();
                     });
}

} // namespace vimo::test
