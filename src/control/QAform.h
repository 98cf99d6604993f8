#pragma once

#include <orvik3/orvik3_export.h>

#include <orvik3/Error.h>
#include <orvik3/Form.h>
#include <orvik3/FormControl.h>
#include <orvik3/OleColor.h>
#include <orvik3/PowerTipWindow.h>
#include <orvik3/PropertyBag.h>
#include <orvik3/RandomSource.h>
#include <orvik3/Services.h>
#include <orvik3/SettingsStore.h>
#include <orvik3/TextTable.h>

#include <QFont>
#include <QObject>
#include <QString>
#include <memory>

namespace orvik3 {

class ControlPrivate;

// The exercise panel of the radio-navigation trainer. A host places it on its window, writes
// c_MainAppPath and c_QAtype, and reads back c_QASessionFileName, c_showResult, c_QAFly,
// c_TrackDelta and c_QAtype as the trainee works; the control announces each change of them
// with the property's ...Changed signal. Sizes are in twips (1440 per inch).
// Every failure is raised as orvik3::Error to the caller of the property write or method.
class ORVIK3_EXPORT QAform : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("help:BackColor", "Gibt die Hintergrundfarbe zurück, die verwendet wird, um Text und Grafik in einem Objekt anzuzeigen, oder legt diese fest.")
    Q_CLASSINFO("help:ForeColor", "Gibt die Vordergrundfarbe zurück, die zum Anzeigen von Text und Grafiken in einem Objekt verwendet wird, oder legt diese fest.")
    Q_CLASSINFO("help:Enabled", "Gibt einen Wert zurück, der bestimmt, ob ein Objekt auf vom Benutzer erzeugte Ereignisse reagieren kann, oder legt diesen fest.")
    Q_CLASSINFO("help:Font", "Gibt ein Font-Objekt zurück.")
    Q_CLASSINFO("help:BackStyle", "Zeigt an, ob ein Bezeichnungsfeld oder der Hintergrund eines Figur-Steuerelements transparent oder undurchsichtig ist.")
    Q_CLASSINFO("help:BorderStyle", "Gibt den Rahmenstil für ein Objekt zurück oder legt diesen fest.")
    Q_CLASSINFO("help:Refresh", "Erzwingt ein vollständiges Neuzeichnen eines Objekts.")
    Q_CLASSINFO("help:Click", "Tritt auf, wenn der Benutzer eine Maustaste über einem Objekt drückt und wieder losläßt.")
    Q_CLASSINFO("help:DblClick", "Tritt auf, wenn der Benutzer eine Maustaste über einem Objekt drückt und wieder losläßt und anschließend erneut drückt und wieder losläßt.")
    Q_CLASSINFO("help:KeyDown", "Tritt auf, wenn der Benutzer eine Taste drückt, während ein Objekt den Fokus besitzt.")
    Q_CLASSINFO("help:KeyPress", "Tritt auf, wenn der Benutzer eine ANSI-Taste drückt und losläßt.")
    Q_CLASSINFO("help:KeyUp", "Tritt auf, wenn der Benutzer eine Taste losläßt, während ein Objekt den Fokus hat.")
    Q_CLASSINFO("help:MouseDown", "Tritt auf, wenn der Benutzer die Maustaste drückt, während ein Objekt den Fokus hat.")
    Q_CLASSINFO("help:MouseMove", "Tritt auf, wenn der Benutzer die Maus bewegt.")
    Q_CLASSINFO("help:MouseUp", "Tritt auf, wenn der Benutzer die Maustaste losläßt, während ein Objekt den Fokus hat.")

    Q_PROPERTY(qint32 BackColor READ BackColor WRITE setBackColor NOTIFY BackColorChanged)
    Q_PROPERTY(qint32 ForeColor READ ForeColor WRITE setForeColor NOTIFY ForeColorChanged)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled NOTIFY EnabledChanged)
    Q_PROPERTY(QFont Font READ Font WRITE setFont NOTIFY FontChanged)
    Q_PROPERTY(qint16 BackStyle READ BackStyle WRITE setBackStyle NOTIFY BackStyleChanged)
    Q_PROPERTY(qint16 BorderStyle READ BorderStyle WRITE setBorderStyle NOTIFY BorderStyleChanged)
    Q_PROPERTY(qint16 c_QAtype READ c_QAtype WRITE setC_QAtype NOTIFY c_QAtypeChanged)
    Q_PROPERTY(QString c_QASessionFileName READ c_QASessionFileName WRITE setC_QASessionFileName NOTIFY c_QASessionFileNameChanged)
    Q_PROPERTY(QString c_MainAppPath READ c_MainAppPath WRITE setC_MainAppPath NOTIFY c_MainAppPathChanged)
    Q_PROPERTY(qint16 c_showResult READ c_showResult WRITE setC_showResult NOTIFY c_showResultChanged)
    Q_PROPERTY(qint16 c_QAFly READ c_QAFly WRITE setC_QAFly NOTIFY c_QAFlyChanged)
    Q_PROPERTY(bool c_smallFrame READ c_smallFrame WRITE setC_smallFrame NOTIFY c_smallFrameChanged)
    Q_PROPERTY(qint16 c_TrackDelta READ c_TrackDelta WRITE setC_TrackDelta NOTIFY c_TrackDeltaChanged)

