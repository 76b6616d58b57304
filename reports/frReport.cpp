#include "frReport.h"

TfrView::~TfrView() = default;
void TfrView::SetProp(const QString &, const QVariant &) {}
void TfrMemoView::SetText(const QString &text)
{
    Memo = text.split(QStringLiteral("\r\n"));
}
QString TfrMemoView::Text() const
{
    return Memo.join(QStringLiteral("\r\n"));
}
TfrReport::TfrReport(QObject *parent) : QObject(parent) {}
TfrReport::~TfrReport() = default;
TfrView *TfrReport::FindObject(const QString &) const
{
    return nullptr;
}
void TfrReport::ShowReport() {}
