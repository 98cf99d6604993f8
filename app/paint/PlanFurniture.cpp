#include "paint/PlanFurniture.h"

#include "paint/PaintKit.h"
#include "paint/PlanPainter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace orvik3::trainer {

using namespace paintkit;

namespace {

const QColor kInk(0x2b, 0x2b, 0x2b);
const QColor kWind(0x2a, 0x7a, 0xb0);

QString windLabel(const host::Wind &wind)
{
    return QStringLiteral("W/V %1/%2").arg(threeDigits(wind.fromDeg)).arg(std::lround(wind.speedKt));
}

QString scaleLabel(double nm) { return QStringLiteral("%1 NM").arg(nm); }

} // namespace

PlanFurniture::PlanFurniture(const QRectF &rect, const PlanTransform &t, std::optional<host::Wind> wind, double unit)
    : m_rect(rect), m_wind(std::move(wind)), m_unit(unit)
{
    for (double s : {1.0, 2.0, 5.0, 10.0, 20.0, 50.0, 100.0})
        if (s * t.pixelsPerNm() <= rect.width() / 4.0)
            m_nm = s;
    m_len = m_nm * t.pixelsPerNm();
}

QColor PlanFurniture::windInk() { return kWind; }

QRectF PlanFurniture::windRose(const QRectF &rect, bool left)
{
    const double unit = PlanPainter::unitIn(rect);
    const double r = 26.0 * unit;
    const QPointF c(left ? rect.left() + r + 14 * unit : rect.right() - r - 14 * unit, rect.top() + r + 14 * unit);
    return {c - QPointF(r, r), QSizeF(2 * r, 2 * r)};
}

void PlanFurniture::arrange(const std::function<double(const QRectF &)> &hides)
{
    const auto scaleHides = [&] {
        const std::vector<QRectF> b = boxes();
        return hides(b[0]) + hides(b[1]);
    };
    m_scaleRight = false;
    const double leftHides = scaleHides();
    m_scaleRight = true;
    m_scaleRight = scaleHides() < leftHides;
    m_windLeft = true;
    const double leftCovers = hides(windBox());
    m_windLeft = false;
    m_windLeft = m_wind && leftCovers < hides(windBox());
}

std::vector<QRectF> PlanFurniture::boxes() const
{
    // The north arrow and the bar apart: a line may pass between them.
    const QRectF scale = scaleBox();
    std::vector<QRectF> out{QRectF(scale.topLeft(), QSizeF(20 * m_unit, 36 * m_unit)),
                            QRectF(scale.left(), scale.bottom() - 22 * m_unit, scale.width(), 22 * m_unit)};
    if (m_wind)
        out.push_back(windBox());
    return out;
}

QRectF PlanFurniture::windBox() const
{
    if (!m_wind)
        return {};
    const QRectF rose = windRose(m_rect, m_windLeft);
    const double r = rose.width() / 2.0;
    const double w = std::max(2 * r, QFontMetricsF(font(11 * m_unit, true)).horizontalAdvance(windLabel(*m_wind)));
    return {rose.center().x() - w / 2 - 2 * m_unit, rose.top() - 2 * m_unit, w + 4 * m_unit, 2 * r + 20 * m_unit};
}

QRectF PlanFurniture::scaleBox() const
{
    // The bar, its length beside it and the north arrow above its left end.
    const double w = m_len + 5 * m_unit + QFontMetricsF(font(10.5 * m_unit)).horizontalAdvance(scaleLabel(m_nm));
    const double left = m_scaleRight ? m_rect.right() - 14 * m_unit - w : m_rect.left() + 14 * m_unit;
    return {left - 4 * m_unit, m_rect.bottom() - 66 * m_unit, w + 8 * m_unit, 56 * m_unit};
}

void PlanFurniture::paint(QPainter &p) const
{
    const QRectF box = scaleBox();
    const QPointF a(box.left() + 4 * m_unit, m_rect.bottom() - 14 * m_unit);
    p.setPen(QPen(kInk, 1.5 * m_unit));
    p.drawLine(a, a + QPointF(m_len, 0));
    p.drawLine(a, a - QPointF(0, 5 * m_unit));
    p.drawLine(a + QPointF(m_len, 0), a + QPointF(m_len, -5 * m_unit));
    p.setFont(font(10.5 * m_unit));
    p.drawText(a + QPointF(m_len + 5 * m_unit, 0), scaleLabel(m_nm));
    const QPointF n(a.x() + 6 * m_unit, a.y() - 38 * m_unit);
    arrowHead(p, n, 0.0, 12 * m_unit, kInk);
    p.setFont(font(11 * m_unit, true));
    centredText(p, n + QPointF(0, 14 * m_unit), QStringLiteral("N"));
    if (!m_wind)
        return;
    const QRectF rose = windRose(m_rect, m_windLeft);
    const double r = rose.width() / 2.0;
    const QPointF c = rose.center();
    p.setPen(QPen(kWind.lighter(170), 1.0 * m_unit));
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(c, r, r);
    // The arrow flies with the wind: from where it blows toward where it goes.
    const QPointF d = direction(m_wind->fromDeg + 180.0);
    p.setPen(QPen(kWind, 2.4 * m_unit, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c - d * r * 0.75, c + d * r * 0.45);
    arrowHead(p, c + d * r * 0.8, m_wind->fromDeg + 180.0, 10 * m_unit, kWind);
    p.setFont(font(11 * m_unit, true));
    p.setPen(kWind.darker(130));
    centredText(p, c + QPointF(0, r + 10 * m_unit), windLabel(*m_wind));
}

} // namespace orvik3::trainer
