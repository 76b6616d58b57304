#pragma once
// TUIHelper, the binding engine of a form window: loads a definition or data document into the
// window's controls (with the dependencies between controls), collects the controls back into
// the document and writes the data file, and copies the document into the report for printing.
//
// Public interface used by the form framework; keep these signatures stable.

#include <QObject>
#include <QString>

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

    // The bound document, or nullptr before a successful parse.
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

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
