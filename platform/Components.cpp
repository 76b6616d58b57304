#include "Components.h"

#include <QHash>
#include <QPointer>
#include <QWidget>

namespace {
struct TComponentIndex {
    QHash<QString, QPointer<QWidget>> byName;  // case-folded name -> first widget of that name
    bool built = false;
    bool fresh = false;  // built within the current pass: a miss is then final
    int passes = 0;
};

QHash<const QObject *, TComponentIndex> &indexes()
{
    // Never freed: a form destroyed during the program's exit still finds it.
    static auto *all = new QHash<const QObject *, TComponentIndex>;
    return *all;
}

QString foldName(const QString &name)
{
    return name.toCaseFolded();
}

bool isInternal(const QString &name)
{
    return name.startsWith(QLatin1String("qt_"));
}

TComponentIndex &indexOf(const QObject *form)
{
    auto &all = indexes();
    auto it = all.find(form);
    if (it == all.end()) {
        it = all.insert(form, TComponentIndex());
        QObject::connect(form, &QObject::destroyed, [form] { indexes().remove(form); });
    }
    return it.value();
}

void rebuild(const QObject *form, TComponentIndex &index)
{
    index.byName.clear();
    // findChildren walks depth first in child order: the first widget of a name wins.
    const auto widgets = form->findChildren<QWidget *>();
    index.byName.reserve(widgets.size());
    for (QWidget *w : widgets) {
        const QString name = w->objectName();
        if (name.isEmpty() || isInternal(name))
            continue;
        const QString key = foldName(name);
        if (!index.byName.contains(key))
            index.byName.insert(key, w);
    }
    index.built = true;
    index.fresh = index.passes > 0;
}

bool isDescendant(const QObject *form, const QObject *object)
{
    for (const QObject *p = object->parent(); p; p = p->parent())
        if (p == form)
            return true;
    return false;
}

// The indexed widget when it still is a descendant of the form with that name.
QWidget *validHit(const QObject *form, const TComponentIndex &index, const QString &key,
                  const QString &name, bool *stale)
{
    *stale = false;
    const auto it = index.byName.constFind(key);
    if (it == index.byName.constEnd())
        return nullptr;
    QWidget *w = it.value();
    if (w && isDescendant(form, w) && w->objectName().compare(name, Qt::CaseInsensitive) == 0)
        return w;
    *stale = true;
    return nullptr;
}
}  // namespace

QWidget *FindComponent(const QObject *form, const QString &name)
{
    if (!form || name.isEmpty() || isInternal(name))
        return nullptr;
    TComponentIndex &index = indexOf(form);
    const QString key = foldName(name);
    if (!index.built)
        rebuild(form, index);
    bool stale = false;
    if (QWidget *w = validHit(form, index, key, name, &stale))
        return w;
    if (!stale && index.fresh)
        return nullptr;
    rebuild(form, index);
    return validHit(form, index, key, name, &stale);
}

TComponentLookupPass::TComponentLookupPass(const QObject *form) : m_form(form)
{
    if (!m_form)
        return;
    TComponentIndex &index = indexOf(m_form);
    if (index.passes++ == 0)
        index.fresh = false;  // the first miss of the pass brings the index up to date
}

TComponentLookupPass::~TComponentLookupPass()
{
    if (!m_form)
        return;
    auto &all = indexes();
    auto it = all.find(m_form);
    if (it != all.end() && --it.value().passes == 0)
        it.value().fresh = false;
}
