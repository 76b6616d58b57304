#pragma once
// TUIHelper, the binding engine of a form window: loads a definition or data document into the
// window's controls (with the dependencies between controls), collects the controls back into
// the document and writes the data file, and copies the document into the report for printing.
//
// Public interface used by the form framework; keep these signatures stable.

#include "XmlDocument.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class QWidget;
class TfrReport;
class TXmlDocument;

class TUIHelper : public QObject {
    Q_OBJECT
public:
    // An engine owned by the form window and bound to it.
    explicit TUIHelper(QWidget *form);
    ~TUIHelper() override;

    // Fields.
    QString ExpectedConfigType;
    QWidget *Form = nullptr;
    TfrReport *Report = nullptr;
    QString FileName;

    // The bound document, or nullptr before a successful parse. The engine indexes the names of
    // its entries at the first search; afterwards only attribute values may be changed in it.
    TXmlDocument *Document() const;

    // Loads FileName and binds it to the form. Shows a message and closes the form for a missing
    // file or another kind's file; raises EError for a file that cannot be bound.
    void LoadFile(const QString &configType);
    // Collects every bound control into the document and writes it to path atomically.
    // Raises EError on failure; the file at path is then untouched.
    void SaveFile(const QString &path);

    // Report filling.
    void SetReport(TfrReport *report);
    void FillReport();
    void ShowReport();

    // Class operations.
    static QString NewVerifyCode();           // eight upper-case hexadecimal digits
    static QString ApplicationDir();          // executable's folder, ending in a separator
    // The config-type value of a definition or data file, read with the same safe parser as
    // LoadFile. Raises EError for a missing, unreadable or malformed file or one without a
    // config-type.
    static QString ReadConfigType(const QString &path);

    // Lookups in the bound document. Names of entries are compared exactly.
    QString FindFieldValue(const QString &fieldName) const;
    static TXmlElement FindEntryByName(const TXmlElement &element, const QString &name);
    TXmlElement FindRelationEntry(const QString &name) const;
    TXmlElement FindDataEntry(const QString &name) const;
    TXmlElement FindFieldEntry(const QString &name) const;
    static void SplitText(const QString &text, const QString &separator, QStringList &list);
    // The form's control of that name, letter case ignored, or nullptr.
    QWidget *FindControl(const QString &name) const;
    // Raises the missing-control error when control is nullptr.
    void CheckControl(const QWidget *control, const QString &name) const;

    // A text that is empty, one space, or begins with a character below the space.
    static bool IsBlankValue(const QString &text);

    // Loading steps.
    bool CheckConfigType() const;
    void ApplyDocument();
    void ApplyRelation(const TXmlElement &entry);
    void LoadEntry(const TXmlElement &entry);
    void DisableControl(QWidget *control);
    void EnableControl(QWidget *control);
    static bool IsChecked(const QWidget *control);
    void CheckBoxClick(QObject *sender);
    void RadioButtonClick(QObject *sender);
    void UpdateDependents(const QString &name);
    void DisableDependents(QWidget *control);
    void DisableEntryDependents(const TXmlElement &entry);

    // Saving steps.
    void CollectDocument();
    void CollectEntry(const TXmlElement &entry);

private Q_SLOTS:
    void OnCheckBoxToggled(bool checked);
    void OnRadioButtonToggled(bool checked);

private:
    void LoadPlainEntry(const TXmlElement &entry);
    void LoadRadioGroup(const TXmlElement &entry);
    void LoadCheckGroup(const TXmlElement &entry);
    void LoadComboBox(const TXmlElement &entry);
    void FillEntry(const TXmlElement &entry);
    void FillRadioGroup(const TXmlElement &entry);
    void FillCheckGroup(const TXmlElement &entry);
    void FillPlainEntry(const TXmlElement &entry);
    QWidget *LookUp(const QString &name) const;  // FindControl + CheckControl
    void InstallHandler(QWidget *control);

    struct Impl;
    std::unique_ptr<Impl> d;
};
