#include "control/QAformTestAccess_p.h"
#include "support/TestHost.h"

#include <gtest/gtest.h>

using namespace orvik3;
using orvik3::test::TestHost;

namespace {

std::shared_ptr<TextTable> germanWithTag(const QString &tag)
{
    QHash<quint16, QString> texts = TextTable::german()->texts();
    texts.insert(100, tag);
    return std::make_shared<TextTable>(texts);
}

struct TagCase {
    const char *tag;
    bool german;
};

class LanguageTag : public ::testing::TestWithParam<TagCase> {};

// The tag decides which of two study files the selection loads.
TEST_P(LanguageTag, OnlyTheExactWordGermanLoadsTheGermanFile)
{
    TestHost host({0.0f}, germanWithTag(QString::fromUtf8(GetParam().tag)));
    EXPECT_EQ(host.form().texts().isGerman(), GetParam().german);
    host.writeStudyFile(QStringLiteral("qdm.sty"), {"#####de", "#####", "#####", "#####", "#####090", "#####x",
                                                    "#####left", "#####x", "####german.ses", ""});
    host.writeStudyFile(QStringLiteral("e-qdm.sty"), {"#####en", "#####", "#####", "#####", "#####090", "#####x",
                                                      "#####left", "#####x", "####english.ses", ""});
    host.select(6);
    EXPECT_EQ(QAformTestAccess(host.form()).qaSession(0), GetParam().german ? QStringLiteral("german.ses") : QStringLiteral("english.ses"));
}

INSTANTIATE_TEST_SUITE_P(Tags, LanguageTag,
                         ::testing::Values(TagCase{"german", true}, TagCase{"German", false},
                                           TagCase{"german ", false}, TagCase{"", false},
                                           TagCase{"english", false}));

TEST(TextTables, BothTablesHoldEveryIdTheControlLoads)
{
    const QList<quint16> ids{100, 286, 287, 288, 289, 290, 291, 292, 293, 294, 295, 296, 297, 298, 299, 300, 301,
                             302, 303, 305, 306, 312, 313, 314, 315, 316, 317, 319, 320, 321, 322, 323, 324, 325,
                             326, 327, 328, 329, 330, 332, 333, 334, 335, 336, 337, 338, 339, 341, 342, 343, 344,
                             345, 346, 347, 348, 349, 351, 352, 353, 354, 355, 356, 357, 358, 359, 360, 361, 362,
                             363, 364, 365, 366, 451, 454};
    for (const auto &table : {TextTable::german(), TextTable::english()})
        for (quint16 id : ids)
            EXPECT_TRUE(table->contains(id)) << id;
    EXPECT_TRUE(TextTable::german()->isGerman());
    EXPECT_FALSE(TextTable::english()->isGerman());
    EXPECT_EQ(TextTable::german()->text(335), QStringLiteral("Fly the current heading to the Station. Join the "));
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
