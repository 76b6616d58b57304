// The report model: objects, pages, lookup by name and the named properties; loading, preparing,
// previewing, printing and PDF output are handed to the template reader, the renderer and the
// preview dialog.
#include "frReport.h"

#include "Errors.h"
#include "frPdfText.h"
#include "frPreview.h"
#include "frProof.h"
#include "frRender.h"
#include "frTemplateReader.h"

#include <QApplication>
#include <QFile>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinterInfo>
#include <QRegularExpression>

namespace {
bool isProp(const QString &name, const char *wanted)
{
    return name.compare(QLatin1String(wanted), Qt::CaseInsensitive) == 0;
}

bool switchOn(const QVariant &value)
{
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    bool ok = false;
    const double d = value.toDouble(&ok);
    if (ok)
        return d != 0;
    return !value.toString().isEmpty();
}

TfrReport::PreviewHook &previewHook()
{
    static TfrReport::PreviewHook hook;
    return hook;
}
}  // namespace

TfrView::~TfrView() = default;

void TfrView::SetBounds(double left, double top, double width, double height)
{
    x = left;
    y = top;
    dx = width;
    dy = height;
}

int frAlignmentFromText(const QString &text, bool *ok)
{
    *ok = true;
    bool numeric = false;
    const int code = text.trimmed().toInt(&numeric);
    if (numeric)
        return code;
    int horizontal = -1, vertical = -1;
    const QStringList words = text.split(QLatin1Char(','));
    for (const QString &raw : words) {
        const QString word = raw.trimmed().toLower();
        int *slot = nullptr;
        int value = 0;
        if (word == QLatin1String("left")) {
            slot = &horizontal, value = frtaLeft;
        } else if (word == QLatin1String("right")) {
            slot = &horizontal, value = frtaRight;
        } else if (word == QLatin1String("centre") || word == QLatin1String("center")) {
            slot = &horizontal, value = frtaCenter;
        } else if (word == QLatin1String("top")) {
            slot = &vertical, value = 0;
        } else if (word == QLatin1String("middle")) {
            slot = &vertical, value = frtaMiddle;
        } else if (word == QLatin1String("bottom")) {
            slot = &vertical, value = frtaDown;
        }
        if (!slot || *slot != -1) {  // an unknown word, or two of one direction
            *ok = false;
            return frtaLeft;
        }
        *slot = value;
    }
    return qMax(horizontal, 0) + qMax(vertical, 0);
}

QString frAlignmentText(int code)
{
    const int h = code & 3;
    const QString horizontal = h == frtaRight ? QStringLiteral("right")
                               : h == frtaCenter ? QStringLiteral("centre")
                                                 : QStringLiteral("left");
    const QString vertical = (code & frtaDown) ? QStringLiteral("bottom")
                             : (code & frtaMiddle) ? QStringLiteral("middle")
                                                   : QStringLiteral("top");
    return horizontal + QLatin1Char(',') + vertical;
}

void TfrView::SetProp(const QString &name, const QVariant &value)
{
    if (isProp(name, "STRETCHED"))
        Stretched = switchOn(value);
    else if (isProp(name, "BandAlign"))
        BandAlign = TfrBandAlign(qBound(int(baNone), value.toInt(), int(baTop)));
}

QVariant TfrView::Prop(const QString &name) const
{
    if (isProp(name, "STRETCHED"))
        return Stretched;
    if (isProp(name, "BandAlign"))
        return int(BandAlign);
    return {};
}

void TfrLineView::SetProp(const QString &name, const QVariant &value)
{
    if (isProp(name, "LineWidth")) {
        const double width = value.toDouble();
        if (width > 0)
            LineWidth = width;
    } else {
        TfrView::SetProp(name, value);
    }
}

QVariant TfrLineView::Prop(const QString &name) const
{
    if (isProp(name, "LineWidth"))
        return LineWidth;
    return TfrView::Prop(name);
}

void TfrMemoView::SetText(const QString &text)
{
    static const QRegularExpression breaks(QStringLiteral("\r\n|\r|\n"));
    Memo = text.split(breaks);
}

QString TfrMemoView::Text() const
{
    return Memo.join(QStringLiteral("\r\n"));
}

void TfrMemoView::Add(const QString &entry)
{
    Memo.append(entry);
}

void TfrMemoView::SetProp(const QString &name, const QVariant &value)
{
    if (isProp(name, "TEXTONLY"))
        TextOnly = switchOn(value);
    else if (isProp(name, "Alignment")) {
        bool ok = false;
        const int code = frAlignmentFromText(value.toString(), &ok);
        if (ok)
            Alignment = code;
    }
    else if (isProp(name, "Font.Size")) {
        const double size = value.toDouble();
        if (size > 0)
            FontSize = size;
    } else if (isProp(name, "Font.Name"))
        FontName = value.toString();
    else if (isProp(name, "Font.Bold"))
        FontBold = switchOn(value);
    else if (isProp(name, "WordWrap"))
        WordWrap = switchOn(value);
    else if (isProp(name, "Text"))
        SetText(value.toString());
    else
        TfrView::SetProp(name, value);
}

