#pragma once

#include <QObject>
#include <QPointer>

class QAction;
class QMenu;
class QSettings;
class QWidget;

namespace orvik3 {
class QAformWidget;
}

namespace orvik3::trainer {

// The size of the exercise panel: Ctrl+plus, Ctrl+minus and Ctrl+0 make it larger, smaller or
// as large as the window's own text. The chosen zoom is kept in the setting panel/zoom; without
// it the panel follows the window's font, at any screen density.
class PanelZoom : public QObject
{
    Q_OBJECT
public:
    // The actions work wherever the focus is in `window`.
    PanelZoom(QSettings &settings, QWidget *window);

    // The zoom now in force: the setting, or the default.
    double zoom() const;
    // Panel text as large as the window's text.
    double defaultZoom() const;

    // The panel shown now; a new one (after a language switch) takes the zoom at once.
    void setPanel(QWidget *panel);
    void setZoom(double zoom);
    void zoomIn();
    void zoomOut();
    // Back to the default; the setting is removed so that the default follows the font.
    void reset();

    // A menu of the three actions, for the window's menu bar.
    QMenu *menu() const { return m_menu; }
    void retranslate();

signals:
    void zoomChanged(double zoom);

private:
    void apply();

    QSettings &m_settings;
    QWidget *m_window;
    QPointer<QAformWidget> m_panel;
    QMenu *m_menu;
    QAction *m_in;
    QAction *m_out;
    QAction *m_reset;
};

} // namespace orvik3::trainer
