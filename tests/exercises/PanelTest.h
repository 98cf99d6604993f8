#pragma once

// Shared by the exercise panels' tests: the study files of each family, the look of a marked
// row, and errors raised to the host.
#include "support/TestHost.h"

#include <orvik3/Error.h>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

// Readable QString values in failure messages.
inline void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }

namespace orvik3::test {

inline QString opt(int n) { return QStringLiteral("Option%1").arg(n); }

// What a result shows: a text box's text or a label's caption.
inline QString shownIn(FormControl &c) { return c.kind() == ControlKind::TextBox ? c.text() : c.caption(); }

enum class Mark { Right, Wrong, Solution };

// Right: the answer in green; wrong: "FALSCH" and the prompt white on red; a shown solution:
// the answer white on dark teal.
inline void expectMark(FormControl &prompt, FormControl &result, Mark mark, const QString &answer = {})
{
    EXPECT_TRUE(result.isVisible()) << result.name().toStdString();
    EXPECT_EQ(shownIn(result), mark == Mark::Wrong ? QStringLiteral("FALSCH") : answer) << result.name().toStdString();
    const OleColor fore = mark == Mark::Right ? colors::green : colors::white;
    const OleColor back = mark == Mark::Wrong ? colors::red : colors::darkTeal;
    for (FormControl *c : {&prompt, &result}) {
        EXPECT_EQ(c->foreColor(), fore) << c->name().toStdString();
        EXPECT_EQ(c->backColor(), back) << c->name().toStdString();
    }
}

// Runs f and returns the message of the Error of `kind` it must raise.
inline QString expectError(ErrorKind kind, const std::function<void()> &f)
{
    try {
        f();
        ADD_FAILURE() << "no error raised";
    } catch (const Error &e) {
        EXPECT_EQ(e.kind(), kind) << e.what();
        return e.message();
    }
    return {};
}

// --- study files ------------------------------------------------------------------------

// The records of a study file: each value on a tagged line (the first `wide` ones with a
// six-character tag), then the session s<n>.ses and an empty line.
inline QStringList studyLines(const QList<QStringList> &records, int wide = 0)
{
    QStringList out;
    for (int n = 0; n < records.size(); ++n) {
        for (int i = 0; i < records[n].size(); ++i)
            out << tagged(i < wide ? 6 : 5, records[n][i]);
        out << tagged(4, QStringLiteral("s%1.ses").arg(n)) << QString();
    }
    return out;
}

// Position types 1, 2 and 10: the three stored answers of each question (type 2 starts each
// record with a third question).
inline void writePositionFile(TestHost &host, qint16 type, QList<QStringList> answers)
{
    QStringList head{":qa:,Position?", ":qb:,Radial?", ":qc:,Nadel?"};
    if (type == 2) {
        head.removeLast();
        for (QStringList &a : answers)
            a.prepend(QStringLiteral("Frage 3"));
    }
    const char *file = type == 1 ? "hsi.sty" : type == 2 ? "stdvor.sty" : "orientation.sty";
    host.writeStudyFile(file, head + studyLines(answers));
}

// Holding (HDG, inbound, kind of holding) and DME arc (first turn, first heading, lead radial).
inline QStringList holdingRecord(const QString &c13, const QString &c14, const QString &c15)
{
    return {QStringLiteral("Join the 12 DME arc"), c13, c14, c15};
}

// Random draws that cover all five candidate places of a holding question.
inline std::vector<float> spreadDraws() { return {0.1f, 0.3f, 0.5f, 0.7f, 0.9f, 0.25f}; }

// ADF: twelve option captions (QDR, QDM, relative bearing, four each; six-character tags),
// then QDR, QDR trend, QDM, QDM trend and relative bearing.
struct AdfRecord {
    QStringList captions{"090", "100", "110", "120", "270", "280", "290", "300", "010", "020", "030", "040"};
    QStringList answers{"100", "größer", "280", "kleiner", "030"};
    QStringList values() const { return captions + answers; }
};

// QDM/QDR: required bearing, three unused columns, the actual bearing, difference, first
// turn and first heading.
struct QdmRecord {
    QString required = QStringLiteral("090"), actual = QStringLiteral("085"), difference = QStringLiteral("kleiner"),
            turn = QStringLiteral("left"), heading = QStringLiteral("kleiner");
    QStringList values() const { return {required, "x", "y", "z", actual, difference, turn, heading}; }
};

inline QString qdmFile(qint16 type)
{
    return type == 6 ? "qdm.sty" : type == 7 ? "qdr.sty" : type == 12 ? "qdmrb.sty" : "qdrrb.sty";
}

struct WindRecord {
    QString direction = "270", speed = "25", cross = "12", crossWord = "links", wca = "5", wcaWord = "right",
            headWord = "Head", head = "20", time = "12.30";
    QStringList values() const
    {
        return {direction, speed, cross, crossWord, wca, wcaWord, headWord, head, time, "x", "y"};
    }
};

// Answers row 1..4 of a default WindRecord, right or wrong.
inline void answerWindRow(TestHost &host, int row, bool right)
{
    static const char *const kBox[] = {"Text4", "Text5", "Text6", "Text7"}, *const kTyped[] = {"20", "12", "5", "12"};
    static const char *const kOption[][2] = {{"Option47", "Option35"}, {"Option54", "Option56"},
                                             {"Option41", "Option52"}, {"Option58", "Option58"}};
    host.ctl(kBox[row - 1]).type(row == 4 && !right ? "20" : kTyped[row - 1]); // the time row: 12.30 or 20.30
    if (row == 4)
        host.ctl("Text8").type("30");
    host.ctl(kOption[row - 1][right ? 0 : 1]).click();
}

} // namespace orvik3::test
