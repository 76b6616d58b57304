#pragma once
// Lookup of a form's components by name, letter case ignored, among the widgets and objects the
// form window owns (its descendants). An empty name matches nothing.

#include <QString>

class QObject;
class QWidget;

QWidget *FindComponent(const QObject *form, const QString &name);
