#include "Components.h"

#include <QWidget>

QWidget *FindComponent(const QObject *form, const QString &name)
{
    if (!form || name.isEmpty())
        return nullptr;
    const auto widgets = form->findChildren<QWidget *>();
    for (QWidget *w : widgets)
        if (w->objectName().compare(name, Qt::CaseInsensitive) == 0)
            return w;
    return nullptr;
}
