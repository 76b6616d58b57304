#include "YJProc.h"

#include "Prompts.h"
#include "mainform.h"

#include <QMdiSubWindow>
#include <QPointer>

void CloseAllChildren(TFrmMain *mainForm)
{
    if (!mainForm)
        return;
    const auto children = mainForm->MDIChildren();
    QList<QPointer<QMdiSubWindow>> guarded(children.cbegin(), children.cend());
    // Each child runs its own close question; one that declines stays open.
    for (auto it = guarded.crbegin(); it != guarded.crend(); ++it)
        if (*it)
            (*it)->close();
    const int stillOpen = mainForm->MDIChildCount();
    if (stillOpen > 0) {
        Prompt::Message(QStringLiteral("还有") + QString::number(stillOpen)
                        + QStringLiteral("个窗体没关闭！"));
        return;
    }
    mainForm->close();
}
