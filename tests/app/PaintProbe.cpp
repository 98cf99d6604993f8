#include "PaintProbe.h"

#include <QDir>
#include <QPainter>
#include <algorithm>
#include <cctype>
#include <cmath>

namespace orvik3::trainer::test {

namespace {

double angleApart(double a, double b)
{
    const double d = std::fmod(std::abs(a - b), 360.0);
    return std::min(d, 360.0 - d);
}

} // namespace

QPointF polar(QPointF centre, double screenDeg, double distance)
{
    const double a = screenDeg * M_PI / 180.0;
    return centre + QPointF(std::sin(a), -std::cos(a)) * distance;
}

QPointF local(QPointF origin, double screenDeg, double along, double across)
{
    return polar(polar(origin, screenDeg, along), screenDeg + 90.0, across);
}

bool sameInk(QColor a, const QColor &b, int tolerance)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance
        && std::abs(a.blue() - b.blue()) <= tolerance;
}

bool inkNear(const QImage &image, QPointF at, const QColor &ink, double radius, int tolerance)
{
    return inkCount(image, at, radius, ink, tolerance) > 0;
}

int inkCount(const QImage &image, QPointF at, double radius, const QColor &ink, int tolerance, double screenDeg, int side)
{
    const double a = screenDeg * M_PI / 180.0;
    const QPointF right(std::cos(a), std::sin(a));
    int n = 0;
    for (int y = int(std::floor(at.y() - radius)); y <= int(std::ceil(at.y() + radius)); ++y)
        for (int x = int(std::floor(at.x() - radius)); x <= int(std::ceil(at.x() + radius)); ++x) {
            const QPointF d = QPointF(x + 0.5, y + 0.5) - at;
            if (!image.valid(x, y) || QPointF::dotProduct(d, d) > radius * radius)
                continue;
            const double across = QPointF::dotProduct(d, right);
            if ((side > 0 && across <= 0.0) || (side < 0 && across >= 0.0))
                continue;
            if (sameInk(image.pixelColor(x, y), ink, tolerance))
                ++n;
        }
    return n;
}

QRectF inkBounds(const QImage &image, const QRectF &area, const QColor &ink, int tolerance)
{
    QRectF box;
    const QRect pixels = area.toAlignedRect() & image.rect();
    for (int y = pixels.top(); y <= pixels.bottom(); ++y)
        for (int x = pixels.left(); x <= pixels.right(); ++x)
            if (sameInk(image.pixelColor(x, y), ink, tolerance))
                box |= QRectF(x, y, 1, 1);
    return box;
}

std::optional<QPointF> inkCentroid(const QImage &image, const QRectF &area, const QColor &ink, int tolerance)
{
    QPointF sum;
    int n = 0;
    const QRect pixels = area.toAlignedRect() & image.rect();
    for (int y = pixels.top(); y <= pixels.bottom(); ++y)
        for (int x = pixels.left(); x <= pixels.right(); ++x)
            if (sameInk(image.pixelColor(x, y), ink, tolerance)) {
                sum += QPointF(x + 0.5, y + 0.5);
                ++n;
            }
    if (n == 0)
        return std::nullopt;
    return sum / n;
}

QImage render(QSize size, const std::function<void(QPainter &)> &paint)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(0xe6, 0xe4, 0xde));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    paint(p);
    p.end();
    return image;
}

void keepPicture(const QImage &image, const QString &name)
{
    const QString folder = qEnvironmentVariable("ORVIK3_PROBE_PNG");
    if (!folder.isEmpty())
        image.save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

std::vector<std::string> compassCardFaults(const QImage &image, QPointF centre, double cardRadius, double northDeg,
                                           const QColor &cardinals, const std::vector<double> &coveredDeg)
{
    // The labels stand three quarters of the way out; a letter is some 0.15 of the card high.
    const double labelAt = cardRadius * 0.74, letter = cardRadius * 0.15;
    auto covered = [&](double deg) {
        return std::any_of(coveredDeg.begin(), coveredDeg.end(), [&](double c) { return angleApart(c, deg) < 20.0; });
    };
    std::vector<std::string> faults;
    static const char *kQuarters[] = {"N", "E", "S", "W"};
    for (int q = 0; q < 4; ++q) {
        const double deg = northDeg + 90.0 * q;
        if (!covered(deg) && !inkNear(image, polar(centre, deg, labelAt), cardinals, letter * 0.15, 8))
            faults.push_back(std::string("no cardinal letter where ") + kQuarters[q] + " belongs, at "
                             + std::to_string(int(std::lround(std::fmod(deg + 360.0, 360.0)))));
        for (double between : {30.0, 60.0}) {
            const double at = deg + between;
            if (!covered(at) && inkNear(image, polar(centre, at, labelAt), cardinals, letter * 0.3, 8))
                faults.push_back("a cardinal letter at " + std::to_string(int(std::lround(std::fmod(at + 360.0, 360.0)))));
        }
    }
    // A card drawn mirror-wise still has letters on the quarters, but W where E belongs.
    // E leans on its upright, which faces north on the card; W is balanced.
    const double east = northDeg + 90.0;
    if (!covered(east)) {
        const QPointF e = polar(centre, east, labelAt);
        const int towardNorth = inkCount(image, e, letter * 0.6, cardinals, 8, east, -1);
        const int awayFromNorth = inkCount(image, e, letter * 0.6, cardinals, 8, east, +1);
        if (towardNorth < awayFromNorth * 1.25)
            faults.push_back("the letter east of north is not an E (" + std::to_string(towardNorth) + " against "
                             + std::to_string(awayFromNorth) + " pixels)");
    }
    return faults;
}

std::string rowName(const std::string &text)
{
    std::string out;
    for (char c : text)
        out += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return out;
}

} // namespace orvik3::trainer::test
