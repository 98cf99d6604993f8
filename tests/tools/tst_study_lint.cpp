// The linter on hand-made study files with the mistakes instructors make: each finding
// must name the line of the value, and a clean record must stay quiet.

#include "Generator.h"
#include "Lint.h"

#include "study/QuestionTable.h"
#include "study/StudyFileLoader.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

using namespace orvik3;
using namespace orvik3::study;

namespace {

struct Expected {
    int line;
    const char *fragment;
};

struct Case {
    const char *name;
    qint16 type;
    Language language;
    QStringList lines;
    int records;
    std::vector<Expected> findings;
};

const QStringList kQdmRecord = {"rq:  200", "hdg: 200", "ihdg:240", "dist:8", "act: 220",
                                QString::fromUtf8("diff:grösser"), "turn:right", "fhdg:increase", "ses:q.session", "--"};

QStringList qdmWith(int index, const QString &line)
{
    QStringList r = kQdmRecord;
    r[index] = line;
    return r;
}

const QStringList kHsiHeader = {":qa:,Radial?", ":qb:,QDM?", ":qc:,Station?"};

QStringList hsi(const QString &a1, const QString &a2, const QString &a3)
{
    return kHsiHeader + QStringList{"ans1:" + a1, "ans2:" + a2, "ans3:" + a3, "ses:h.session", "--"};
}

std::vector<Case> cases()
{
    const QStringList adf = {"qdr1: 220", "qdr2: 040", "qdr3: 100", "qdr4: 330", "qdm1: 040", "qdm2: 280", "qdm3: 220",
                             "qdm4: 250", "rb1:  030", "rb2:  220", "rb3:  150", "rb4:  330", "qdr: 045", "qdrt:Increase",
                             "qdm: 220", "qdmt:kleiner", "rb:  330", "ses:a.session", "--"};
    return {
        {"clean qdm", 6, Language::German, kQdmRecord, 1, {}},
        {"qdm 360", 6, Language::German, qdmWith(4, "act: 360"), 1, {{5, "360"}}},
        {"turn in capitals", 6, Language::German, qdmWith(6, "turn:Right"), 1, {{7, "wrong case"}}},
        {"difference with sharp s", 6, Language::German, qdmWith(5, QString::fromUtf8("diff:größer")), 1, {{6, "grösser"}}},
        {"heading word unknown", 7, Language::English, qdmWith(7, "fhdg:more"), 1, {{8, "none of"}}},
        {"clean hsi with two answers", 1, Language::German, hsi("030", "210", "+Nach vorne+Nach rechts+"), 1, {}},
        {"hsi degrees", 1, Language::German, hsi("033", "360", "Nach oben"), 1,
         {{4, "multiple of 5"}, {5, "no entry for 360"}, {6, "no entry of the list"}}},
        {"hsi broken alternatives", 1, Language::German, hsi("030", "210", "+Nach vorne+Nach rechts"), 1, {{6, "+first+second+"}}},
        {"hsi without qc", 1, Language::English, kHsiHeader.mid(0, 2) + QStringList{"ans1:000", "ans2:180", "ans3:Ahead", "ses:h", "--"}, 1,
         {{1, "':qc:,'"}}},
        {"qc after the questions", 10, Language::German,
         QStringList{":qa:,QDM?", ":qb:,QDR?", "qdm: 030", "qdr: 210", "rb:  030", "ses:o", "--", ":qc:,RB?"}, 1,
         {{8, "never shown"}}},
        {"stdvor English list", 2, Language::English,
         QStringList{":qa:,R?", ":qb:,Q?", "text:Which way?", "ans1:020", "ans2:200", "ans3:Nach links", "ses:s", "--"}, 1,
         {{6, "no entry of the list"}}},
        {"dme arc", 9, Language::German, QStringList{"text:Arc", "turn:Left", "fhdg:12.5", "lead:abc", "ses:d", "--"}, 1,
         {{2, "wrong case"}, {3, "not a whole number"}, {4, "cannot be shown"}}},
        {"holding", 3, Language::German, QStringList{"text:H", "hdg: 360", "inb: 9O", "kind:standard", "ses:h", "--"}, 1,
         {{2, "solver finds no entry"}, {3, "cannot be shown"}, {4, "left-hand"}}},
        {"adf", 5, Language::German, adf, 1, {{13, "none of its four captions"}, {14, "wrong case"}}},
        {"wind", 8, Language::German,
         QStringList{"wdir:270", "wspd:20", "xw:  0", "xws: links", "wca: 3", "wcas:Left", "hts: head", "ht:  10",
                     "time:547.10", "crs: 090", "tas: 100", "ses:w", "--"},
         1, {{3, "above 0"}, {6, "wrong case"}, {7, "wrong case"}, {9, "546"}}},
        {"wind time of 60 seconds", 8, Language::German,
         QStringList{"wdir:270", "wspd:20", "xw:  20", "xws: links", "wca: 12", "wcas:links", "hts: -", "ht:  0",
                     "time:2.60", "crs: 360", "tas: 100", "ses:w", "--"},
         1, {{9, "60 seconds"}}},
        {"two short lines", 6, Language::German, kQdmRecord + qdmWith(2, "ih") + qdmWith(3, ""), 1,
         {{13, "loading stops here"}, {24, "would stop here too"}}},
        {"no separator at the end", 6, Language::German, kQdmRecord + kQdmRecord.mid(0, 9), 1, {{20, "ends inside a record"}}},
        {"empty file", 6, Language::German, {}, 0, {{1, "no question loads"}}},
    };
}

} // namespace

