#pragma once
// The catalogue of the form kinds: the one table of what each kind is. The main window's new and
// open operations, the open dialog's preset name, shenbao-pdf's choice of kind for a data file and
// every kind's FormCreate read their values from it. Rows stand in the main window's class test
// order.

#include <QString>

#include <functional>
#include <vector>

class QWidget;
class TEABaseForm;
class TfrReport;

struct TKindInfo {
    QString className;         // "TFrmYPZCSQ": the window class
    QString unit;              // "YPZCSQ": the unit, the .ui layout and the template are named after it
    QString formName;          // "FrmYPZCSQ": the window's name and its global reference
    QString caption;           // the window caption stored with the form
    QString formTitle;         // after "新建" / "编辑" in the caption; the printed document's title
    QString kindTag;           // first part of every data file name; the open dialog's preset name
    QString configType;        // what a definition or data file's config-type must equal
    QString configFile;        // the definition file, relative to the executable's folder
    QString templateResource;  // the printed template, ":/reports/<unit>.frt"
    int defaultCopies = 1;     // copies the print dialog starts with
    QString newOperation;      // the main window's new-form operation, "N2Click"
    QString openOperation;     // the main window's open-file operation, "N6Click"

    // Creates a window of the kind as a child of parent (its FormCreate has run) and sets the
    // kind's global reference to it.
    std::function<TEABaseForm *(QWidget *parent)> create;
    // The kind's global reference: its open window, or nullptr.
    std::function<TEABaseForm *()> current;
};

const std::vector<TKindInfo> &AllKinds();

// The row of a window class; raises EError for a class that is no kind.
const TKindInfo &KindOfClass(const QString &className);
// The row of the kind whose config-type is the given text (compared exactly), or nullptr.
const TKindInfo *KindOfConfigType(const QString &configType);
// The row named by a kind tag ("变更"), a class name ("TFrmYPBCSQ") or a unit ("YPBCSQ"), or
// nullptr.
const TKindInfo *FindKind(const QString &name);

// The part of FormCreate that every kind shares: stores the row's definition file, titles, tag and
// config-type in the form, and gives it a report component "frReport1" holding the kind's template
// with its default copies. Returns that report component, owned by the form.
TfrReport *StoreKindValues(TEABaseForm &form, const TKindInfo &kind);
