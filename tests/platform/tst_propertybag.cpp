#include <orvik3/Error.h>
#include <orvik3/PropertyBag.h>

#include <QFont>
#include <gtest/gtest.h>

using namespace orvik3;

TEST(PropertyBag, KeepsOnlyWhatDiffersFromTheDefault)
{
    PropertyBag bag;
    bag.write(QStringLiteral("c_QAtype"), qint16(1), qint16(1));
    EXPECT_FALSE(bag.contains(QStringLiteral("c_QAtype")));
    bag.write(QStringLiteral("c_QAtype"), qint16(5), qint16(1));
    EXPECT_EQ(bag.read(QStringLiteral("c_QAtype"), qint16(1)).value<qint16>(), 5);
    bag.write(QStringLiteral("c_QAtype"), qint16(1), qint16(1)); // back to the default: forgotten
    EXPECT_FALSE(bag.contains(QStringLiteral("c_QAtype")));
    EXPECT_EQ(bag.read(QStringLiteral("missing"), QStringLiteral("def")).toString(), QStringLiteral("def"));
}

TEST(PropertyBag, JsonRoundTripRestoresTypes)
{
    PropertyBag bag;
    QFont font(QStringLiteral("DejaVu Sans"), 11);
    bag.write(QStringLiteral("Font"), font, QFont());
    bag.write(QStringLiteral("c_smallFrame"), true, false);
    bag.write(QStringLiteral("c_TrackDelta"), qint16(-3), qint16(0));
    bag.write(QStringLiteral("c_MainAppPath"), QStringLiteral("/opt/trainer/"), QString());
    bag.write(QStringLiteral("BackColor"), qint32(0x806000), qint32(0));

    const PropertyBag back = PropertyBag::fromJson(bag.toJson());
    EXPECT_EQ(back.read(QStringLiteral("Font"), QFont()).value<QFont>().pointSize(), 11);
    EXPECT_TRUE(back.read(QStringLiteral("c_smallFrame"), false).toBool());
    EXPECT_EQ(back.read(QStringLiteral("c_TrackDelta"), qint16(0)).value<qint16>(), -3);
    EXPECT_EQ(back.read(QStringLiteral("c_MainAppPath"), QString()).toString(), QStringLiteral("/opt/trainer/"));
    EXPECT_EQ(back.read(QStringLiteral("BackColor"), qint32(0)).value<qint32>(), 0x806000);
}

TEST(PropertyBag, MalformedDocumentsRaiseAFileError)
{
    for (const char *json : {"", "[1,2]", "{\"a\": {\"b\": 1}}", "{\"a\": 1"}) {
        try {
            PropertyBag::fromJson(json);
            ADD_FAILURE() << json;
        } catch (const Error &e) {
            EXPECT_EQ(e.kind(), ErrorKind::FileFailure) << json;
        }
    }
}