TEST(Lint, FindingsPointAtTheirLines)
{
    for (const Case &c : cases()) {
        const LintReport r = lintStudyData(studyBytes(c.lines), QStringLiteral("f.sty"), c.type, c.language, QString());
        EXPECT_EQ(r.records, c.records) << c.name;
        ASSERT_EQ(r.findings.size(), c.findings.size()) << c.name << ": " << [&] {
            QStringList all;
            for (const Finding &f : r.findings)
                all << f.toString();
            return all.join(" | ").toStdString();
        }();
        for (std::size_t i = 0; i < c.findings.size(); ++i) {
            EXPECT_EQ(r.findings[i].line, c.findings[i].line) << c.name << ": " << r.findings[i].toString().toStdString();
            EXPECT_TRUE(r.findings[i].message.contains(QString::fromUtf8(c.findings[i].fragment)))
                << c.name << ": " << r.findings[i].toString().toStdString();
        }
    }
}

TEST(Lint, WalkerAgreesWithTheLoader)
{
    // Markers between records, a capitalised marker taken as a record line, a 302nd record.
    auto v5 = [](const char *v) { return QStringLiteral("tag: ") + QString::fromUtf8(v); };
    auto s4 = [](const char *v) { return QStringLiteral("ses:") + QString::fromUtf8(v); };
    QStringList many;
    for (int i = 0; i < 302; ++i)
        many << v5("000") << v5("180") << v5("Nach vorne") << s4("x") << "--";
    const std::vector<std::pair<qint16, QStringList>> files = {
        {2, {":qa:,A", v5("x"), v5("000"), v5("180"), v5("Bleibt gleich"), s4("x"), "--", ":qb:,B", v5("y"), v5("005"),
             v5("185"), v5("q"), s4("y"), ""}},
        {3, {":QA:,A", v5("090"), v5("180"), v5("Standard"), s4("x"), "--"}},
        {1, many},
    };
    for (const auto &[type, lines] : files) {
        auto table = std::make_unique<QuestionTable>();
        const QByteArray bytes = studyBytes(lines);
        const StudyLoadResult loaded = readStudyData(bytes, type, *table);
        const Walk walk = walkStudyFile(splitLines(bytes), type);
        int complete = 0;
        for (const WalkedRecord &r : walk.records)
            complete += r.complete ? 1 : 0;
        EXPECT_EQ(std::min(complete, 301), loaded.records) << type;
        for (int row = 0; row < loaded.records; ++row)
            for (const WalkedValue &v : walk.records[std::size_t(row)].values)
                EXPECT_EQ(v.column == kSessionColumn ? table->session(row) : table->col(v.column, row), v.text) << type;
    }
}

TEST(Lint, SessionsAreLookedUpBesideTheStudyFolder)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir().mkpath(dir.filePath("default/study")) && QDir().mkpath(dir.filePath("default/sessions")));
    auto write = [&](const QString &rel, const QByteArray &bytes) {
        QFile f(dir.filePath(rel));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    };
    write("default/sessions/Good.session",
          "[session]\nversion = 1\n[station]\nid = TGO\nkind = NDB\n[aircraft]\nradial = 40\ndistance = 8\nheading = 200\ntas = 100\n");
    write("default/sessions/bad.session", "[session]\nversion = 2\n");
    QStringList lines = qdmWith(8, "ses:good.session") + qdmWith(8, "ses:bad.session") + qdmWith(8, "ses:gone.session");
    write("default/study/QDM.STY", studyBytes(lines));

    QString error;
    const std::optional<LintReport> r = lintStudyFile(dir.filePath("default/study/QDM.STY"), {}, &error);
    ASSERT_TRUE(r) << error.toStdString();
    EXPECT_EQ(r->records, 3);
    ASSERT_EQ(r->findings.size(), 2u);
    EXPECT_EQ(r->findings[0].line, 19);
    EXPECT_TRUE(r->findings[0].message.contains("does not read"));
    EXPECT_EQ(r->findings[1].line, 29);
    EXPECT_TRUE(r->findings[1].message.contains("not found"));

    write("default/study/notes.sty", "x");
    EXPECT_FALSE(lintStudyFile(dir.filePath("default/study/notes.sty"), {}, &error));
    EXPECT_TRUE(error.contains("--type"));
    EXPECT_FALSE(lintStudyFile(dir.filePath("default/study/missing.sty"), {6, {}, {}}, &error));
}

TEST(Lint, FileNamesTellTypeAndLanguage)
{
    struct Case { const char *name; qint16 type; Language language; };
    for (const Case c : {Case{"hsi.sty", 1, Language::German}, {"E-HSI.STY", 1, Language::English}, {"hsihld.sty", 3, Language::German},
                         {"orientation.sty", 10, Language::German}, {"e-adfpos.sty", 5, Language::English},
                         {"dgrbhld.sty", 14, Language::German}, {"e-dgHLD.sty", 4, Language::English}, {"qdm.txt", 0, Language::German}}) {
        const FileKind k = fileKindOf(QString::fromLatin1(c.name));
        EXPECT_EQ(k.type, c.type) << c.name;
        if (k.type)
            EXPECT_EQ(k.language, c.language) << c.name;
    }
}
