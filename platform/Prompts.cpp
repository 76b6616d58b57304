#include "Prompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

TPrompter::~TPrompter() = default;

namespace {
TQtPrompter g_qtPrompter;
TPrompter *g_current = nullptr;

QString applicationTitle()
{
    return QString::fromUtf8(kApplicationTitle);
}
}  // namespace

void TQtPrompter::Message(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, applicationTitle(), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

bool TQtPrompter::Question(const QString &text)
{
    QMessageBox box(QMessageBox::Warning, QString::fromUtf8(kQuestionCaption), text,
                    QMessageBox::Ok | QMessageBox::Cancel, QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok;
}

QString TQtPrompter::OpenFile(const QString &presetName, const QString &filter,
                              const QString &initialDir)
{
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(QStringLiteral("qx"));
    if (!initialDir.isEmpty())
        dialog.setDirectory(initialDir);
    dialog.selectFile(presetName);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

TPrompter &Prompt::Current()
{
    return g_current ? *g_current : static_cast<TPrompter &>(g_qtPrompter);
}

void Prompt::Install(TPrompter *prompter)
{
    g_current = prompter;
}

void Prompt::Message(const QString &text)
{
    Current().Message(text);
}

bool Prompt::Question(const QString &text)
{
    return Current().Question(text);
}

QString Prompt::OpenFile(const QString &presetName, const QString &filter,
                         const QString &initialDir)
{
    return Current().OpenFile(presetName, filter, initialDir);
}
