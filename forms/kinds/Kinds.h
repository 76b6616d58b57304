#pragma once
// The catalogue of the six form kinds, in the main window's class test order.

#include <QString>

#include <functional>
#include <vector>

class QWidget;
class TEABaseForm;

struct TKindInfo {
    QString className;  // "TFrmYPZCSQ", ...
    // Creates a window of the kind as a child of parent (its FormCreate has run) and sets the
    // kind's global reference to it.
    std::function<TEABaseForm *(QWidget *parent)> create;
    // The kind's global reference: its open window, or nullptr.
    std::function<TEABaseForm *()> current;
};

const std::vector<TKindInfo> &AllKinds();
