#pragma once
// The one road by which the system talks to the user in message boxes, questions and the
// file-open dialog. The program installs the Qt implementation; tests install a scripted one.

#include <QString>

class QWidget;

class TPrompter {
public:
    virtual ~TPrompter();
    // Plain message box: the text, one OK button, caption = the application's title.
    virtual void Message(const QString &text) = 0;
    // Question: caption "警告", warning icon, OK and Cancel. True only when the user chose OK.
    virtual bool Question(const QString &text) = 0;
    // File-open dialog. Returns the full path chosen, or an empty text when cancelled.
    virtual QString OpenFile(const QString &presetName, const QString &filter,
                             const QString &initialDir) = 0;
};

// The message boxes and dialogs of Qt, parented to the active window.
class TQtPrompter : public TPrompter {
public:
    void Message(const QString &text) override;
    bool Question(const QString &text) override;
    QString OpenFile(const QString &presetName, const QString &filter,
                     const QString &initialDir) override;
};

namespace Prompt {
// The prompter in use; the Qt one unless another has been installed.
TPrompter &Current();
// Installs a prompter (not owned); nullptr brings back the Qt one.
void Install(TPrompter *prompter);

void Message(const QString &text);
bool Question(const QString &text);
QString OpenFile(const QString &presetName, const QString &filter, const QString &initialDir);
}  // namespace Prompt

// The application's title: the caption of plain message boxes and of the main window.
inline const char *const kApplicationTitle = "电子申报";
// The caption of a question box.
inline const char *const kQuestionCaption = "警告";
