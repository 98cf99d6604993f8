#include <orvik3/QAformWidget.h>

#include <orvik3/PowerTipDialog.h>

#include "widgets/FocusRing.h"
#include "widgets/FormView.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <algorithm>
#include <cmath>
#include <exception>

namespace orvik3 {

QAformWidget::QAformWidget(QWidget *parent)
    : QAformWidget(Services{}, parent)
{
}

QAformWidget::QAformWidget(Services services, QWidget *parent)
    : QWidget(parent)
    , m_owned(std::make_unique<QAform>(std::move(services)))
    , m_control(m_owned.get())
{
    m_control->setAmbientFont(panelFont());
    m_control->InitProperties();
    init();
}

QAformWidget::QAformWidget(QAform &control, QWidget *parent)
    : QWidget(parent)
    , m_control(&control)
{
    init();
}

QAformWidget::QAformWidget(QAform &control, double zoom, QWidget *parent)
    : QWidget(parent)
    , m_control(&control)
{
    init(zoom);
}

QAformWidget::~QAformWidget() = default;

void QAformWidget::init(double zoom)
{
    registerPowerTipWindow();
    if (std::isfinite(zoom))
        m_zoom = std::clamp(zoom, minimumZoom, maximumZoom);
    setFont(m_zoom == 1.0 ? panelFont() : zoomedFont());
    setAttribute(Qt::WA_StyledBackground, true);
    m_view = new FormView(m_control->form(), *this);
    new FocusRing(this);
    applySize();
}

void QAformWidget::applySize()
{
    // The control keeps the size of its position frame plus a margin, whatever the host asks.
    setFixedSize(sizeHint());
}

QSize QAformWidget::sizeHint() const
{
    return {toPixels(m_control->width()), toPixels(m_control->height())};
}

QWidget *QAformWidget::widgetFor(const QString &controlName) const
{
    return m_view->widgetFor(controlName);
}

bool QAformWidget::choicePending() const { return m_view->m_uncommitted != nullptr; }
qint64 QAformWidget::lastChoiceCommit() const { return m_view->m_committedAt; }

qreal QAformWidget::dpi() const
{
    return logicalDpiY();
}

int QAformWidget::toPixels(int twips) const
{
    return int(std::lround(twips * dpi() * m_zoom / 1440.0));
}

void QAformWidget::setZoom(double zoom)
{
    if (!std::isfinite(zoom))
        return;
    zoom = std::clamp(zoom, minimumZoom, maximumZoom);
    if (zoom == m_zoom)
        return;
    m_zoom = zoom;
    setFont(zoomedFont());
    m_view->relayout();
    applySize();
    updateGeometry();
}

QFont QAformWidget::zoomedFont() const
{
    QFont font = panelFont();
    font.setPointSizeF(font.pointSizeF() * m_zoom);
    return font;
}

double QAformWidget::matchingZoom(const QFont &text)
{
    const qreal panel = panelFont().pointSizeF();
    const qreal wanted = text.pointSizeF() > 0 ? text.pointSizeF() : text.pixelSize() * 72.0 / 96.0;
    if (panel <= 0 || wanted <= 0)
        return 1.0;
    return std::clamp(wanted / panel, minimumZoom, maximumZoom);
}

QFont QAformWidget::panelFont()
{
    // The panels were laid out for an 8-point bitmap sans-serif font whose letters are about
    // 5.6 pixels wide on a 96-dpi screen (4.2 points); Arial-like fonts of the same size are
    // a sixth wider. A wider stand-in is made smaller until its letters take the same room,
    // so that the design captions keep fitting their option buttons. Worked out once: the
    // fonts of a running program do not change.
    static const QFont designFont = [] {
        QFont font;
        font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                          QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("Arial"),
                          QStringLiteral("Helvetica"), QStringLiteral("DejaVu Sans")});
        font.setStyleHint(QFont::SansSerif);
        font.setPointSizeF(8.0);
        static const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
        const QFontMetricsF metrics(font);
        const qreal dpi = metrics.fontDpi() > 0 ? metrics.fontDpi() : 96.0;
        const qreal letterPoints = metrics.horizontalAdvance(letters) / letters.size() * 72.0 / dpi;
        if (letterPoints > 4.25)
            font.setPointSizeF(std::max(6.5, 8.0 * 4.2 / letterPoints));
        return font;
    }();
    return designFont;
}

void QAformWidget::registerPowerTipWindow()
{
    if (!Services::defaultPowerTipFactory())
        Services::setDefaultPowerTipFactory([] { return std::make_unique<PowerTipDialog>(); });
}

bool QAformWidget::guarded(const std::function<void()> &work)
{
    try {
        work();
        return true;
    } catch (const std::exception &e) {
        // The message already starts with its kind.
        emit handlerFailed(Error::from(e).message());
    } catch (...) {
        emit handlerFailed(tr("Unexpected failure of unknown kind"));
    }
    return false;
}

#define ORVIK3_FORWARD(Type, Setter, Target)                                                                 \
    void QAformWidget::Setter(Type value)                                                                    \
    {                                                                                                        \
        guarded([&] { m_control->Target(value); });                                                          \
    }

ORVIK3_FORWARD(qint32, setBackColor, setBackColor)
ORVIK3_FORWARD(qint32, setForeColor, setForeColor)
ORVIK3_FORWARD(bool, setControlEnabled, setEnabled)
ORVIK3_FORWARD(const QFont &, setControlFont, setFont)
ORVIK3_FORWARD(qint16, setBackStyle, setBackStyle)
ORVIK3_FORWARD(qint16, setBorderStyle, setBorderStyle)
ORVIK3_FORWARD(qint16, setC_QAtype, setC_QAtype)
ORVIK3_FORWARD(const QString &, setC_QASessionFileName, setC_QASessionFileName)
ORVIK3_FORWARD(const QString &, setC_MainAppPath, setC_MainAppPath)
ORVIK3_FORWARD(qint16, setC_showResult, setC_showResult)
ORVIK3_FORWARD(qint16, setC_QAFly, setC_QAFly)
ORVIK3_FORWARD(bool, setC_smallFrame, setC_smallFrame)
ORVIK3_FORWARD(qint16, setC_TrackDelta, setC_TrackDelta)
#undef ORVIK3_FORWARD

void QAformWidget::showPowerTips()
{
    guarded([this] { m_control->LoadPowerTip(); });
}

} // namespace orvik3
