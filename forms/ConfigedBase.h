#pragma once
// TEABaseForm, the base of every application form window: starts a blank form from the kind's
// definition file, opens a saved data file, saves a backup, writes the submission file and
// prints, asks before the window is discarded, and frees the window when it closes. A kind only
// fills the fields below in its FormCreate.

#include <QMdiSubWindow>
#include <QPointer>
#include <QString>

#include <functional>

class QLineEdit;
class QCloseEvent;
class TUIHelper;
class TfrReport;

// The print hook of a form kind: sender, the report (by reference), the attachment text (by
// reference, empty on entry).
using TBeforePrintDocEvent = std::function<void(QObject *sender, TfrReport *&PrnReport, QString &AttachStr)>;

enum class TCloseAction { caNone, caHide, caFree, caMinimize };

class TEABaseForm : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit TEABaseForm(QWidget *parent = nullptr);
    ~TEABaseForm() override;

    // Fields, set by the kind's FormCreate (control references may stay unset).
    TfrReport *Report = nullptr;
    TUIHelper *Helper = nullptr;
    QString ConfigFile;
    QPointer<QLineEdit> VerifyCodeEdit;
    QPointer<QLineEdit> ProductNameEdit;
    QPointer<QLineEdit> SpecEdit;
    QPointer<QLineEdit> ApplicantEdit;
    QPointer<QLineEdit> ClinicalUnitEdit;
    QPointer<QLineEdit> ApplicationNameEdit;
    QString FormTitle;
    QString ConfigType;
    QString KindTag;
    bool SkipCloseQuery = false;
    TBeforePrintDocEvent OnBeforePrintDoc;

    void NewApplication();
    void OpenApplication(const QString &fileName);
    void LoadDocument(const QString &fileName);
    void SaveBackup();
    void SaveAndPrint();
    bool ConfirmDiscard();
    // Prepares the printed form and shows it in the modal preview, from which the user prints.
    void PrintApplication();
    // Prepares the printed form exactly as PrintApplication does and writes it as a PDF file
    // instead of showing it. Raises EError when there is nothing to print or the file cannot be
    // written.
    void ExportApplication(const QString &pdfPath);

    // The data file name: executable folder + KindTag + product name + "_" + code + ".qx".
    // Raises EError when the product name or the code holds a character that file names may
    // not contain (\ / : * ? " < > | or a control character): such a name would write outside
    // the executable's folder or fail half-way.
    QString DataFileName() const;

    // The definition file of the kind: the executable's folder followed by ConfigFile, whose
    // backslashes become the platform's separator.
    QString DefinitionFileName() const;

    // The text of a control reference; empty when the kind left it unset.
    static QString TextOf(const QLineEdit *edit);

    // Close handlers. A kind's FormClose calls this one, then clears its global reference.
    virtual void FormClose(QObject *sender, TCloseAction &action);
    void FormCloseQuery(QObject *sender, bool &canClose);

    // Places a freshly built window into its frame: a multi-document area takes it as one of
    // its child windows; any other parent simply owns it.
    void PlaceIn(QWidget *parent);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // Shows the window in front of its siblings as the frame's active child.
    void BringToFront();
    // Fills the report from the document, writes the fixed objects and lets the kind add its
    // attachment page; false when there is no report to print.
    bool PreparePrint();
};
