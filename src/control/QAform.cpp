#include <orvik3/QAform.h>

#include "control/ControlPrivate_p.h"
#include "control/QAformTestAccess_p.h"
#include "exercises/adf/AdfPanel.h"
#include "exercises/holding/HoldingPanel.h"
#include "exercises/holding/HoldingSolver.h"
#include "exercises/position/PositionPanel.h"
#include "exercises/qdmqdr/QdmQdrPanel.h"
#include "exercises/wind/WindPanel.h"
#include "platform/Paths.h"
#include "platform/ValueRules.h"
#include "resources/PanelConstants.h"
#include "study/ExerciseTypes.h"
#include "study/StudyFileLoader.h"

#include <QCoreApplication>

namespace orvik3 {

namespace {

Services withDefaults(Services services)
{
    if (!services.settings)
        services.settings = std::make_shared<IniSettingsStore>();
    if (!services.random)
        services.random = std::make_shared<ClockRandomSource>();
    if (!services.texts)
        services.texts = TextTable::german();
    return services;
}

QFont defaultAmbientFont()
{
    return QFont(QStringLiteral("MS Sans Serif"), 8);
}

} // namespace

ControlPrivate::ControlPrivate(QAform *qq, Services s)
    : q(qq)
    , services(withDefaults(std::move(s)))
    , ambientFont(defaultAmbientFont())
    , panelContext{form, services, table, question, props.c_QAtype}
    , position(std::make_unique<PositionPanel>(panelContext))
    , holding(std::make_unique<HoldingPanel>(panelContext))
    , adf(std::make_unique<AdfPanel>(panelContext))
    , qdmqdr(std::make_unique<QdmQdrPanel>(panelContext))
    , wind(std::make_unique<WindPanel>(panelContext))
    , flow(*this)
{
    for (FamilyPanel *panel : {position.get(), holding.get(), adf.get(), qdmqdr.get(), wind.get()}) {
        panel->build();
        flow.connect(*panel);
    }
}

FamilyPanel *ControlPrivate::panelFor(qint16 type) const
{
    const ExerciseType *t = exerciseType(type);
    if (!t)
        return nullptr;
    switch (t->family) {
    case Family::Position: return position.get();
    case Family::Holding: return holding.get();
    case Family::Adf: return adf.get();
    case Family::QdmQdr: return qdmqdr.get();
    case Family::Wind: return wind.get();
    }
    return nullptr;
}

void ControlPrivate::applySizeRule()
{
    const FormControl &frame1 = ctl(QStringLiteral("Frame1"));
    props.widthTwips = frame1.width() + 50;
    props.heightTwips = frame1.height() + 50;
}

// Initialize
QAform::QAform(Services services, QObject *parent)
    : QObject(parent)
    , d(std::make_unique<ControlPrivate>(this, std::move(services)))
{
    d->applySizeRule();
    d->question.questionShown = false;
    for (const char *name : {"Text1", "Text2", "Text3"})
        d->ctl(QLatin1String(name)).setBackColor(colors::grey);
    d->props.Font = d->ambientFont;
}

QAform::~QAform() = default;

// Property setters store, announce, and then do their own work.
#define ORVIK3_PLAIN_PROPERTY(Type, Name, Setter)                                                            \
    Type QAform::Name() const { return d->props.Name; }                                                          \
    void QAform::Setter(Type value)                                                                          \
    {                                                                                                        \
        d->props.Name = value;                                                                                   \
        emit Name##Changed();                                                                                \
    }

ORVIK3_PLAIN_PROPERTY(qint32, BackColor, setBackColor)
ORVIK3_PLAIN_PROPERTY(qint32, ForeColor, setForeColor)
ORVIK3_PLAIN_PROPERTY(bool, Enabled, setEnabled)
ORVIK3_PLAIN_PROPERTY(qint16, BackStyle, setBackStyle)
ORVIK3_PLAIN_PROPERTY(qint16, BorderStyle, setBorderStyle)
ORVIK3_PLAIN_PROPERTY(qint16, c_showResult, setC_showResult)
ORVIK3_PLAIN_PROPERTY(qint16, c_TrackDelta, setC_TrackDelta)
#undef ORVIK3_PLAIN_PROPERTY

QFont QAform::Font() const { return d->props.Font; }
void QAform::setFont(const QFont &value)
{
    d->props.Font = value;
    emit FontChanged();
}

QString QAform::c_QASessionFileName() const { return d->props.c_QASessionFileName; }
void QAform::setC_QASessionFileName(const QString &value)
{
    d->props.c_QASessionFileName = value;
    emit c_QASessionFileNameChanged();
}

QString QAform::c_MainAppPath() const { return d->props.c_MainAppPath; }
void QAform::setC_MainAppPath(const QString &value)
{
    d->props.c_MainAppPath = value;
    emit c_MainAppPathChanged();
}

qint16 QAform::c_QAtype() const { return d->props.c_QAtype; }
void QAform::setC_QAtype(qint16 value)
{
    d->props.c_QAtype = value;
    emit c_QAtypeChanged();
    d->flow.select();
}

qint16 QAform::c_QAFly() const { return d->props.c_QAFly; }
void QAform::setC_QAFly(qint16 value)
{
    d->props.c_QAFly = value;
    emit c_QAFlyChanged();
    const char *frame = nullptr;
    switch (value) {
    case -4: frame = "Frame29"; break;
    case -5: frame = "Frame11"; break;
    case -2: frame = "Frame2"; break;
    case -3: frame = "Frame20"; break;
    default: return;
    }
    FormControl &f = d->ctl(QLatin1String(frame));
    f.setVisible(true);
    f.setHeight(frameHeight::full);
}

bool QAform::c_smallFrame() const { return d->props.c_smallFrame; }
void QAform::setC_smallFrame(bool value)
{
    d->props.c_smallFrame = value;
    emit c_smallFrameChanged();
    for (const char *frame : {"Frame29", "Frame11", "Frame2", "Frame20"})
        d->ctl(QLatin1String(frame)).setHeight(value ? frameHeight::cut : frameHeight::full);
}

void QAform::Refresh() {}

void QAform::DisplayQuestion()
{
    d->flow.display();
}

void QAform::LoadStudyFile(QString &StudyFileName)
{
    d->flow.load(StudyFileName);
}

void QAform::LoadPowerTip()
{
    auto factory = d->services.powerTipFactory ? d->services.powerTipFactory : Services::defaultPowerTipFactory();
    if (!factory)
        throw Error(ErrorKind::ControlFailure, QCoreApplication::translate("orvik3::Error", "no power-tip window is available to this host"));
    std::unique_ptr<PowerTipWindow> window = factory();
    if (!window)
        throw Error(ErrorKind::ControlFailure, QCoreApplication::translate("orvik3::Error", "the power-tip window could not be created"));
    window->setFileName(paths::join(d->props.c_MainAppPath, QStringLiteral("pwr.rtf")));
    window->load();
    window->show(1);
}

void QAform::findHoldingAnswer(qint16 &HDG, qint16 &inbound, QString &HLDtype, QString &entry, qint16 &outbound,
                               qint16 &gate, qint16 &abeam, qint16 &firstHDG, QString &firstTurn)
{
    orvik3::findHoldingAnswer(HDG, inbound, HLDtype, entry, outbound, gate, abeam, firstHDG, firstTurn);
}

void QAform::InitProperties()
{
    ControlProperties &s = d->props;
    s.BackColor = s.ForeColor = 0;
    s.Enabled = false;
    s.Font = d->ambientFont;
    s.BackStyle = s.BorderStyle = 0;
    s.c_QAtype = 1;
    s.c_QASessionFileName.clear();
    s.c_MainAppPath.clear();
    s.c_TrackDelta = 0;
    s.c_smallFrame = false;
    s.c_QAFly = 0;
    s.c_showResult = 0;
}

void QAform::ReadProperties(PropertyBag &bag)
{
    ControlProperties &s = d->props;
    s.BackColor = bag.read(QStringLiteral("BackColor"), qint32(0)).value<qint32>();
    s.ForeColor = bag.read(QStringLiteral("ForeColor"), qint32(0)).value<qint32>();
    s.Enabled = bag.read(QStringLiteral("Enabled"), false).toBool();
    s.Font = bag.read(QStringLiteral("Font"), d->ambientFont).value<QFont>();
    s.BackStyle = bag.read(QStringLiteral("BackStyle"), qint16(0)).value<qint16>();
    s.BorderStyle = bag.read(QStringLiteral("BorderStyle"), qint16(0)).value<qint16>();
    s.c_QAtype = bag.read(QStringLiteral("c_QAtype"), qint16(1)).value<qint16>();
    s.c_QASessionFileName = bag.read(QStringLiteral("c_QASessionFileName"), QString()).toString();
    s.c_MainAppPath = bag.read(QStringLiteral("c_MainAppPath"), QString()).toString();
    s.c_showResult = bag.read(QStringLiteral("c_showResult"), qint16(0)).value<qint16>();
    s.c_QAFly = bag.read(QStringLiteral("c_QAFly"), qint16(0)).value<qint16>();
    s.c_smallFrame = bag.read(QStringLiteral("c_smallFrame"), false).toBool();
    s.c_TrackDelta = bag.read(QStringLiteral("c_TrackDelta"), qint16(0)).value<qint16>();
}

void QAform::WriteProperties(PropertyBag &bag) const
{
    const ControlProperties &s = d->props;
    bag.write(QStringLiteral("BackColor"), s.BackColor, qint32(0));
    bag.write(QStringLiteral("ForeColor"), s.ForeColor, qint32(0));
    bag.write(QStringLiteral("Enabled"), s.Enabled, false);
    bag.write(QStringLiteral("Font"), s.Font, d->ambientFont);
    bag.write(QStringLiteral("BackStyle"), s.BackStyle, qint16(0));
    bag.write(QStringLiteral("BorderStyle"), s.BorderStyle, qint16(0));
    bag.write(QStringLiteral("c_QAtype"), s.c_QAtype, qint16(1));
    bag.write(QStringLiteral("c_QASessionFileName"), s.c_QASessionFileName, QString());
    bag.write(QStringLiteral("c_MainAppPath"), s.c_MainAppPath, QString());
    bag.write(QStringLiteral("c_showResult"), s.c_showResult, qint16(0));
    bag.write(QStringLiteral("c_QAFly"), s.c_QAFly, qint16(0));
    bag.write(QStringLiteral("c_smallFrame"), s.c_smallFrame, false);
    bag.write(QStringLiteral("c_TrackDelta"), s.c_TrackDelta, qint16(0));
}

void QAform::Resize(int, int)
{
    d->applySizeRule();
}

int QAform::width() const { return d->props.widthTwips; }
int QAform::height() const { return d->props.heightTwips; }

void QAform::setAmbientFont(const QFont &font) { d->ambientFont = font; }
QFont QAform::ambientFont() const { return d->ambientFont; }

FormControl &QAform::control(const QString &name) const { return d->ctl(name); }
Form &QAform::form() const { return d->form; }

qint16 QAform::currentQuestion() const { return d->question.currentQuestion; }
qint16 QAform::lastQuestion() const { return d->question.lastQuestion; }
bool QAform::questionShown() const { return d->question.questionShown; }

namespace {
int checkedPart(int n)
{
    if (n < 1 || n > 6)
        throw Error(ErrorKind::IndexOutOfRange, QCoreApplication::translate("orvik3::Error", "no answer part %1").arg(n));
    return n;
}
int checkedOption(int k)
{
    if (k < 1 || k > 5)
        throw Error(ErrorKind::IndexOutOfRange, QCoreApplication::translate("orvik3::Error", "no candidate slot %1").arg(k));
    return k;
}
} // namespace

bool QAform::partCorrect(int n) const { return d->question.partCorrect[checkedPart(n)]; }
bool QAform::partDone(int n) const { return d->question.partDone[checkedPart(n)]; }
QString QAform::qaCol(int column, int row) const { return d->table.col(column, row); }
QString QAform::studyFilePath() const { return d->lastStudyLoad.file; }

QString QAform::studyFileProblem() const
{
    const StudyLoadResult &r = d->lastStudyLoad;
    if (r.records > 0 || r.file.isEmpty())
        return {};
    if (r.stop == StudyStop::CannotOpen)
        return r.stopMessage();
    if (r.stop == StudyStop::EndOfFile)
        return QCoreApplication::translate("orvik3::Error", "%1: no questions in the study file").arg(r.file);
    return QCoreApplication::translate("orvik3::Error", "%1:%2: no questions load: %3").arg(r.file).arg(r.stopLine).arg(r.stopMessage());
}
const TextTable &QAform::texts() const { return *d->services.texts; }
SettingsStore &QAform::settings() const { return *d->services.settings; }

qint16 QAformTestAccess::orderPos() const { return m_form.d->question.orderPos; }
QString QAformTestAccess::exerciseTitle() const { return m_form.d->question.exerciseTitle; }
qint16 QAformTestAccess::questionOrder(int k) const
{
    return m_form.d->question.questionOrder[values::checkedRow(k, "question order")];
}
QString QAformTestAccess::qaSession(int row) const { return m_form.d->table.session(row); }
qint16 QAformTestAccess::optionOrder(int k) const { return m_form.d->question.optionOrder[checkedOption(k)]; }
qint16 QAformTestAccess::optionOffsets(int k) const { return m_form.d->question.optionOffsets[checkedOption(k)]; }

} // namespace orvik3
