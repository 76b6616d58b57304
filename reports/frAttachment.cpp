#include "frAttachment.h"

#include "Prompts.h"
#include "frReport.h"

#include <QStringEncoder>

TfrAttachment::TfrAttachment(TfrReport *report, QString &attachStr) : m_report(report), m_attach(attachStr)
{
    m_attach.clear();
}

int TfrAttachment::GbkLength(const QString &text)
{
    QStringEncoder encoder("GB18030");
    if (encoder.isValid())
        return int(QByteArray(encoder.encode(text)).size());
    // Without a GB18030 codec: ASCII is one byte, everything else two.
    int n = 0;
    for (const QChar c : text)
        n += c.unicode() < 0x80 ? 1 : 2;
    return n;
}

bool TfrAttachment::Move(const QString &objectName, const QString &heading, const QString &text)
{
    if (GbkLength(text) <= MaxBytes)
        return true;
    TfrView *view = m_report ? m_report->FindObject(objectName) : nullptr;
    auto *memo = dynamic_cast<TfrMemoView *>(view);
    if (!memo) {
        Prompt::Message(QStringLiteral("报表控件未找到！ ") + objectName);
        return false;
    }
    memo->SetText(QStringLiteral("(见附页)"));
    const QString breaks = QStringLiteral("\r\n\r\n");
    if (m_attach.isEmpty())
        m_attach = QStringLiteral("附页：") + breaks;
    m_attach += heading + breaks + text + breaks;
    return true;
}

TfrMemoView *TfrAttachment::AddPage(TfrReport &report, const QString &text)
{
    TfrPage *page = report.Pages().Add();
    page->SetMargins(90, 79, 54, 54);
    page->Name = PageName();

    auto *band = static_cast<TfrBandView *>(frCreateObject(gtBand));
    band->SetBounds(90, 79, 0, 100);
    band->BandType = btMasterData;
    band->DataSet = QStringLiteral("1");
    band->SetProp(QStringLiteral("BREAKED"), 8);
    band->SetProp(QStringLiteral("STRETCHED"), 1);
    page->Add(band);

    auto *memo = static_cast<TfrMemoView *>(frCreateObject(gtMemo));
    memo->SetBounds(91, 80, 60, 90);
    memo->BandAlign = baWidth;
    memo->SetProp(QStringLiteral("Alignment"), 0);
    memo->SetProp(QStringLiteral("TEXTONLY"), 16);
    memo->SetProp(QStringLiteral("Font.Size"), 9);
    memo->SetProp(QStringLiteral("STRETCHED"), 1);
    memo->Add(text);
    page->Add(memo);
    return memo;
}
