#include "PaintedText.h"

#include <QPaintEngine>

namespace orvik3::trainer::test {

namespace {

class TextEngine : public QPaintEngine
{
public:
    TextEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
    QStringList texts;

    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &) override {}
    void drawPath(const QPainterPath &) override {}
    void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawTextItem(const QPointF &, const QTextItem &item) override { texts << item.text(); }
    Type type() const override { return QPaintEngine::User; }
};

} // namespace

PaintedText::PaintedText(QSize size) : m_size(size), m_engine(std::make_unique<TextEngine>()) {}

PaintedText::~PaintedText() = default;

const QStringList &PaintedText::texts() const { return static_cast<TextEngine *>(m_engine.get())->texts; }

QPaintEngine *PaintedText::paintEngine() const { return m_engine.get(); }

int PaintedText::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth: return m_size.width();
    case PdmHeight: return m_size.height();
    case PdmDpiX: case PdmDpiY: case PdmPhysicalDpiX: case PdmPhysicalDpiY: return 96;
    case PdmDevicePixelRatio: return 1;
    case PdmDevicePixelRatioScaled: return int(QPaintDevice::devicePixelRatioFScale());
    case PdmDepth: return 32;
    default: return 1;
    }
}

} // namespace orvik3::trainer::test
