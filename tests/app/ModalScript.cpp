#include "ModalScript.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace vimo::test {

ModalScript::ModalScript()
{
    m_timer.setInterval(5);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
    m_timer.start();
    m_waiting.start();
}

ModalScript::~ModalScript()
{
    EXPECT_TRUE(m_steps.empty()) << m_steps.size() << " dialog step(s) never ran";
}

ModalScript& ModalScript::then(Step step)
{
    m_steps.push_back({std::move(step), nullptr});
    return *this;
}

ModalScript& ModalScript::thenOn(const QMetaObject& type, Step step)
{
    m_steps.push_back({std::move(step), &type});
    return *this;
}

ModalScript& ModalScript::thenMessage(Step step)
{
    return thenOn(QMessageBox::staticMetaObject, std::move(step));
}

ModalScript& ModalScript::thenFileDialog(Step step)
{
    return thenOn(QFileDialog::staticMetaObject, std::move(step));
}

void ModalScript::poll()
{
    if (m_steps.empty())
        return;
    QWidget* modal = QApplication::activeModalWidget();
    const QMetaObject* type = m_steps.front().type;
    const bool wanted = modal && modal->isVisible() && !(m_lastSet && modal == m_last.data())
                        && (!type || modal->inherits(type->className()));
    if (!wanted) {
        if (m_waiting.elapsed() > 30000) {
            ADD_FAILURE() << "a dialog step waited 30 s; closing the dialogs";
            m_steps.clear();
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (window->isVisible() && window->isModal())
                    window->close();
            }
        }
        return;
    }
    m_waiting.restart();
    Step step = std::move(m_steps.front().step);
    m_steps.pop_front();
    m_last = modal;
    m_lastSet = true;
    // Run outside this timer's slot: a step that opens a nested dialog blocks until it closes, and the polling
    // must go on meanwhile.
    QPointer<QWidget> target = modal;
    QTimer::singleShot(0, [step = std::move(step), target] {
        if (target)
            step(target);
    });
}

void click(QWidget* widget)
{
    ASSERT_NE(widget, nullptr);
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

void typeInto(QWidget* edit, const QString& text)
{
    ASSERT_NE(edit, nullptr);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

QString messageText(QWidget* box)
{
    auto* message = qobject_cast<QMessageBox*>(box);
    return message ? message->text() : QString();
}

void acceptMessage(QWidget* box)
{
    auto* message = qobject_cast<QMessageBox*>(box);
    ASSERT_NE(message, nullptr) << "expected a message box";
    QAbstractButton* button = message->defaultButton();
    if (!button && !message->buttons().isEmpty())
        button = message->buttons().first();
    click(button);
}

} // namespace vimo::test

namespace vimo::test {

void chooseFiles(QWidget* fileDialog, const QStringList& paths)
{
    auto* dialog = qobject_cast<QFileDialog*>(fileDialog);
    ASSERT_NE(dialog, nullptr) << "expected a file dialog";
    ASSERT_FALSE(paths.isEmpty());
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(name, nullptr);
    if (paths.size() == 1) {
        name->setText(paths.first());
    } else {
        dialog->setDirectory(QFileInfo(paths.first()).absolutePath());
        QStringList quoted;
        for (const QString& p : paths)
            quoted << QLatin1Char('"') + QFileInfo(p).fileName() + QLatin1Char('"');
        name->setText(quoted.join(QLatin1Char(' ')));
    }
    QMetaObject::invokeMethod(dialog, "accept");
}

} // namespace vimo::test
