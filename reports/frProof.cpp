#include "frProof.h"

#include "frRender.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

namespace {
constexpr double kGridStep = 50;
const QColor kGridColour(170, 200, 235);
const QColor kBoxColour(220, 30, 30);
const QColor kLabelColour(0, 70, 200);

void paintGrid(QPainter &painter, const QSizeF &paper)
{
    QPen pen(kGridColour);
    pen.setWidthF(0.3);
    painter.setPen(pen);
    for (double x = kGridStep; x < paper.width(); x += kGridStep)
        painter.drawLine(QPointF(x, 0), QPointF(x, paper.height()));
    for (double y = kGridStep; y < paper.height(); y += kGridStep)
        painter.drawLine(QPointF(0, y), QPointF(paper.width(), y));

    QFont font(QStringLiteral("Noto Sans"));
    font.setPixelSize(7);  // report units: the painter is scaled to them
    painter.setFont(font);
    painter.setPen(kLabelColour);
    const QFontMetricsF metrics(font, painter.device());
    for (double x = kGridStep; x < paper.width(); x += kGridStep) {
        const QString n = QString::number(int(x));
        const double w = metrics.horizontalAdvance(n);
        painter.drawText(QPointF(x - w / 2, 8), n);
        painter.drawText(QPointF(x - w / 2, paper.height() - 2), n);
    }
    for (double y = kGridStep; y < paper.height(); y += kGridStep) {
        const QString n = QString::number(int(y));
        const double w = metrics.horizontalAdvance(n);
        painter.drawText(QPointF(1, y + 3), n);
        painter.drawText(QPointF(paper.width() - w - 1, y + 3), n);
    }
}

void paintDataObject(QPainter &painter, const TfrPreparedItem &item)
{
    QPen pen(kBoxColour);
    pen.setWidthF(0.6);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(item.rect);

    QFont font(QStringLiteral("Noto Sans"));
    font.setPixelSize(6);
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    const QRectF label(item.rect.left(), item.rect.top(),
                       metrics.horizontalAdvance(item.objectName) + 2, metrics.height());
    painter.fillRect(label, QColor(255, 255, 255, 210));
    painter.setPen(kLabelColour);
    painter.drawText(label.adjusted(1, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, item.objectName);
}
}  // namespace

bool frIsDataObjectName(const QString &name)
{
    return !name.isEmpty() && !name.startsWith(QLatin1String("Memo"), Qt::CaseInsensitive);
}

void frPaintProofOverlay(QPainter &painter, const TfrPreparedPage &page)
{
    painter.setRenderHint(QPainter::Antialiasing, true);
    paintGrid(painter, frPaperUnits(page.paperWidth, page.paperHeight, page.portrait));
    for (const TfrPreparedItem &item : page.items)
        if (item.kind == TfrPreparedItem::Text && frIsDataObjectName(item.objectName))
            paintDataObject(painter, item);
}
