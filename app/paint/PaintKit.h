#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QSizeF>
#include <QString>

class QPainter;
class QRectF;

namespace orvik3::trainer::paintkit {

// Shared drawing helpers so the plan and the instruments speak one visual language.

// A sans-serif font of `pixels` height (never below 7 so that small windows stay legible).
QFont font(double pixels, bool bold = false);

// Unit vector of a screen angle, degrees clockwise from the top.
QPointF direction(double screenDeg);

// Text centred on `centre`.
void centredText(QPainter &p, QPointF centre, const QString &text);

// The size labelBox() gives `text` in `font`.
QSizeF labelSize(const QFont &font, const QString &text);
// A text in a rounded box, for labels over the map: `anchor` is its top-left corner.
void labelBox(QPainter &p, QPointF anchor, const QString &text, const QColor &ink, const QColor &paper);

// A bearing as the plan writes it: three digits, north as 360.
QString threeDigits(double deg);

// An arrow head at `tip` pointing along screen angle `screenDeg`.
void arrowHead(QPainter &p, QPointF tip, double screenDeg, double size, const QColor &colour);

} // namespace orvik3::trainer::paintkit
