#include "frRender.h"

#include "Fonts.h"

#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {
// Text is laid out once, at a fixed resolution, whatever the device: the lines and clipping that
// preparation finds are then exactly the ones painted on screen, paper and PDF.
constexpr double kLayoutDpi = 1200;
constexpr double kPxPerUnit = kLayoutDpi / frUnitsPerInch;
// Inner gap between a text box's left and right edges and its text.
constexpr double kGapX = 1.0;
// Line pitch in ems, and where the ideographic em box sits on its baseline.
constexpr double kLinePitch = 1.2;
constexpr double kEmAscent = 0.88;
constexpr double kFit = 0.5;  // tolerance in units before a text counts as not fitting

const QPaintDevice *layoutDevice()
{
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_ARGB32);
        const int dpm = qRound(kLayoutDpi / 0.0254);
        image.setDotsPerMeterX(dpm);
        image.setDotsPerMeterY(dpm);
        return image;
    }();
    return &device;
}

QFont layoutFont(const QString &face, double size, bool bold)
{
    QFont font = ResolveFont(face, size, bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return font;
}

double emUnits(double pointSize)
{
    return pointSize * frUnitsPerInch / 72.0;
}

QString toLayoutText(const QString &text)
{
    QString s = text;
    s.replace(QLatin1String("\r\n"), QString(QChar::LineSeparator));
    s.replace(QLatin1Char('\r'), QChar::LineSeparator);
    s.replace(QLatin1Char('\n'), QChar::LineSeparator);
    return s;
}

QString fromLayoutText(QString s)
{
    s.replace(QChar::LineSeparator, QLatin1String("\r\n"));
    return s;
}

// A text laid out in a box width, in lines.
struct TextBlock {
    std::unique_ptr<QTextLayout> layout;
    QString text;  // with line separators
    double lineHeight = 0;  // units
    double em = 0;          // units
    double available = 0;   // units: the width the lines were broken in
    int count() const { return layout ? layout->lineCount() : 0; }
    double height() const { return count() * lineHeight; }
    double naturalWidth(int i) const { return layout->lineAt(i).naturalTextWidth() / kPxPerUnit; }
    QString lineText(int i) const
    {
        const QTextLine line = layout->lineAt(i);
        QString s = text.mid(line.textStart(), line.textLength());
        if (s.endsWith(QChar::LineSeparator))
            s.chop(1);
        return s;
    }
};

// True when the block's lines from the given one on print nothing.
bool blankFrom(const TextBlock &block, int from)
{
    for (int i = from; i < block.count(); ++i)
        if (!block.lineText(i).trimmed().isEmpty())
            return false;
    return true;
}

TextBlock layoutBlock(const QString &text, const QString &face, double size, bool bold,
                      double boxWidth, bool wrap)
{
    TextBlock block;
    block.em = emUnits(size);
    block.lineHeight = block.em * kLinePitch;
    block.available = std::max(0.0, boxWidth - 2 * kGapX);
    if (text.isEmpty())
        return block;
    block.text = toLayoutText(text);
    block.layout = std::make_unique<QTextLayout>(block.text, layoutFont(face, size, bold), layoutDevice());
    // Quotes, dashes and the like come from the CJK face, full width as Chinese sets them.
    QList<QTextLayout::FormatRange> formats;
    for (int i = 0; i < block.text.size(); ++i) {
        if (!IsFullWidthPunctuation(block.text.at(i)))
            continue;
        if (!formats.isEmpty() && formats.last().start + formats.last().length == i) {
            ++formats.last().length;
            continue;
        }
        QTextLayout::FormatRange range;
        range.start = i;
        range.length = 1;
        QFont cjk = ResolveCjkFont(face, size, bold);
        cjk.setHintingPreference(QFont::PreferNoHinting);
        cjk.setKerning(false);
        range.format.setFont(cjk);
        formats.append(range);
    }
    block.layout->setFormats(formats);
    QTextOption option;
    option.setWrapMode(wrap ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
    option.setUseDesignMetrics(true);
    block.layout->setTextOption(option);
    block.layout->setCacheEnabled(true);
    block.layout->beginLayout();
    for (;;) {
        QTextLine line = block.layout->createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(std::max(1.0, block.available * kPxPerUnit));
    }
    block.layout->endLayout();
    return block;
}

TfrPreparedItem textItem(const TfrMemoView &memo, const QRectF &rect, const QString &text)
{
    TfrPreparedItem item;
    item.kind = TfrPreparedItem::Text;
    item.objectName = memo.Name;
    item.rect = rect;
    item.text = text;
    item.fontName = memo.FontName;
    item.fontSize = memo.FontSize;
    item.bold = memo.FontBold;
    item.alignment = memo.Alignment;
    item.wordWrap = memo.WordWrap;
    const TextBlock block = layoutBlock(text, memo.FontName, memo.FontSize, memo.FontBold,
                                        rect.width(), memo.WordWrap);
    for (int i = 0; i < block.count(); ++i) {
        item.lines.append(block.lineText(i));
        if (block.naturalWidth(i) > block.available + kFit)
            item.clipped = true;
    }
    if (block.height() > rect.height() + kFit)
        item.clipped = true;
    return item;
}

TfrPreparedItem lineItem(const TfrLineView &line, const QRectF &rect)
{
    TfrPreparedItem item;
    item.kind = TfrPreparedItem::Line;
    item.objectName = line.Name;
    item.rect = rect;
    item.lineWidth = line.LineWidth;
    return item;
}

bool onPaper(const QRectF &r, const QSizeF &paper)
{
    return r.right() >= 0 && r.bottom() >= 0 && r.left() <= paper.width() && r.top() <= paper.height();
}

TfrPreparedPage newPreparedPage(const TfrPage &page, int index)
{
    TfrPreparedPage out;
    out.templatePageName = page.Name;
    out.templatePageIndex = index;
    out.paperWidth = page.PaperWidth;
    out.paperHeight = page.PaperHeight;
    out.portrait = page.Portrait;
    return out;
}

// An object placed at its stored position, when any of it lies on the paper.
void placeFixed(const TfrView &object, const QSizeF &paper, TfrPreparedPage &out)
{
    const QRectF rect(object.x, object.y, object.dx, object.dy);
    if (!onPaper(rect, paper))
        return;
    if (object.Type() == gtMemo)
        out.items.append(textItem(static_cast<const TfrMemoView &>(object), rect,
                                  static_cast<const TfrMemoView &>(object).Text()));
    else if (object.Type() == gtLine)
        out.items.append(lineItem(static_cast<const TfrLineView &>(object), rect));
}

int bandRecords(const TfrBandView &band)
{
    bool ok = false;
    const int n = band.DataSet.trimmed().toInt(&ok);
    return ok && n >= 0 ? n : 1;
}

// A page with bands: objects outside every band print on its first printed page at their places;
// each band prints its records one below the other from the top margin, a stretched band as
// high as its content, and a breaking band continues on further pages.
void prepareBandPage(const TfrPage &page, int index, QList<TfrPreparedPage> &result)
{
    const QSizeF paper = frPaperUnits(page.PaperWidth, page.PaperHeight, page.Portrait);
    const double top = page.MarginTop;
    const double bottom = paper.height() - page.MarginBottom;
    const double bandLeft = page.MarginLeft;
    const double bandWidth = std::max(0.0, paper.width() - page.MarginLeft - page.MarginRight);

    std::vector<const TfrBandView *> bands;
    for (int i = 0; i < page.Count(); ++i)
        if (page.Object(i)->Type() == gtBand)
            bands.push_back(static_cast<const TfrBandView *>(page.Object(i)));
    std::stable_sort(bands.begin(), bands.end(),
                     [](const TfrBandView *a, const TfrBandView *b) { return a->y < b->y; });
    auto bandOf = [&](const TfrView *object) -> const TfrBandView * {
        for (const TfrBandView *band : bands)
            if (object->y >= band->y && object->y < band->y + std::max(band->dy, 1.0))
                return band;
        return nullptr;
    };

    TfrPreparedPage current = newPreparedPage(page, index);
    for (int i = 0; i < page.Count(); ++i) {
        const TfrView *object = page.Object(i);
        if (object->Type() != gtBand && !bandOf(object))
            placeFixed(*object, paper, current);
    }
    double cursor = top;
    auto nextPage = [&] {
        result.append(current);
        current = newPreparedPage(page, index);
        cursor = top;
    };

    for (const TfrBandView *band : bands) {
        struct Piece {
            const TfrView *object;
            double offset;  // from the band's top
            double x, width;
            TextBlock block;  // stretched memos only
            int next = 0;     // first line not printed yet
        };
        std::vector<Piece> pieces;
        for (int i = 0; i < page.Count(); ++i) {
            const TfrView *object = page.Object(i);
            if (object->Type() == gtBand || bandOf(object) != band)
                continue;
            Piece piece{object, object->y - band->y, object->x, object->dx, {}, 0};
            if (object->BandAlign == baWidth) {
                piece.x = bandLeft;
                piece.width = bandWidth;
            }
            if (object->Type() == gtMemo && object->Stretched) {
                const auto &memo = static_cast<const TfrMemoView &>(*object);
                piece.block = layoutBlock(memo.Text(), memo.FontName, memo.FontSize, memo.FontBold,
                                          piece.width, memo.WordWrap);
            }
            pieces.push_back(std::move(piece));
        }
        double designHeight = band->dy;
        double fullHeight = band->dy;
        for (const Piece &p : pieces) {
            double h = p.object->dy;
            if (p.block.layout && band->Stretched)
                h = std::max(h, p.block.height());
            fullHeight = std::max(fullHeight, p.offset + h);
        }
        if (!band->Stretched)
            fullHeight = designHeight;

        for (int record = 0; record < bandRecords(*band); ++record) {
            for (Piece &p : pieces)
                p.next = 0;
            if (cursor + fullHeight > bottom + kFit && cursor > top && !band->Breaked)
                nextPage();
            bool first = true;
            for (;;) {
                const bool fits = cursor + fullHeight <= bottom + kFit;
                const bool split = !fits && band->Breaked && band->Stretched;
                double used = 0;
                bool done = true;
                for (Piece &p : pieces) {
                    const double y = cursor + p.offset;
                    if (p.block.layout && band->Stretched) {
                        const int total = p.block.count();
                        if (p.next >= total && !first)
                            continue;
                        int take = total - p.next;
                        if (split) {
                            const int room = int(std::floor((bottom - y + kFit) / p.block.lineHeight));
                            take = std::clamp(room, cursor <= top ? 1 : 0, total - p.next);
                        }
                        const auto &memo = static_cast<const TfrMemoView &>(*p.object);
                        QString text;
                        if (take > 0) {
                            const QTextLine a = p.block.layout->lineAt(p.next);
                            const QTextLine b = p.block.layout->lineAt(p.next + take - 1);
                            if (p.next + take >= total) {
                                // The last piece keeps everything to the end, blank lines too.
                                text = p.block.text.mid(a.textStart());
                            } else {
                                text = p.block.text.mid(a.textStart(), b.textStart() + b.textLength() - a.textStart());
                                if (text.endsWith(QChar::LineSeparator))
                                    text.chop(1);
                            }
                            text = fromLayoutText(text);
                        }
                        double h = take * p.block.lineHeight;
                        if (first && p.next + take >= total)
                            h = std::max(h, p.object->dy);
                        if (take > 0 || first)
                            current.items.append(textItem(memo, QRectF(p.x, y, p.width, h), text));
                        p.next += take;
                        used = std::max(used, p.offset + h);
                        // Blank lines left over at a page break start no page of their own.
                        if (p.next < total && !blankFrom(p.block, p.next))
                            done = false;
                    } else if (first) {
                        const QRectF rect(p.x, y, p.width, p.object->dy);
                        if (p.object->Type() == gtMemo)
                            current.items.append(textItem(static_cast<const TfrMemoView &>(*p.object), rect,
                                                          static_cast<const TfrMemoView &>(*p.object).Text()));
                        else if (p.object->Type() == gtLine)
                            current.items.append(lineItem(static_cast<const TfrLineView &>(*p.object), rect));
                        used = std::max(used, p.offset + p.object->dy);
                    }
                }
                if (done) {
                    cursor += first ? fullHeight : std::max(used, 0.0);
                    break;
                }
                nextPage();
                first = false;
            }
        }
    }
    result.append(current);
}

void paintText(QPainter &painter, const TfrPreparedItem &item)
{
    if (item.text.isEmpty())
        return;
    const TextBlock block = layoutBlock(item.text, item.fontName, item.fontSize, item.bold,
                                        item.rect.width(), item.wordWrap);
    if (!block.count())
        return;
    const double total = block.height();
    double top = item.rect.top();
    if (total <= item.rect.height() + kFit) {
        if (item.alignment & frtaDown)
            top = item.rect.bottom() - total;
        else if (item.alignment & frtaMiddle)
            top = item.rect.top() + (item.rect.height() - total) / 2;
    }
    const int horizontal = item.alignment & 3;
    const double left = item.rect.left() + kGapX;
    for (int i = 0; i < block.count(); ++i) {
        QTextLine line = block.layout->lineAt(i);
        const double width = block.naturalWidth(i);
        double x = left;
        if (horizontal == frtaRight)
            x = left + block.available - width;
        else if (horizontal == frtaCenter)
            x = left + (block.available - width) / 2;
        const double baseline = top + i * block.lineHeight
                                + (block.lineHeight - block.em) / 2 + block.em * kEmAscent;
        line.setPosition(QPointF(x * kPxPerUnit, baseline * kPxPerUnit - line.ascent()));
    }
    painter.save();
    painter.setClipRect(QRectF(item.rect.left() * kPxPerUnit, item.rect.top() * kPxPerUnit,
                               item.rect.width() * kPxPerUnit, item.rect.height() * kPxPerUnit),
                        Qt::IntersectClip);
    painter.setPen(Qt::black);
    block.layout->draw(&painter, QPointF(0, 0));
    painter.restore();
}

void paintLine(QPainter &painter, const TfrPreparedItem &item)
{
    QPen pen(Qt::black);
    pen.setWidthF(std::max(0.5, item.lineWidth) * kPxPerUnit);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    const QRectF &r = item.rect;
    painter.drawLine(QPointF(r.left() * kPxPerUnit, r.top() * kPxPerUnit),
                     QPointF(r.right() * kPxPerUnit, r.bottom() * kPxPerUnit));
}

QPageLayout pageLayoutOf(const TfrPreparedPage &page)
{
    const QPageSize size(QSizeF(page.paperWidth / 10.0, page.paperHeight / 10.0), QPageSize::Millimeter);
    return QPageLayout(size, page.portrait ? QPageLayout::Portrait : QPageLayout::Landscape,
                       QMarginsF(0, 0, 0, 0));
}

void applyPage(QPagedPaintDevice *device, const TfrPreparedPage &page)
{
    const QPageLayout layout = pageLayoutOf(page);
    if (auto *printer = dynamic_cast<QPrinter *>(device)) {
        // A printer takes one paper for the whole job: it is set before the first page.
        if (printer->printerState() == QPrinter::Active)
            return;
        // Positions are from the paper's corner, so the printer draws from there too.
        printer->setFullPage(true);
        printer->setPageSize(layout.pageSize());
        printer->setPageOrientation(layout.orientation());
        return;
    }
    device->setPageLayout(layout);
}
}  // namespace

QSizeF frPaperUnits(int paperWidth, int paperHeight, bool portrait)
{
    const double w = paperWidth / 254.0 * frUnitsPerInch;
    const double h = paperHeight / 254.0 * frUnitsPerInch;
    const bool tall = h >= w;
    return (portrait == tall) ? QSizeF(w, h) : QSizeF(h, w);
}

QList<TfrPreparedPage> frPrepare(const TfrPages &pages)
{
    QList<TfrPreparedPage> result;
    for (int p = 0; p < pages.Count(); ++p) {
        const TfrPage &page = *pages[p];
        bool hasBands = false;
        for (int i = 0; i < page.Count() && !hasBands; ++i)
            hasBands = page.Object(i)->Type() == gtBand;
        if (hasBands) {
            prepareBandPage(page, p, result);
            continue;
        }
        const QSizeF paper = frPaperUnits(page.PaperWidth, page.PaperHeight, page.Portrait);
        TfrPreparedPage out = newPreparedPage(page, p);
        for (int i = 0; i < page.Count(); ++i)
            placeFixed(*page.Object(i), paper, out);
        result.append(out);
    }
    return result;
}

void frPaintPage(QPainter &painter, const TfrPreparedPage &page, double dpiX, double dpiY)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.scale(dpiX / kLayoutDpi, dpiY / kLayoutDpi);
    for (const TfrPreparedItem &item : page.items) {
        if (item.kind == TfrPreparedItem::Line)
            paintLine(painter, item);
        else
            paintText(painter, item);
    }
    painter.restore();
}

bool frPrint(const QList<TfrPreparedPage> &pages, QPagedPaintDevice *device, const TfrPageOverlay &overlay)
{
    if (!device)
        return false;
    if (!pages.isEmpty())
        applyPage(device, pages.first());
    QPainter painter;
    if (!painter.begin(device))
        return false;
    for (int i = 0; i < pages.size(); ++i) {
        if (i > 0) {
            applyPage(device, pages.at(i));
            if (!device->newPage())
                return false;
        }
        frPaintPage(painter, pages.at(i), device->logicalDpiX(), device->logicalDpiY());
        if (overlay) {
            painter.save();
            painter.scale(device->logicalDpiX() / frUnitsPerInch, device->logicalDpiY() / frUnitsPerInch);
            overlay(painter, pages.at(i));
            painter.restore();
        }
    }
    return painter.end();
}
