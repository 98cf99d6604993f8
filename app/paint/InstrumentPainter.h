#pragma once

#include "situation/InstrumentReadings.h"

#include <QColor>
#include <QPointF>

class QPainter;
class QRectF;

namespace orvik3::trainer {

// Draws one instrument into a rectangle: the dial as large as fits, a caption underneath.
// All angles come from the reading; the painter only turns them into strokes.
class InstrumentPainter
{
public:
    void paint(QPainter &p, const QRectF &rect, const InstrumentReading &reading) const;

    // Where paint() puts the dial in `rect`, and the inks of its moving parts: enough to
    // find in an image where a needle or a card mark went.
    struct Dial {
        QPointF centre;
        double radius = 0.0;
    };
    struct Inks {
        QColor needle, course, lubber, marks, cardinals, flag;
    };
    static Dial dialIn(const QRectF &rect);
    static Inks inks();

private:
    void bezel(QPainter &p, QPointF c, double r) const;
    void card(QPainter &p, QPointF c, double r, double rotationDeg) const;
    void lubber(QPainter &p, QPointF c, double r) const;
    void aircraftSymbol(QPainter &p, QPointF c, double r) const;
    void needle(QPainter &p, QPointF c, double r, double screenDeg) const;
    void navFlag(QPainter &p, QPointF at, double r, const QString &text) const;

    void hsi(QPainter &p, QPointF c, double r, const InstrumentReading &m) const;
    void vor(QPainter &p, QPointF c, double r, const InstrumentReading &m) const;
    void dme(QPainter &p, const QRectF &rect, const InstrumentReading &m) const;
};

// The caption written under an instrument, e.g. "HSI   TGO": never a value it shows.
QString instrumentCaption(const InstrumentReading &reading);

} // namespace orvik3::trainer
