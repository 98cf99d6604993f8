#include "panel/PanelZoom.h"

#include <orvik3/QAformWidget.h>

#include <QAction>
#include <QMenu>
#include <QSettings>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace orvik3::trainer {

namespace {
const QString kZoom = QStringLiteral("panel/zoom");
constexpr double kStep = 1.15;
} // namespace

PanelZoom::PanelZoom(QSettings &settings, QWidget *window)
    : QObject(window), m_settings(settings), m_window(window)
{
    m_menu = new QMenu(window);
    m_in = m_menu->addAction(QString(), this, &PanelZoom::zoomIn);
    // Ctrl+= as well: on many keyboards plus needs Shift.
    m_in->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    m_out = m_menu->addAction(QString(), this, &PanelZoom::zoomOut);
    m_out->setShortcuts(QKeySequence::ZoomOut);
    m_reset = m_menu->addAction(QString(), this, &PanelZoom::reset);
    m_reset->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    for (QAction *a : {m_in, m_out, m_reset}) {
        a->setShortcutContext(Qt::WindowShortcut);
        window->addAction(a); // the shortcuts work with the menu closed and never opened
    }
    retranslate();
}

double PanelZoom::defaultZoom() const
{
    return QAformWidget::matchingZoom(m_window->font());
}

double PanelZoom::zoom() const
{
    bool ok = false;
    const double stored = m_settings.value(kZoom).toDouble(&ok);
    if (!ok || !std::isfinite(stored) || stored <= 0)
        return defaultZoom();
    return std::clamp(stored, QAformWidget::minimumZoom, QAformWidget::maximumZoom);
}

void PanelZoom::setPanel(QWidget *panel)
{
    m_panel = qobject_cast<QAformWidget *>(panel);
    apply();
}

void PanelZoom::setZoom(double zoom)
{
    if (!std::isfinite(zoom))
        return;
    m_settings.setValue(kZoom, std::clamp(zoom, QAformWidget::minimumZoom, QAformWidget::maximumZoom));
    apply();
}

void PanelZoom::zoomIn() { setZoom(zoom() * kStep); }
void PanelZoom::zoomOut() { setZoom(zoom() / kStep); }

void PanelZoom::reset()
{
    m_settings.remove(kZoom);
    apply();
}

void PanelZoom::apply()
{
    const double z = zoom();
    if (m_panel)
        m_panel->setZoom(z);
    m_in->setEnabled(z < QAformWidget::maximumZoom);
    m_out->setEnabled(z > QAformWidget::minimumZoom);
    emit zoomChanged(z);
}

void PanelZoom::retranslate()
{
    m_menu->setTitle(tr("&Panel size"));
    m_in->setText(tr("&Larger"));
    m_out->setText(tr("&Smaller"));
    m_reset->setText(tr("&Normal size"));
}

} // namespace orvik3::trainer
