// The Designer plugin loads like Designer loads it, offers the panel with its properties, and
// carries the control's help texts as property tool tips.
#include <orvik3/QAform.h>

#include <QMetaClassInfo>
#include <QPluginLoader>
#include <QWidget>
#include <QXmlStreamReader>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>
#include <gtest/gtest.h>
#include <map>

namespace {

TEST(DesignerPlugin, OffersThePanelWithItsPropertiesAndHelpTexts)
{
    static QPluginLoader loader(QStringLiteral(ORVIK3_DESIGNER_PLUGIN));
    auto *plugin = qobject_cast<QDesignerCustomWidgetInterface *>(loader.instance());
    ASSERT_TRUE(plugin) << qPrintable(loader.errorString());
    EXPECT_EQ(plugin->name(), QStringLiteral("orvik3::QAformWidget"));
    EXPECT_EQ(plugin->includeFile(), QStringLiteral("orvik3/QAformWidget.h"));
    EXPECT_FALSE(plugin->isContainer());

    QWidget parent;
    QWidget *panel = plugin->createWidget(&parent);
    ASSERT_TRUE(panel);
    EXPECT_STREQ(panel->metaObject()->className(), "orvik3::QAformWidget");
    // The property sheet writes through the meta-object.
    EXPECT_TRUE(panel->setProperty("c_MainAppPath", QStringLiteral("base")));
    EXPECT_GT(panel->sizeHint().width(), 0);

    // Property tool tips are the control's help texts.
    std::map<QString, QString> tips;
    QXmlStreamReader xml(plugin->domXml());
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("tooltip")) {
            const QString name = xml.attributes().value(QLatin1String("name")).toString();
            tips[name] = xml.readElementText();
        }
    }
    ASSERT_FALSE(xml.hasError()) << qPrintable(xml.errorString());
    const QMetaObject &control = orvik3::QAform::staticMetaObject;
    int properties = 0;
    for (int i = control.classInfoOffset(); i < control.classInfoCount(); ++i) {
        const QString member = QString::fromLatin1(control.classInfo(i).name()).mid(5);
        if (control.indexOfProperty(member.toLatin1().constData()) < 0)
            continue; // events and methods have no property row
        ++properties;
        EXPECT_EQ(tips[member], QString::fromUtf8(control.classInfo(i).value())) << qPrintable(member);
    }
    EXPECT_EQ(properties, 6);
    for (const char *own : {"c_QAtype", "c_MainAppPath", "c_QAFly", "c_smallFrame"})
        EXPECT_FALSE(tips[QLatin1String(own)].isEmpty()) << own;
}

} // namespace
