#pragma once

#include <orvik3/QAform.h>

#include <QWidget>
#include <functional>
#include <memory>

namespace orvik3 {

class FormView;

// The exercise panel as a real widget: shows one QAform, mirrors every change of its child
// controls at once, and hands the trainee's clicks, list choices and typing to the control's
// handlers. The control raises no events of its own; a host reads its properties back after
// userActed(). A handler that fails never reaches the event loop: it is reported through
// handlerFailed() and the panel stays usable.
//
// The QAform properties are repeated here so that a form designer can show and set them;
// writing them through the widget reports failures through handlerFailed() as well. Hosts that
// want the exception itself call control() directly.
class QAformWidget : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(qint32 BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(qint32 ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setControlEnabled)
    Q_PROPERTY(QFont Font READ Font WRITE setControlFont)
    Q_PROPERTY(qint16 BackStyle READ BackStyle WRITE setBackStyle)
    Q_PROPERTY(qint16 BorderStyle READ BorderStyle WRITE setBorderStyle)
    Q_PROPERTY(qint16 c_QAtype READ c_QAtype WRITE setC_QAtype)
    Q_PROPERTY(QString c_QASessionFileName READ c_QASessionFileName WRITE setC_QASessionFileName)
    Q_PROPERTY(QString c_MainAppPath READ c_MainAppPath WRITE setC_MainAppPath)
    Q_PROPERTY(qint16 c_showResult READ c_showResult WRITE setC_showResult)
    Q_PROPERTY(qint16 c_QAFly READ c_QAFly WRITE setC_QAFly)
    Q_PROPERTY(bool c_smallFrame READ c_smallFrame WRITE setC_smallFrame)
    Q_PROPERTY(qint16 c_TrackDelta READ c_TrackDelta WRITE setC_TrackDelta)

public:
    // A panel with a control of its own (Initialize and InitProperties already run).
    explicit QAformWidget(QWidget *parent = nullptr);
    explicit QAformWidget(Services services, QWidget *parent = nullptr);
    // A panel showing a control owned by the host, which must outlive the widget.
    explicit QAformWidget(QAform &control, QWidget *parent = nullptr);
    // The same, made at `zoom` (see setZoom) from the start: its widgets are laid out once,
    // not laid out at the design size and then again.
    QAformWidget(QAform &control, double zoom, QWidget *parent = nullptr);
    ~QAformWidget() override;

    QAform &control() const { return *m_control; }

    // The widget that shows the named child control, or nullptr for an unknown name.
    QWidget *widgetFor(const QString &controlName) const;

    // True while a list has been moved to an entry by keys that is not committed yet (Enter
    // or leaving the list commits it).
    bool choicePending() const;
    // When a list choice was last committed (ms since the epoch), so that the Enter that
    // committed it is not taken for a second command as well.
    qint64 lastChoiceCommit() const;

    // Screen pixels per inch used to convert twips; by default the widget's logical DPI.
    qreal dpi() const;
    // Twips to pixels of the panel on screen, zoom included.
    int toPixels(int twips) const;

    // Scales the whole panel, fonts and geometry together, so that a larger panel keeps the
    // proportions of the design. 1 is the design size; values are kept within 0.5 .. 4.
    void setZoom(double zoom);
    double zoom() const { return m_zoom; }
    // The zoom at which the panel's text is as large as `text` (typically the font of the
    // window around it). Point sizes follow the screen's DPI alike, so the answer holds at
    // every DPI.
    static double matchingZoom(const QFont &text);
    static constexpr double minimumZoom = 0.5;
    static constexpr double maximumZoom = 4.0;

    // The font the panels were designed with, mapped to a sans-serif font of similar size.
    static QFont panelFont();
    // Makes the power-tip dialog the default window of LoadPowerTip for every control.
    static void registerPowerTipWindow();

    QSize sizeHint() const override;

    qint32 BackColor() const { return m_control->BackColor(); }
    qint32 ForeColor() const { return m_control->ForeColor(); }
    bool Enabled() const { return m_control->Enabled(); }
    QFont Font() const { return m_control->Font(); }
    qint16 BackStyle() const { return m_control->BackStyle(); }
    qint16 BorderStyle() const { return m_control->BorderStyle(); }
    qint16 c_QAtype() const { return m_control->c_QAtype(); }
    QString c_QASessionFileName() const { return m_control->c_QASessionFileName(); }
    QString c_MainAppPath() const { return m_control->c_MainAppPath(); }
    qint16 c_showResult() const { return m_control->c_showResult(); }
    qint16 c_QAFly() const { return m_control->c_QAFly(); }
    bool c_smallFrame() const { return m_control->c_smallFrame(); }
    qint16 c_TrackDelta() const { return m_control->c_TrackDelta(); }

public slots:
    void setBackColor(qint32 value);
    void setForeColor(qint32 value);
    void setControlEnabled(bool value);
    void setControlFont(const QFont &value);
    void setBackStyle(qint16 value);
    void setBorderStyle(qint16 value);
    void setC_QAtype(qint16 value);
    void setC_QASessionFileName(const QString &value);
    void setC_MainAppPath(const QString &value);
    void setC_showResult(qint16 value);
    void setC_QAFly(qint16 value);
    void setC_smallFrame(bool value);
    void setC_TrackDelta(qint16 value);
    // Shows the power tips of c_MainAppPath; a failure is reported through handlerFailed().
    void showPowerTips();

signals:
    // A handler or a property write failed; message says what, for the host to show or log.
    void handlerFailed(const QString &message);
    // A click, list choice or typing of the trainee has been handed to the control.
    void userActed();
    // A list was moved to an entry by keys; the choice is handed over when committed.
    void choicePicked();

private:
    friend class FormView;
    void init(double zoom = 1.0);
    // The panel's font at the current zoom.
    QFont zoomedFont() const;
    // Runs a piece of the control's work, turning an exception into handlerFailed().
    bool guarded(const std::function<void()> &work);
    void applySize();

    std::unique_ptr<QAform> m_owned;
    QAform *m_control = nullptr;
    FormView *m_view = nullptr;
    double m_zoom = 1.0;
};

} // namespace orvik3
