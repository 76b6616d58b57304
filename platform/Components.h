#pragma once
// Lookup of a form's components by name, letter case ignored, among the widgets and objects the
// form window owns (its descendants). An empty name matches nothing; widgets whose name begins
// with "qt_" are Qt's or a composite widget's inner parts and never match.
//
// Each form keeps an index of its components by name, built at the first lookup; a hit is checked
// against the widget itself, and a miss rebuilds the index, so renamed, added and removed widgets
// are always seen. Inside a TComponentLookupPass a miss does not rebuild: a pass that binds a
// document adds no widgets, and a document naming many absent controls stays linear.

#include <QString>

class QObject;
class QWidget;

QWidget *FindComponent(const QObject *form, const QString &name);

class TComponentLookupPass {
public:
    explicit TComponentLookupPass(const QObject *form);
    ~TComponentLookupPass();
    TComponentLookupPass(const TComponentLookupPass &) = delete;
    TComponentLookupPass &operator=(const TComponentLookupPass &) = delete;

private:
    const QObject *m_form;
};
