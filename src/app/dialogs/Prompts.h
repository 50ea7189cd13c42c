#pragma once

#include "base/ModuleReporter.h"

#include <QString>

class QWidget;

namespace vimo {

// The answer to the question of what to do with unsaved work.
enum class SaveAnswer { SaveAll, Discard, Cancel };

// The modal questions and boxes the window shows. The program uses message boxes and the file dialog; the widget
// tests answer through a scripted stand-in.
class Prompts {
public:
    virtual ~Prompts() = default;

    // A box with an OK button.
    virtual void message(QWidget* parent, const QString& caption, const QString& text, MessageIcon icon) = 0;
    // Yes and No, no icon; true for Yes.
    virtual bool yesNo(QWidget* parent, const QString& caption, const QString& text) = 0;
    // The same with No as the default button, for a Yes that cannot be undone.
    virtual bool yesNoDefaultNo(QWidget* parent, const QString& caption, const QString& text)
    {
        return yesNo(parent, caption, text);
    }
    // OK and Cancel; true for OK.
    virtual bool okCancel(QWidget* parent, const QString& caption, const QString& text, MessageIcon icon) = 0;
    // A file to open; empty when the user cancelled. `filter` is in the file dialog's form ("A (*.a);;B (*)").
    virtual QString openFile(QWidget* parent, const QString& title, const QString& filter,
                             const QString& defaultSuffix) = 0;
    // "Save All", "Discard" and "Cancel", warning icon; Escape and closing the box cancel.
    virtual SaveAnswer saveDiscardCancel(QWidget* parent, const QString& caption, const QString& text) = 0;
};

// Message boxes and the file dialog.
class DialogPrompts : public Prompts {
public:
    void message(QWidget* parent, const QString& caption, const QString& text, MessageIcon icon) override;
    bool yesNo(QWidget* parent, const QString& caption, const QString& text) override;
    bool yesNoDefaultNo(QWidget* parent, const QString& caption, const QString& text) override;
    bool okCancel(QWidget* parent, const QString& caption, const QString& text, MessageIcon icon) override;
    QString openFile(QWidget* parent, const QString& title, const QString& filter,
                     const QString& defaultSuffix) override;
    SaveAnswer saveDiscardCancel(QWidget* parent, const QString& caption, const QString& text) override;
};

} // namespace vimo
