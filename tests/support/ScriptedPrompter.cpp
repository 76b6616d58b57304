#include "ScriptedPrompter.h"

TScriptedPrompter::TScriptedPrompter()
{
    Prompt::Install(this);
}

TScriptedPrompter::~TScriptedPrompter()
{
    Prompt::Install(nullptr);
}

void TScriptedPrompter::Message(const QString &text)
{
    Messages << text;
    Log << QStringLiteral("message: ") + text;
}

bool TScriptedPrompter::Question(const QString &text)
{
    Questions << text;
    Log << QStringLiteral("question: ") + text;
    if (QuestionAnswers.isEmpty()) {
        Unexpected << QStringLiteral("question: ") + text;
        return false;
    }
    return QuestionAnswers.dequeue();
}

QString TScriptedPrompter::OpenFile(const QString &presetName, const QString &filter,
                                    const QString &initialDir)
{
    OpenPresets << presetName;
    OpenFilters << filter;
    OpenDirs << initialDir;
    Log << QStringLiteral("open: ") + presetName;
    if (OpenAnswers.isEmpty()) {
        Unexpected << QStringLiteral("open: ") + presetName;
        return QString();
    }
    return OpenAnswers.dequeue();
}

void TScriptedPrompter::Clear()
{
    Messages.clear();
    Questions.clear();
    OpenPresets.clear();
    OpenFilters.clear();
    OpenDirs.clear();
    Log.clear();
    Unexpected.clear();
    QuestionAnswers.clear();
    OpenAnswers.clear();
}
