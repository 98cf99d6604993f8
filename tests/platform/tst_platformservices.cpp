#include "platform/LineReader.h"
#include "platform/Paths.h"

#include <orvik3/Error.h>
#include <orvik3/RandomSource.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orvik3;

TEST(LineReader, CrAndCrLfEndLinesButALoneLfDoesNot)
{
    LineReader r;
    r.setData(QByteArray("one\r\ntwo\rthree\nstill three\r\r\nlast"));
    QStringList lines;
    while (!r.atEnd())
        lines << r.readLine();
    EXPECT_EQ(lines, (QStringList{"one", "two", "three\nstill three", "", "last"}));
}

TEST(LineReader, DecodesWindows1252)
{
    EXPECT_EQ(LineReader::decode(QByteArray("gr\xf6\xdf" "er \x80 \x93x\x94")), QStringLiteral("größer € “x”"));
    EXPECT_EQ(LineReader::encode(QStringLiteral("Lösung € ✓")), QByteArray("L\xf6sung \x80 ?"));
}

TEST(RandomSource, ClockSourceStaysBelowOne)
{
    ClockRandomSource random;
    float lo = 1, hi = 0;
    for (int i = 0; i < 200000; ++i) {
        const float v = random.next();
        ASSERT_GE(v, 0.0f);
        ASSERT_LT(v, 1.0f);
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    }
    EXPECT_LT(lo, 0.001f);
    EXPECT_GT(hi, 0.999f);
}

TEST(RandomSource, ScriptedSourceRepeatsItsValuesAcrossReseeds)
{
    ScriptedRandomSource random({0.5f, 0.25f});
    EXPECT_EQ(random.next(), 0.5f);
    random.reseed();
    EXPECT_EQ(random.next(), 0.25f);
    EXPECT_EQ(random.next(), 0.5f);
    EXPECT_THROW(ScriptedRandomSource({1.0f}), Error);
}

struct JoinCase {
    const char *base;
    const char *joined;
};

TEST(Paths, OneSeparatorBetweenBaseAndName)
{
    for (const JoinCase &c : {JoinCase{"/opt/trainer", "/opt/trainer/default/sessions/q1.ses"},
                              JoinCase{"/opt/trainer/", "/opt/trainer/default/sessions/q1.ses"},
                              JoinCase{"C:\\trainer\\", "C:\\trainer\\default/sessions/q1.ses"},
                              JoinCase{"", "/default/sessions/q1.ses"}})
        EXPECT_EQ(paths::join(QString::fromUtf8(c.base), QStringLiteral("default/sessions/q1.ses")),
                  QString::fromUtf8(c.joined));
}

TEST(Paths, CaseInsensitiveFallbackPrefersTheExactName)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("Default/Study"));
    for (const char *name : {"Default/Study/HSIHLD.STY", "Default/Study/qdm.sty", "Default/Study/QDM.sty"}) {
        QFile f(dir.filePath(QString::fromUtf8(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    const QStringList study{QStringLiteral("default"), QStringLiteral("study")};
    EXPECT_EQ(paths::resolve(dir.path(), study + QStringList{QStringLiteral("HSIHLD.sty")}),
              dir.filePath(QStringLiteral("Default/Study/HSIHLD.STY")));
    EXPECT_EQ(paths::resolve(dir.path(), study + QStringList{QStringLiteral("QDM.sty")}),
              dir.filePath(QStringLiteral("Default/Study/QDM.sty")));
    EXPECT_EQ(paths::resolve(dir.path(), study + QStringList{QStringLiteral("qdm.sty")}),
              dir.filePath(QStringLiteral("Default/Study/qdm.sty")));
    EXPECT_FALSE(QFile::exists(paths::resolve(dir.path(), study + QStringList{QStringLiteral("wind.sty")})));
}
