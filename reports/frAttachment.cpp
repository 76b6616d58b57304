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
