#include "QAformDesignerPlugin.h"

#include <orvik3/QAformWidget.h>

#include <QIcon>
#include <QMetaClassInfo>
#include <QMetaProperty>

namespace orvik3 {

namespace {

// Help texts of the host-facing properties that the control's interface leaves undescribed.
struct Help {
    const char *member;
    const char *text;
};
constexpr Help kOwnHelp[] = {
    {"c_QAtype", "Übungstyp 1 bis 14; das Schreiben wählt die Übung und zeigt die erste Frage. 0 nach Abbrechen."},
    {"c_MainAppPath", "Basisverzeichnis der Installation mit default/study, default/sessions und pwr.rtf."},
    {"c_QASessionFileName", "Pfad der Sitzungsdatei der angezeigten Frage; vom Steuerelement geschrieben."},
    {"c_showResult", "Signal an den Host: 2 nächste Frage, 4 selber fliegen, 1 oder 6 Lösung gezeigt."},
    {"c_QAFly", "Selber fliegen: 2, 3 oder 4 vom Steuerelement; -2 bis -5 vom Host, um das Feld zurückzugeben."},
    {"c_smallFrame", "Kompakte Höhe der Übungsfelder (1100 statt 4250 Twips)."},
    {"c_TrackDelta", "Vom Steuerelement mit 3 geschrieben, wenn der Schüler selber fliegen will."},
};

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

} // namespace

QAformDesignerPlugin::QAformDesignerPlugin(QObject *parent)
    : QObject(parent)
{
}

QString QAformDesignerPlugin::name() const { return QStringLiteral("orvik3::QAformWidget"); }
QString QAformDesignerPlugin::group() const { return QStringLiteral("Orvik3"); }
QString QAformDesignerPlugin::toolTip() const { return tr("Exercise panel of the radio-navigation trainer"); }
QString QAformDesignerPlugin::whatsThis() const
{
    return tr("Asks what the instruments show and marks every answer at once. Set c_MainAppPath, then c_QAtype.");
}
QString QAformDesignerPlugin::includeFile() const { return QStringLiteral("orvik3/QAformWidget.h"); }
QIcon QAformDesignerPlugin::icon() const { return {}; }
bool QAformDesignerPlugin::isContainer() const { return false; }
bool QAformDesignerPlugin::isInitialized() const { return m_initialized; }
void QAformDesignerPlugin::initialize(QDesignerFormEditorInterface *) { m_initialized = true; }

QWidget *QAformDesignerPlugin::createWidget(QWidget *parent)
{
    return new QAformWidget(parent);
}

QString QAformDesignerPlugin::domXml() const
{
    // Property tool tips: the interface's own help texts for the members the widget shows.
    const QMetaObject &control = QAform::staticMetaObject;
    const QMetaObject &widget = QAformWidget::staticMetaObject;
    QString tips;
    auto addTip = [&](const QString &member, const QString &text) {
        if (widget.indexOfProperty(member.toLatin1().constData()) < 0)
            return;
        tips += QStringLiteral("        <tooltip name=\"%1\">%2</tooltip>\n").arg(member, escaped(text));
    };
    for (int i = control.classInfoOffset(); i < control.classInfoCount(); ++i) {
        const QString key = QString::fromLatin1(control.classInfo(i).name());
        if (key.startsWith(QLatin1String("help:")))
            addTip(key.mid(5), QString::fromUtf8(control.classInfo(i).value()));
    }
    for (const Help &help : kOwnHelp)
        addTip(QLatin1String(help.member), QString::fromUtf8(help.text));

    return QStringLiteral(
               "<ui language=\"c++\" displayname=\"QAform\">\n"
               "  <widget class=\"orvik3::QAformWidget\" name=\"qaform\"/>\n"
               "  <customwidgets>\n"
               "    <customwidget>\n"
               "      <class>orvik3::QAformWidget</class>\n"
               "      <propertyspecifications>\n"
               "%1"
               "        <stringpropertyspecification name=\"c_MainAppPath\" notr=\"true\" type=\"singleline\"/>\n"
               "        <stringpropertyspecification name=\"c_QASessionFileName\" notr=\"true\" type=\"singleline\"/>\n"
               "      </propertyspecifications>\n"
               "    </customwidget>\n"
               "  </customwidgets>\n"
               "</ui>\n")
        .arg(tips);
}

} // namespace orvik3
