#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QPainter;

namespace orvik3::trainer::test {

// Looking into rendered pictures: where a colour was put, measured from a known point.
// Colours match when no channel differs by more than the tolerance.

// The point `distance` away from `centre` in screen direction `screenDeg` (clockwise from up).
QPointF polar(QPointF centre, double screenDeg, double distance);
// `along` in direction `screenDeg`, then `across` to the right of that direction.
QPointF local(QPointF origin, double screenDeg, double along, double across);

bool sameInk(QColor a, const QColor &b, int tolerance);
// Whether some pixel within `radius` of `at` has the colour `ink`.
bool inkNear(const QImage &image, QPointF at, const QColor &ink, double radius = 1.5, int tolerance = 12);
// Pixels of colour `ink` within `radius` of `at`, optionally only those on one side of
// the line through `at` along `screenDeg` (+1 right of it, -1 left, 0 all).
int inkCount(const QImage &image, QPointF at, double radius, const QColor &ink, int tolerance = 12,
             double screenDeg = 0.0, int side = 0);
// The bounding box and the mean position of the `ink` pixels inside `area`.
QRectF inkBounds(const QImage &image, const QRectF &area, const QColor &ink, int tolerance = 12);
std::optional<QPointF> inkCentroid(const QImage &image, const QRectF &area, const QColor &ink, int tolerance = 12);

// A picture of `size` on a grey ground, antialiased as on screen, drawn by `paint`.
QImage render(QSize size, const std::function<void(QPainter &)> &paint);
// Keeps the picture as <name>.png in the folder ORVIK3_PROBE_PNG names, if it names one,
// so that probe positions can be looked at.
void keepPicture(const QImage &image, const QString &name);

// Why a compass card of radius `cardRadius` around `centre` does not show north at screen
// angle `northDeg` (empty when it does): the white cardinal letters on their quarters and
// nowhere between, and "E", with its upright on the side toward north, not swapped with "W".
std::vector<std::string> compassCardFaults(const QImage &image, QPointF centre, double cardRadius, double northDeg,
                                           const QColor &cardinals, const std::vector<double> &coveredDeg = {});

// Row names for parameterised tests: "RMI QDM 090" becomes "RMI_QDM_090".
std::string rowName(const std::string &text);

} // namespace orvik3::trainer::test
