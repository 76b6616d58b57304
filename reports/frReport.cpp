// Placeholder implementation; the engine is being written.
#include "frReport.h"

TfrView::~TfrView() = default;
void TfrView::SetBounds(double l, double t, double w, double h) { x = l; y = t; dx = w; dy = h; }
void TfrView::SetProp(const QString &, const QVariant &) {}
QVariant TfrView::Prop(const QString &) const { return {}; }
void TfrMemoView::SetText(const QString &text) { Memo = text.split(QStringLiteral("\r\n")); }
QString TfrMemoView::Text() const { return Memo.join(QStringLiteral("\r\n")); }
void TfrMemoView::SetProp(const QString &n, const QVariant &v) { TfrView::SetProp(n, v); }
QVariant TfrMemoView::Prop(const QString &n) const { return TfrView::Prop(n); }
void TfrBandView::SetProp(const QString &n, const QVariant &v) { TfrView::SetProp(n, v); }
QVariant TfrBandView::Prop(const QString &n) const { return TfrView::Prop(n); }
TfrView *frCreateObject(int) { return new TfrMemoView; }
void TfrPage::SetMargins(int l, int t, int r, int b) { MarginLeft = l; MarginTop = t; MarginRight = r; MarginBottom = b; }
void TfrPage::Add(TfrView *o) { m_objects.emplace_back(o); }
void TfrPages::Delete(int i) { m_pages.erase(m_pages.begin() + i); }
TfrPage *TfrPages::Add() { return Append(std::make_unique<TfrPage>()); }
TfrPage *TfrPages::Append(std::unique_ptr<TfrPage> p) { m_pages.push_back(std::move(p)); return m_pages.back().get(); }
TfrReport::TfrReport(QObject *parent) : QObject(parent) {}
TfrReport::~TfrReport() = default;
TfrView *TfrReport::FindObject(const QString &) const { return nullptr; }
void TfrReport::LoadFromFile(const QString &) {}
void TfrReport::LoadFromText(const QString &) {}
void TfrReport::PrepareReport() {}
void TfrReport::ShowPreparedReport() {}
void TfrReport::ShowReport() {}
void TfrReport::PrintPreparedReport(QPagedPaintDevice *) {}
void TfrReport::ExportPdf(const QString &) {}
void TfrReport::SetPreviewHook(PreviewHook) {}
