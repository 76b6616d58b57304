// Print preparation of a form window: fills the report, writes the fixed objects, adds the
// attachment page; then the prepared report goes to the preview or to a PDF file.
#include "ConfigedBase.h"

#include "Errors.h"
#include "UIHelper.h"
#include "frAttachment.h"
#include "frReport.h"

#include <QLineEdit>

namespace {
// Writes a text into the report object of that name, if the report has a text object of it.
void writeFixed(TfrReport *report, const char *name, const QString &text)
{
    if (auto *memo = dynamic_cast<TfrMemoView *>(report->FindObject(QString::fromLatin1(name))))
        memo->SetText(text);
}

}  // namespace

bool TEABaseForm::PreparePrint()
{
    if (!Report)
        return false;
    if (Helper) {
        Helper->SetReport(Report);
        Helper->FillReport();
    }

    const QString code = TextOf(VerifyCodeEdit);
    for (const char *name : {"VerifyCode1", "VerifyCode2", "VerifyCode3", "VerifyCode4", "VerifyCode5"})
        writeFixed(Report, name, code);
    writeFixed(Report, "scpmc", TextOf(ProductNameEdit));
    writeFixed(Report, "ssqdw", TextOf(ApplicantEdit));
    writeFixed(Report, "sedtguige", TextOf(SpecEdit));
    writeFixed(Report, "sedtsqmc", TextOf(ApplicationNameEdit));
    writeFixed(Report, "slcdw", TextOf(ClinicalUnitEdit));

    QString attachStr;
    if (OnBeforePrintDoc)
        OnBeforePrintDoc(this, Report, attachStr);
    // The hook may replace the report; without one there is nothing to print.
    if (!Report)
        return false;

    if (!attachStr.isEmpty()) {
        TfrPages &pages = Report->Pages();
        for (int i = pages.Count() - 1; i >= 0; --i)
            if (pages[i]->Name == TfrAttachment::PageName())
                pages.Delete(i);
        TfrAttachment::AddPage(*Report, attachStr);
    }

    // The preview's caption and the print job carry the kind's title.
    if (Report->Title.isEmpty())
        Report->Title = FormTitle;
    if (Helper)
        Helper->SetReport(Report);
    return true;
}

void TEABaseForm::PrintApplication()
{
    if (!PreparePrint())
        return;
    if (Helper)
        Helper->ShowReport();
    else
        Report->ShowReport();
}

void TEABaseForm::ExportApplication(const QString &pdfPath)
{
    if (!PreparePrint())
        throw EError(QStringLiteral("该申请表没有可打印的报表。"));
    Report->PrepareReport();
    Report->ExportPdf(pdfPath);
}
