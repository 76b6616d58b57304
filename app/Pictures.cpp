#include "Pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <functional>

namespace {
// Every picture is drawn on a 64-unit square and scaled to the size asked for.
void drawPage(QPainter &p, const QRectF &r, const QColor &fill)
{
    const qreal fold = r.width() * 0.28;
    QPainterPath page;
    page.moveTo(r.left(), r.top());
    page.lineTo(r.right() - fold, r.top());
    page.lineTo(r.right(), r.top() + fold);
    page.lineTo(r.right(), r.bottom());
    page.lineTo(r.left(), r.bottom());
    page.closeSubpath();
    p.setPen(QPen(QColor(70, 70, 90), 2));
    p.setBrush(fill);
    p.drawPath(page);
    QPainterPath corner;
    corner.moveTo(r.right() - fold, r.top());
    corner.lineTo(r.right() - fold, r.top() + fold);
    corner.lineTo(r.right(), r.top() + fold);
    p.setBrush(QColor(210, 215, 225));
    p.drawPath(corner);
}

void drawLines(QPainter &p, qreal left, qreal right, qreal top, int count, qreal step)
{
    p.setPen(QPen(QColor(120, 130, 160), 2.5));
    for (int i = 0; i < count; ++i)
        p.drawLine(QPointF(left, top + i * step), QPointF(right, top + i * step));
}

void drawNew(QPainter &p)
{
    drawPage(p, QRectF(12, 4, 40, 54), Qt::white);
    drawLines(p, 18, 40, 26, 4, 7);
    // A bright star: something fresh.
    p.setPen(QPen(QColor(200, 120, 0), 1.5));
    p.setBrush(QColor(255, 200, 40));
    QPainterPath star;
    const QPointF c(46, 16);
    for (int i = 0; i < 10; ++i) {
        const qreal radius = (i % 2) ? 5.0 : 12.0;
        const qreal angle = -M_PI / 2 + i * M_PI / 5;
        const QPointF pt(c.x() + radius * std::cos(angle), c.y() + radius * std::sin(angle));
        if (i == 0)
            star.moveTo(pt);
        else
            star.lineTo(pt);
    }
    star.closeSubpath();
    p.drawPath(star);
}

void drawOpen(QPainter &p)
{
    p.setPen(QPen(QColor(150, 100, 20), 2));
    p.setBrush(QColor(230, 180, 60));
    QPainterPath back;
    back.moveTo(4, 14);
    back.lineTo(22, 14);
    back.lineTo(27, 20);
    back.lineTo(54, 20);
    back.lineTo(54, 54);
    back.lineTo(4, 54);
    back.closeSubpath();
    p.drawPath(back);
    drawPage(p, QRectF(14, 8, 32, 34), Qt::white);
    p.setPen(QPen(QColor(150, 100, 20), 2));
    QLinearGradient front(0, 28, 0, 56);
    front.setColorAt(0, QColor(255, 215, 100));
    front.setColorAt(1, QColor(235, 170, 40));
    p.setBrush(front);
    QPainterPath lid;
    lid.moveTo(10, 30);
    lid.lineTo(62, 30);
    lid.lineTo(54, 54);
    lid.lineTo(4, 54);
    lid.closeSubpath();
    p.drawPath(lid);
}

void drawHelp(QPainter &p)
{
    QRadialGradient ball(QPointF(26, 22), 34);
    ball.setColorAt(0, QColor(120, 180, 255));
    ball.setColorAt(1, QColor(20, 80, 180));
    p.setPen(QPen(QColor(10, 50, 130), 2));
    p.setBrush(ball);
    p.drawEllipse(QRectF(6, 6, 52, 52));
    QFont font(QStringLiteral("Noto Sans"));
    font.setPixelSize(40);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(6, 6, 52, 52), Qt::AlignCenter, QStringLiteral("?"));
}