QVariant TfrMemoView::Prop(const QString &name) const
{
    if (isProp(name, "TEXTONLY"))
        return TextOnly;
    if (isProp(name, "Alignment"))
        return Alignment;
    if (isProp(name, "Font.Size"))
        return FontSize;
    if (isProp(name, "Font.Name"))
        return FontName;
    if (isProp(name, "Font.Bold"))
        return FontBold;
    if (isProp(name, "WordWrap"))
        return WordWrap;
    if (isProp(name, "Text"))
        return Text();
    return TfrView::Prop(name);
}

void TfrBandView::SetProp(const QString &name, const QVariant &value)
{
    if (isProp(name, "BREAKED"))
        Breaked = switchOn(value);
    else if (isProp(name, "BandType"))
        BandType = TfrBandType(value.toInt());
    else if (isProp(name, "DataSet"))
        DataSet = value.toString();
    else
        TfrView::SetProp(name, value);
}

QVariant TfrBandView::Prop(const QString &name) const
{
    if (isProp(name, "BREAKED"))
        return Breaked;
    if (isProp(name, "BandType"))
        return int(BandType);
    if (isProp(name, "DataSet"))
        return DataSet;
    return TfrView::Prop(name);
}

TfrView *frCreateObject(int type)
{
    switch (type) {
    case gtMemo:
        return new TfrMemoView;
    case gtBand:
        return new TfrBandView;
    case gtLine:
        return new TfrLineView;
    default:
        return nullptr;
    }
}

void TfrPage::SetMargins(int left, int top, int right, int bottom)
{
    MarginLeft = left;
    MarginTop = top;
    MarginRight = right;
    MarginBottom = bottom;
}

void TfrPage::Add(TfrView *object)
{
    if (object)
        m_objects.emplace_back(object);
}

void TfrPages::Delete(int index)
{
    if (index >= 0 && index < Count())
        m_pages.erase(m_pages.begin() + index);
}

TfrPage *TfrPages::Add()
{
    auto page = std::make_unique<TfrPage>();
    // The default printer's paper; A4 when there is no printer or it reports no paper.
    static const QPageSize paper = [] {
        const QPageSize size = QPrinterInfo::defaultPrinter().defaultPageSize();
        return size.isValid() ? size : QPageSize(QPageSize::A4);
    }();
    const QSizeF mm = paper.size(QPageSize::Millimeter);
    page->PaperSize = paper.id() == QPageSize::A4 ? 9 : 256;
    page->PaperWidth = qRound(mm.width() * 10);
    page->PaperHeight = qRound(mm.height() * 10);
    page->Portrait = true;
    return Append(std::move(page));
}

TfrPage *TfrPages::Append(std::unique_ptr<TfrPage> page)
{
    m_pages.push_back(std::move(page));
    return m_pages.back().get();
}

TfrReport::TfrReport(QObject *parent) : QObject(parent) {}
TfrReport::~TfrReport() = default;

TfrView *TfrReport::FindObject(const QString &name) const
{
    if (name.isEmpty())
        return nullptr;
    for (int p = 0; p < m_pages.Count(); ++p) {
        const TfrPage *page = m_pages[p];
        for (int i = 0; i < page->Count(); ++i) {
            TfrView *object = page->Object(i);
            if (object->Name.compare(name, Qt::CaseInsensitive) == 0)
                return object;
        }
    }
    return nullptr;
}

void TfrReport::LoadFromFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EError(QStringLiteral("报表模板无法读取：%1").arg(path));
    const QByteArray bytes = file.readAll();
    LoadFromText(QString::fromUtf8(bytes));
}

void TfrReport::LoadFromText(const QString &text)
{
    TfrTemplate loaded = frReadTemplate(text);  // raises before anything is replaced
    m_pages.Clear();
    for (auto &page : loaded.pages)
        m_pages.Append(std::move(page));
    PrinterName = loaded.printerName;
    m_prepared.clear();
}

void TfrReport::PrepareReport()
{
    m_prepared = frPrepare(m_pages);
}

void TfrReport::ShowPreparedReport()
{
    if (const PreviewHook &hook = previewHook()) {
        hook(*this);
        return;
    }
    TfrPreviewDialog dialog(this, QApplication::activeWindow());
    dialog.exec();
}

void TfrReport::ShowReport()
{
    PrepareReport();
    ShowPreparedReport();
}

void TfrReport::PrintPreparedReport(QPagedPaintDevice *device)
{
    frPrint(m_prepared, device);
}

namespace {
void writePdf(const QString &path, const QString &title, const QList<TfrPreparedPage> &pages,
              const TfrPageOverlay &overlay)
{
    const QString failed = QStringLiteral("无法写入文件：%1").arg(path);
    {
        QPdfWriter writer(path);
        writer.setResolution(1200);
        writer.setCreator(QStringLiteral("电子申报"));
        writer.setTitle(title);
        if (!frPrint(pages, &writer, overlay))
            throw EError(failed);
    }
    if (!frFinishPdfFile(path, pages))
        throw EError(failed);
}
}  // namespace

void TfrReport::ExportPdf(const QString &path)
{
    writePdf(path, Title, m_prepared, {});
}

void TfrReport::ExportProof(const QString &path)
{
    PrepareReport();
    writePdf(path, Title, m_prepared, frPaintProofOverlay);
}

void TfrReport::SetPreviewHook(PreviewHook hook)
{
    previewHook() = std::move(hook);
}

const TfrReport::PreviewHook &TfrReport::CurrentPreviewHook()
{
    return previewHook();
}
