#include "paint/PaintKit.h"

#include "nav/Geometry.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace orvik3::trainer::paintkit {

QString threeDigits(double deg)
{
    const int d = int(std::lround(host::nav::normalizeDegrees(deg))) % 360;
    return QStringLiteral("%1").arg(d == 0 ? 360 : d, 3, 10, QLatin1Char('0'));
}

QFont font(double pixels, bool bold)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(std::max(7, int(std::lround(pixels))));
    f.setBold(bold);
    return f;
}

QPointF direction(double screenDeg)
{
    const double a = screenDeg * M_PI / 180.0;
    return {std::sin(a), -std::cos(a)};
}

void centredText(QPainter &p, QPointF centre, const QString &text)
{
    const QFontMetricsF fm(p.font());
    const double w = fm.horizontalAdvance(text);
    p.drawText(QPointF(centre.x() - w / 2.0, centre.y() + (fm.ascent() - fm.descent()) / 2.0), text);
}

QSizeF labelSize(const QFont &font, const QString &text)
{
    const QFontMetricsF fm(font);
    const QStringList lines = text.split(QLatin1Char('\n'));
    double w = 0.0;
    for (const QString &line : lines)
        w = std::max(w, fm.horizontalAdvance(line));
    const double pad = fm.height() * 0.3;
    return {w + 2 * pad, fm.height() * lines.size() + 2 * pad};
}

void labelBox(QPainter &p, QPointF anchor, const QString &text, const QColor &ink, const QColor &paper)
{
    const QFontMetricsF fm(p.font());
    const QStringList lines = text.split(QLatin1Char('\n'));
    const double pad = fm.height() * 0.3;
    const QRectF box(anchor, labelSize(p.font(), text));
    p.save();
    p.setPen(QPen(ink.lighter(160), 1.0));
    p.setBrush(paper);
    p.drawRoundedRect(box, pad, pad);
    p.setPen(ink);
    for (int i = 0; i < lines.size(); ++i)
        p.drawText(QPointF(box.left() + pad, box.top() + pad + fm.ascent() + i * fm.height()), lines[i]);
    p.restore();
}

void arrowHead(QPainter &p, QPointF tip, double screenDeg, double size, const QColor &colour)
{
    const QPointF d = direction(screenDeg);
    const QPointF n(-d.y(), d.x());
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(tip - d * size + n * size * 0.45);
    head.lineTo(tip - d * size * 0.7);
    head.lineTo(tip - d * size - n * size * 0.45);
    head.closeSubpath();
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(head);
    p.restore();
}

} // namespace orvik3::trainer::paintkit