public:
    // Creation runs Initialize; the host then calls InitProperties or ReadProperties.
    explicit QAform(Services services = {}, QObject *parent = nullptr);
    ~QAform() override;

    qint32 BackColor() const;
    void setBackColor(qint32 value);
    qint32 ForeColor() const;
    void setForeColor(qint32 value);
    bool Enabled() const;
    void setEnabled(bool value);
    QFont Font() const;
    void setFont(const QFont &value);
    qint16 BackStyle() const;
    void setBackStyle(qint16 value);
    qint16 BorderStyle() const;
    void setBorderStyle(qint16 value);
    qint16 c_QAtype() const;
    void setC_QAtype(qint16 value);
    QString c_QASessionFileName() const;
    void setC_QASessionFileName(const QString &value);
    QString c_MainAppPath() const;
    void setC_MainAppPath(const QString &value);
    qint16 c_showResult() const;
    void setC_showResult(qint16 value);
    qint16 c_QAFly() const;
    void setC_QAFly(qint16 value);
    bool c_smallFrame() const;
    void setC_smallFrame(bool value);
    qint16 c_TrackDelta() const;
    void setC_TrackDelta(qint16 value);

    // Public methods.
    Q_INVOKABLE void Refresh();
    Q_INVOKABLE void DisplayQuestion();
    void LoadStudyFile(QString &StudyFileName);
    Q_INVOKABLE void LoadPowerTip();
    void findHoldingAnswer(qint16 &HDG, qint16 &inbound, QString &HLDtype, QString &entry, qint16 &outbound,
                           qint16 &gate, qint16 &abeam, qint16 &firstHDG, QString &firstTurn);

    // Lifecycle calls of the hosting framework.
    void InitProperties();
    void ReadProperties(PropertyBag &bag);
    void WriteProperties(PropertyBag &bag) const;
    void Resize(int widthTwips, int heightTwips);
    int width() const;  // twips
    int height() const; // twips
    // The host's ambient font, taken by InitProperties and as the Font default.
    void setAmbientFont(const QFont &font);
    QFont ambientFont() const;

    // The child controls by the names the panels use; an unknown name raises a control error.
    FormControl &control(const QString &name) const;
    Form &form() const;

    // Read-only views of the instance state.
    qint16 currentQuestion() const;
    qint16 lastQuestion() const;
    bool questionShown() const;
    bool partCorrect(int n) const; // n = 1..6
    bool partDone(int n) const;    // n = 1..6
    QString qaCol(int column, int row) const; // column 1..19, row 0..300
    const TextTable &texts() const;
    SettingsStore &settings() const;
    // The study file read last, and why it gave no questions ("" when it gave some): for
    // hosts that tell the instructor, since loading itself never raises.
    QString studyFilePath() const;
    QString studyFileProblem() const;

signals:
    void BackColorChanged();
    void ForeColorChanged();
    void EnabledChanged();
    void FontChanged();
    void BackStyleChanged();
    void BorderStyleChanged();
    void c_QAtypeChanged();
    void c_QASessionFileNameChanged();
    void c_MainAppPathChanged();
    void c_showResultChanged();
    void c_QAFlyChanged();
    void c_smallFrameChanged();
    void c_TrackDeltaChanged();

    // The panel's own handlers store c_showResult, c_QAFly, c_TrackDelta, c_QAtype and the
    // session file name directly, with no ...Changed notice; this names the field each time
    // one of them takes a new value.
    void fieldWritten(const QString &property);

    // What the trainee did, for hosts that follow the exercise: a row marked right or wrong
    // (numbered as the exercise catalogue's answer rows, with the answer given as the panel
    // read it), the solution shown at the trainee's request, and a question closed by
    // "Weiter" with what was counted for it (an attempt, and a wrong answer with it).
    void rowJudged(int row, bool right, const QString &given);
    void solutionShown();
    void questionClosed(int question, bool attemptCounted, bool wrongCounted);

    // Declared for hosts that expect them; the control never raises them.
    void Click();
    void DblClick();
    void KeyDown(qint16 KeyCode, qint16 Shift);
    void KeyPress(qint16 KeyAscii);
    void KeyUp(qint16 KeyCode, qint16 Shift);
    void MouseDown(qint16 Button, qint16 Shift, float X, float Y);
    void MouseMove(qint16 Button, qint16 Shift, float X, float Y);
    void MouseUp(qint16 Button, qint16 Shift, float X, float Y);

private:
    friend class QAformTestAccess;
    std::unique_ptr<ControlPrivate> d;
};

} // namespace orvik3