void drawPrintSave(QPainter &p)
{
    // Paper coming out of a printer, with a small disk in front: written, then printed.
    drawPage(p, QRectF(16, 4, 30, 26), Qt::white);
    drawLines(p, 21, 38, 14, 2, 6);
    p.setPen(QPen(QColor(60, 60, 70), 2));
    QLinearGradient body(0, 24, 0, 50);
    body.setColorAt(0, QColor(200, 200, 210));
    body.setColorAt(1, QColor(130, 130, 145));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(4, 24, 56, 24), 4, 4);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(14, 42, 36, 16));
    p.setBrush(QColor(60, 200, 80));
    p.drawEllipse(QRectF(50, 29, 5, 5));
    p.setPen(QPen(QColor(20, 40, 110), 1.5));
    p.setBrush(QColor(40, 80, 190));
    p.drawRect(QRectF(40, 40, 20, 20));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(44, 40, 12, 7));
}

void drawSaveAs(QPainter &p)
{
    p.setPen(QPen(QColor(20, 40, 110), 2));
    p.setBrush(QColor(50, 90, 200));
    QPainterPath disk;
    disk.moveTo(6, 6);
    disk.lineTo(50, 6);
    disk.lineTo(58, 14);
    disk.lineTo(58, 58);
    disk.lineTo(6, 58);
    disk.closeSubpath();
    p.drawPath(disk);
    p.setBrush(QColor(225, 230, 240));
    p.drawRect(QRectF(16, 6, 30, 18));
    p.setBrush(QColor(50, 90, 200));
    p.drawRect(QRectF(36, 9, 6, 12));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(14, 34, 36, 24));
    // A pencil across the label: saved under another name.
    p.setPen(QPen(QColor(120, 60, 0), 1.5));
    p.setBrush(QColor(250, 190, 60));
    QPainterPath pencil;
    pencil.moveTo(24, 54);
    pencil.lineTo(52, 26);
    pencil.lineTo(58, 32);
    pencil.lineTo(30, 60);
    pencil.lineTo(22, 62);
    pencil.closeSubpath();
    p.drawPath(pencil);
}

void drawPicture(QPainter &p, TShellPicture picture)
{
    switch (picture) {
    case picOpen: drawOpen(p); break;
    case picHelp: drawHelp(p); break;
    case picPrintSave: drawPrintSave(p); break;
    case picSaveAs: drawSaveAs(p); break;
    case picNew: drawNew(p); break;
    }
}

QPixmap drawn(int width, int height, const std::function<void(QPainter &)> &draw, qreal units = 64)
{
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(width / units, width / units);
    draw(p);
    return pixmap;
}
}  // namespace

QPixmap ShellPixmap(TShellPicture picture, int size)
{
    return drawn(size, size, [picture](QPainter &p) { drawPicture(p, picture); });
}

QIcon ShellIcon(TShellPicture picture)
{
    QIcon icon;
    for (int size : {16, 24, 32, 64})
        icon.addPixmap(ShellPixmap(picture, size));
    return icon;
}

QIcon ApplicationIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64}) {
        icon.addPixmap(drawn(size, size, [](QPainter &p) {
            drawPage(p, QRectF(8, 4, 44, 56), Qt::white);
            drawLines(p, 14, 44, 22, 5, 7);
            p.setPen(QPen(QColor(170, 20, 20), 3));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QRectF(30, 36, 26, 26));
        }));
    }
    return icon;
}

QPixmap AboutPicture(int width, int height)
{
    QPixmap pixmap(width, height);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0, QColor(30, 80, 160));
    sky.setColorAt(1, QColor(150, 200, 240));
    p.fillRect(pixmap.rect(), sky);
    // A stack of application forms, one above the other.
    const qreal w = width - 16;
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(8, 24 + i * (height - 40) / 3.0);
        p.scale(w / 64.0, w / 64.0);
        drawPicture(p, i == 0 ? picNew : i == 1 ? picSaveAs : picPrintSave);
        p.restore();
    }
    p.setPen(QPen(QColor(20, 40, 90), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return pixmap;
}

QIcon CloseButtonIcon()
{
    return QIcon(drawn(16, 16, [](QPainter &p) {
        p.setPen(QPen(QColor(180, 30, 30), 10, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(14, 14), QPointF(50, 50));
        p.drawLine(QPointF(50, 14), QPointF(14, 50));
    }));
}

QIcon OkButtonIcon()
{
    return QIcon(drawn(16, 16, [](QPainter &p) {
        p.setPen(QPen(QColor(20, 140, 40), 10, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        QPainterPath tick;
        tick.moveTo(10, 34);
        tick.lineTo(26, 50);
        tick.lineTo(54, 14);
        p.drawPath(tick);
    }));
}
