#include "paint/PlanLabels.h"

#include "paint/PaintKit.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <optional>

namespace orvik3::trainer {

PlanLabels::PlanLabels(QPainter &p, const QRectF &rect, double unit, PlanProbe *probe)
    : m_p(p), m_rect(rect), m_unit(unit), m_probe(probe), m_placer(rect.adjusted(3 * unit, 3 * unit, -3 * unit, -3 * unit))
{
}

void PlanLabels::record(const QString &text, const QRectF &rect)
{
    if (m_probe)
        m_probe->labels.push_back({text, rect});
}

void PlanLabels::mark(const QRectF &rect, bool isSymbol)
{
    m_placer.take(rect);
    if (m_probe && isSymbol)
        m_probe->marks.push_back(rect);
}

QRectF PlanLabels::room(const std::vector<QPointF> &candidates, QSizeF size, const QString &text)
{
    const QRectF r = m_placer.placeAt(candidates, size);
    record(text, r);
    return r;
}

bool PlanLabels::roomIfClear(const std::vector<QPointF> &candidates, QSizeF size, const QString &text, QRectF *at)
{
    const std::optional<QRectF> r = m_placer.firstClear(candidates, size);
    if (!r)
        return false;
    m_placer.take(*r);
    record(text, *r);
    *at = *r;
    return true;
}

void PlanLabels::line(const QPolygonF &points, double width)
{
    m_placer.take(points, width);
    if (m_probe)
        m_probe->lines.push_back({points, width});
}

void PlanLabels::text(QPointF anchor, const QString &text, const QColor &ink, double gap)
{
    const QFontMetricsF fm(m_p.font());
    const QSizeF size(fm.horizontalAdvance(text) + 2.0, fm.height());
    const LabelPlacer::Placed at = m_placer.place(anchor, size, gap);
    m_p.save();
    if (at.leader) {
        // From the anchor to the nearest point of the label.
        const QPointF near(std::clamp(anchor.x(), at.rect.left(), at.rect.right()), std::clamp(anchor.y(), at.rect.top(), at.rect.bottom()));
        m_p.setPen(QPen(ink, 0.8 * m_unit, Qt::DotLine));
        m_p.drawLine(anchor, near);
    }
    m_p.setPen(ink);
    m_p.drawText(at.rect, Qt::AlignCenter, text);
    m_p.restore();
    record(text, at.rect);
}

std::vector<QPointF> PlanLabels::places(const std::vector<int> &corners, QSizeF size) const
{
    const double m = 8 * m_unit;
    std::vector<QPointF> places;
    for (int c : corners) {
        const double x = (c == 1 || c == 2) ? m_rect.right() - m - size.width() : m_rect.left() + m;
        const double y = (c >= 2) ? m_rect.bottom() - m - size.height() : m_rect.top() + m;
        places.push_back({x, y});
    }
    // Then down the sides from each corner, in steps of a third of the box.
    for (std::size_t i = 0; i < corners.size(); ++i)
        for (int k = 1; k <= 12; ++k)
            places.push_back(places[i] + QPointF(0, (corners[i] >= 2 ? -1 : 1) * k * size.height() / 1.5));
    return places;
}

namespace {

// A long caption in two lines: after its first comma, else at its widest gap, else at the
// space nearest its middle. The text itself when it has no space.
QString twoLines(const QString &text)
{
    if (const int comma = text.indexOf(QLatin1String(", ")); comma > 0)
        return text.left(comma + 1) + u'\n' + text.mid(comma + 2);
    if (const int gap = text.indexOf(QLatin1String("  ")); gap > 0)
        return text.left(gap) + u'\n' + text.mid(gap).trimmed();
    int best = -1;
    for (int k = text.indexOf(u' '); k > 0; k = text.indexOf(u' ', k + 1))
        if (best < 0 || std::abs(k - text.size() / 2) < std::abs(best - text.size() / 2))
            best = k;
    return best > 0 ? text.left(best) + u'\n' + text.mid(best + 1) : text;
}

} // namespace

void PlanLabels::box(const std::vector<int> &corners, const QString &text, const QColor &ink, const QColor &paper)
{
    // On one line where that finds a free place, else on two; failing both, where it covers least.
    for (const QString &shown : {text, twoLines(text)}) {
        const QSizeF size = paintkit::labelSize(m_p.font(), shown);
        if (QRectF r; roomIfClear(places(corners, size), size, shown, &r)) {
            paintkit::labelBox(m_p, r.topLeft(), shown, ink, paper);
            return;
        }
    }
    const QSizeF size = paintkit::labelSize(m_p.font(), text);
    paintkit::labelBox(m_p, room(places(corners, size), size, text).topLeft(), text, ink, paper);
}

} // namespace orvik3::trainer
