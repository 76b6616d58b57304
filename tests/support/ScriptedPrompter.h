#pragma once
// A prompter for tests: records every text shown and answers questions and file dialogs from
// queues the test fills beforehand. Anything asked that the script did not expect is recorded in
// Unexpected, so a test can fail on it.

#include "Prompts.h"

#include <QQueue>
#include <QStringList>

class TScriptedPrompter : public TPrompter {
public:
    // Installs itself on construction and restores the Qt prompter on destruction.
    TScriptedPrompter();
    ~TScriptedPrompter() override;

    void Message(const QString &text) override;
    bool Question(const QString &text) override;
    QString OpenFile(const QString &presetName, const QString &filter,
                     const QString &initialDir) override;

    // Answers, consumed in order.
    void AnswerQuestion(bool ok) { QuestionAnswers.enqueue(ok); }
    void AnswerOpenFile(const QString &path) { OpenAnswers.enqueue(path); }  // empty = cancel

    void Clear();

    QStringList Messages;   // texts of plain message boxes, in order
    QStringList Questions;  // texts of questions, in order
    QStringList OpenPresets;       // preset file names of the open dialogs shown
    QStringList OpenFilters;       // their filters
    QStringList OpenDirs;          // their initial folders
    QStringList Log;        // everything in order: "message: ...", "question: ...", "open: ..."
    QStringList Unexpected; // prompts that found no scripted answer

    QQueue<bool> QuestionAnswers;
    QQueue<QString> OpenAnswers;

};
