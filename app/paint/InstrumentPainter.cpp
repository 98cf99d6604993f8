#include "paint/InstrumentPainter.h"

#include "paint/PaintKit.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <map>
#include <cmath>

namespace orvik3::trainer {

using namespace paintkit;
namespace nav = host::nav;

namespace {

const QColor kFace(0x14, 0x16, 0x1a);
const QColor kBezel(0x3a, 0x3d, 0x42);
const QColor kMarks(0xf2, 0xf2, 0xf2);
const QColor kCourse(0xff, 0x3d, 0xd4);
const QColor kNeedle(0xff, 0xc8, 0x1e);
const QColor kLubber(0xff, 0x8c, 0x1a);
const QColor kCardinals(0xff, 0xff, 0xff);
const QColor kFlag(0xd6, 0x24, 0x1d);

double captionHeight(const QRectF &rect) { return std::max(14.0, std::min(rect.width(), rect.height()) * 0.09); }

// The twelve card labels as outlines, centred on the origin, for one text size. Rotated
// text is drawn as outlines anyway; keeping them saves laying the text out at every frame.
const std::array<QPainterPath, 12> &cardLabels(int pixelSize)
{
    static const char *kLabels[] = {"N", "3", "6", "E", "12", "15", "S", "21", "24", "W", "30", "33"};
    static std::map<int, std::array<QPainterPath, 12>> cache;
    auto it = cache.find(pixelSize);
    if (it != cache.end())
        return it->second;
    if (cache.size() > 32)
        cache.clear();
    std::array<QPainterPath, 12> paths;
    const QFont f = font(pixelSize, true);
    for (int k = 0; k < 12; ++k) {
        QPainterPath path;
        path.addText(0, 0, f, QString::fromLatin1(kLabels[k]));
        const QRectF box = path.boundingRect();
        paths[k] = path.translated(-box.center());
    }
    return cache.emplace(pixelSize, std::move(paths)).first->second;
}

} // namespace

QString instrumentCaption(const InstrumentReading &m)
{
    // Name and station only: a bearing or heading written here would answer the question
    // that asks the student to read it off the dial.
    QString text = instrumentName(m.kind);
    if (!m.station.isEmpty())
        text += QStringLiteral("   ") + m.station;
    return text;
}

InstrumentPainter::Dial InstrumentPainter::dialIn(const QRectF &rect)
{
    const QRectF dial = rect.adjusted(0, 0, 0, -captionHeight(rect) * 1.2);
    return {dial.center(), std::max(10.0, std::min(dial.width(), dial.height()) / 2.0 * 0.92)};
}

InstrumentPainter::Inks InstrumentPainter::inks()
{
    return {kNeedle, kCourse, kLubber, kMarks, kCardinals, kFlag};
}

void InstrumentPainter::paint(QPainter &p, const QRectF &rect, const InstrumentReading &m) const
{
    p.save();
    const double captionH = captionHeight(rect);
    const Dial dial = dialIn(rect);
    const double r = dial.radius;
    const QPointF c = dial.centre;

    if (m.kind == InstrumentKind::Dme) {
        dme(p, QRectF(c.x() - r, c.y() - r * 0.45, 2 * r, r * 0.9), m);
    } else {
        bezel(p, c, r);
        switch (m.kind) {
        case InstrumentKind::Hsi: hsi(p, c, r, m); break;
        case InstrumentKind::Vor: vor(p, c, r, m); break;
        case InstrumentKind::Rmi:
        case InstrumentKind::Adf:
            card(p, c, r * 0.94, m.cardDeg);
            lubber(p, c, r);
            aircraftSymbol(p, c, r * 0.32);
            if (m.valid)
                needle(p, c, r * 0.78, m.pointerDeg);
            else
                navFlag(p, c + QPointF(-r * 0.45, -r * 0.2), r, QStringLiteral("ADF"));
            break;
        case InstrumentKind::Dg:
            card(p, c, r * 0.94, m.cardDeg);
            lubber(p, c, r);
            aircraftSymbol(p, c, r * 0.5);
            break;
        case InstrumentKind::Dme: break;
        }
    }
    p.setPen(QColor(0x20, 0x20, 0x20));
    p.setFont(font(captionH * 0.8, true));
    centredText(p, QPointF(c.x(), rect.bottom() - captionH * 0.6), instrumentCaption(m));
    p.restore();
}

void InstrumentPainter::bezel(QPainter &p, QPointF c, double r) const
{
    QRadialGradient rim(c, r * 1.07);
    rim.setColorAt(0.85, kBezel.lighter(130));
    rim.setColorAt(1.0, kBezel.darker(150));
    p.setPen(Qt::NoPen);
    p.setBrush(rim);
    p.drawEllipse(c, r * 1.07, r * 1.07);
    p.setBrush(kFace);
    p.drawEllipse(c, r, r);
}

void InstrumentPainter::card(QPainter &p, QPointF c, double r, double rotationDeg) const
{
    p.save();
    p.translate(c);
    p.setPen(QPen(kMarks, std::max(1.0, r / 90.0)));
    for (int g = 0; g < 360; g += 5) {
        const QPointF d = direction(g + rotationDeg);
        const double len = g % 10 == 0 ? r * 0.11 : r * 0.06;
        p.drawLine(d * r, d * (r - len));
    }
    const auto &labels = cardLabels(std::max(7, int(std::lround(r * 0.15))));
    p.setPen(Qt::NoPen);
    for (int k = 0; k < 12; ++k) {
        p.save();
        p.rotate(k * 30 + rotationDeg);
        p.translate(0, -r * 0.74);
        p.setBrush(k % 3 == 0 ? kCardinals : kMarks.darker(115));
        p.drawPath(labels[k]);
        p.restore();
    }
    p.restore();
}

void InstrumentPainter::lubber(QPainter &p, QPointF c, double r) const
{
    QPolygonF tri;
    tri << c + QPointF(0, -r * 0.8) << c + QPointF(-r * 0.07, -r * 1.0) << c + QPointF(r * 0.07, -r * 1.0);
    p.setPen(Qt::NoPen);
    p.setBrush(kLubber);
    p.drawPolygon(tri);
}

void InstrumentPainter::aircraftSymbol(QPainter &p, QPointF c, double s) const
{
    p.save();
    p.translate(c);
    p.setPen(QPen(kLubber, std::max(1.5, s / 10.0), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, -s * 0.55), QPointF(0, s * 0.55));
    p.drawLine(QPointF(-s * 0.6, -s * 0.05), QPointF(s * 0.6, -s * 0.05));
    p.drawLine(QPointF(-s * 0.25, s * 0.5), QPointF(s * 0.25, s * 0.5));
    p.restore();
}

void InstrumentPainter::needle(QPainter &p, QPointF c, double r, double screenDeg) const
{
    const QPointF d = direction(screenDeg);
    p.setPen(QPen(kNeedle, std::max(2.0, r / 22.0), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c - d * r * 0.92, c + d * r * 0.8);
    arrowHead(p, c + d * r, screenDeg, r * 0.24, kNeedle);
    p.setPen(Qt::NoPen);
    p.setBrush(kNeedle.darker(140));
    p.drawEllipse(c, r * 0.06, r * 0.06);
}

void InstrumentPainter::navFlag(QPainter &p, QPointF at, double r, const QString &text) const
{
    const QRectF box(at, QSizeF(r * 0.32, r * 0.17));
    p.setPen(Qt::NoPen);
    p.setBrush(kFlag);
    p.drawRect(box);
    p.setPen(Qt::white);
    p.setFont(font(r * 0.11, true));
    centredText(p, box.center(), text);
}

void InstrumentPainter::hsi(QPainter &p, QPointF c, double r, const InstrumentReading &m) const
{
    card(p, c, r * 0.94, m.cardDeg);
    lubber(p, c, r);

    p.save();
    p.translate(c);
    p.rotate(m.pointerDeg);
    const double dot = r * 0.19;
    p.setPen(QPen(kMarks, std::max(1.0, r / 80.0)));
    p.setBrush(Qt::NoBrush);
    for (int k : {-2, -1, 1, 2})
        p.drawEllipse(QPointF(k * dot, 0), r * 0.035, r * 0.035);
    const double w = std::max(2.5, r / 16.0);
    p.setPen(QPen(kCourse, w, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(0, -r * 0.42), QPointF(0, -r * 0.62));
    p.drawLine(QPointF(0, r * 0.42), QPointF(0, r * 0.78));
    arrowHead(p, QPointF(0, -r * 0.8), 0.0, r * 0.2, kCourse);
    if (m.valid && m.flag != nav::ToFrom::Off) {
        p.drawLine(QPointF(m.deviation * 2 * dot, -r * 0.36), QPointF(m.deviation * 2 * dot, r * 0.36));
        const double dir = m.flag == nav::ToFrom::To ? -1.0 : 1.0;
        QPolygonF tri;
        tri << QPointF(r * 0.2, dir * r * 0.3) << QPointF(r * 0.13, dir * r * 0.2) << QPointF(r * 0.27, dir * r * 0.2);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPolygon(tri);
    }
    p.restore();
    aircraftSymbol(p, c, r * 0.3);
    if (!m.valid || m.flag == nav::ToFrom::Off)
        navFlag(p, c + QPointF(-r * 0.55, -r * 0.3), r, QStringLiteral("NAV"));
}

void InstrumentPainter::vor(QPainter &p, QPointF c, double r, const InstrumentReading &m) const
{
    // Outer OBS card, the setting under the top index.
    card(p, c, r * 0.95, m.cardDeg);
    QPolygonF index;
    index << c + QPointF(0, -r * 0.64) << c + QPointF(-r * 0.07, -r * 0.5) << c + QPointF(r * 0.07, -r * 0.5);
    p.setPen(Qt::NoPen);
    p.setBrush(kLubber);
    p.drawPolygon(index);
    p.setPen(QPen(kMarks.darker(130), 1.0));
    p.setBrush(kFace.lighter(130));
    p.drawEllipse(c, r * 0.58, r * 0.58);

    const double dot = r * 0.1;
    p.setPen(QPen(kMarks, std::max(1.0, r / 80.0)));
    p.setBrush(Qt::NoBrush);
    for (int k = -5; k <= 5; ++k) {
        if (k == 0)
            p.drawEllipse(c, r * 0.06, r * 0.06);
        else
            p.drawEllipse(c + QPointF(k * dot, 0), r * 0.022, r * 0.022);
    }
    if (m.valid && m.flag != nav::ToFrom::Off) {
        const double x = c.x() + m.deviation * 5 * dot;
        p.setPen(QPen(Qt::white, std::max(2.5, r / 22.0), Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x, c.y() - r * 0.48), QPointF(x, c.y() + r * 0.48));
    }
    const QRectF window(c + QPointF(r * 0.14, -r * 0.36), QSizeF(r * 0.3, r * 0.16));
    p.setPen(QPen(kMarks.darker(150), 1.0));
    p.setBrush(Qt::black);
    p.drawRect(window);
    if (!m.valid || m.flag == nav::ToFrom::Off) {
        navFlag(p, window.topLeft(), r * 0.94, QStringLiteral("OFF"));
    } else {
        const QString flag = m.flag == nav::ToFrom::To ? QStringLiteral("TO") : QStringLiteral("FROM");
        // As large as the window allows: "FROM" is twice as wide as "TO".
        QFont f = font(r * 0.11, true);
        const double wide = QFontMetricsF(f).horizontalAdvance(flag);
        if (wide > window.width() * 0.88)
            f.setPixelSize(std::max(6, int(f.pixelSize() * window.width() * 0.88 / wide)));
        p.setPen(Qt::white);
        p.setFont(f);
        centredText(p, window.center(), flag);
    }
}

void InstrumentPainter::dme(QPainter &p, const QRectF &rect, const InstrumentReading &m) const
{
    p.setPen(QPen(kBezel.darker(120), 2.0));
    p.setBrush(kBezel);
    p.drawRoundedRect(rect, rect.height() * 0.12, rect.height() * 0.12);
    const QRectF screen = rect.adjusted(rect.height() * 0.12, rect.height() * 0.14, -rect.height() * 0.12, -rect.height() * 0.14);
    p.setBrush(Qt::black);
    p.drawRect(screen);
    p.setPen(QColor(0xff, 0x6a, 0x00));
    const QString text = m.valid ? QStringLiteral("%1 NM").arg(m.value, 0, 'f', 1) : QStringLiteral("---.- NM");
    p.setFont(font(std::min(screen.height() * 0.6, screen.width() / (text.size() * 0.72)), true));
    p.drawText(screen, Qt::AlignCenter, text);
}

} // namespace orvik3::trainer
