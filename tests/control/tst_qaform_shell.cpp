#include "support/TestHost.h"

#include <gtest/gtest.h>

using namespace orvik3;
using orvik3::test::TestHost;

namespace {

TEST(QAformShell, ResizeKeepsThePositionFrameSize)
{
    TestHost host;
    for (auto [w, h] : {std::pair{100, 100}, {20000, 9000}, {7950, 4250}}) {
        host.form().Resize(w, h);
        EXPECT_EQ(host.form().width(), 7950);
        EXPECT_EQ(host.form().height(), 4250);
    }
}

TEST(QAformShell, WritePropertiesStoresOnlyChangedValuesAndReadRestoresWithoutSideEffects)
{
    TestHost host;
    QAform &f = host.form();
    PropertyBag fresh;
    f.WriteProperties(fresh);
    EXPECT_TRUE(fresh.keys().isEmpty()) << fresh.keys().join(',').toStdString();

    f.setC_smallFrame(true);
    f.setC_TrackDelta(3);
    f.setC_MainAppPath(QStringLiteral("/srv/trainer"));
    PropertyBag bag;
    f.WriteProperties(bag);
    bag.write(QStringLiteral("c_QAtype"), qint16(5), qint16(1));
    EXPECT_EQ(bag.keys().size(), 4);

    TestHost restoredHost;
    QAform &restored = restoredHost.form();
    PropertyBag reread = PropertyBag::fromJson(bag.toJson());
    restored.ReadProperties(reread);
    EXPECT_EQ(restored.c_QAtype(), 5);
    EXPECT_TRUE(restored.c_smallFrame());
    EXPECT_EQ(restored.c_TrackDelta(), 3);
    EXPECT_EQ(restored.c_MainAppPath(), QStringLiteral("/srv/trainer"));
    // A restored type loads nothing and a restored compact flag resizes nothing.
    EXPECT_EQ(restored.lastQuestion(), -1);
    EXPECT_FALSE(restored.questionShown());
    EXPECT_EQ(restoredHost.ctl("Frame2").height(), 4250);
}

class MissingText : public ::testing::TestWithParam<quint16> {};

TEST_P(MissingText, FailsTheSelectionInsteadOfShowingEmptyCaptions)
{
    QHash<quint16, QString> texts = TextTable::german()->texts();
    texts.remove(GetParam());
    TestHost host({0.0f}, std::make_shared<TextTable>(texts));
    try {
        host.select(6);
        ADD_FAILURE() << "selection succeeded without text " << GetParam();
    } catch (const Error &e) {
        EXPECT_EQ(e.kind(), ErrorKind::MissingText);
        EXPECT_NE(e.message().indexOf(QString::number(GetParam())), -1);
    }
}

// The language tag, a button caption, the counter word and a row label of the panel.
INSTANTIATE_TEST_SUITE_P(Ids, MissingText, ::testing::Values(100, 296, 299, 358));

} // namespace
