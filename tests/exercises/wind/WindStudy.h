#pragma once

#include "support/TestHost.h"

#include <vector>

// Wind study files and the wind panel's rows, for the wind tests.
namespace orvik3::test {

struct WindRecord {
    QString direction = QStringLiteral("270"), speed = QStringLiteral("25");
    QString cross = QStringLiteral("12"), crossWord = QStringLiteral("links");
    QString wca = QStringLiteral("5"), wcaWord = QStringLiteral("right");
    QString headWord = QStringLiteral("Head"), head = QStringLiteral("20");
    QString time = QStringLiteral("12.30");
};

// wind.sty with the records in the order of the file's lines; sessions w0.ses, w1.ses, ...
inline void writeWindFile(TestHost &host, const std::vector<WindRecord> &records)
{
    QStringList lines;
    int n = 0;
    for (const WindRecord &r : records) {
        for (const QString &value : {r.direction, r.speed, r.cross, r.crossWord, r.wca, r.wcaWord, r.headWord, r.head,
                                     r.time, QStringLiteral("x"), QStringLiteral("y")})
            lines << tagged(5, value);
        lines << tagged(4, QStringLiteral("w%1.ses").arg(n++)) << QString();
    }
    host.writeStudyFile(QStringLiteral("wind.sty"), lines);
}

struct WindRowNames {
    const char *label, *box, *unit, *result;
    const char *options[3];
};

// Index 1..3: head/tail, crosswind, WCA (the time row has two boxes and one option).
inline constexpr WindRowNames kWindRows[4] = {
    {},
    {"Label38", "Text4", "Label43", "Label34", {"Option47", "Option42", "Option35"}},
    {"Label41", "Text5", "Label44", "Label36", {"Option54", "Option55", "Option56"}},
    {"Label39", "Text6", "Label45", "Label35", {"Option52", "Option53", "Option41"}},
};

inline constexpr const char *kWindOptions[] = {"Option47", "Option42", "Option35", "Option54", "Option55",
                                               "Option56", "Option52", "Option53", "Option41", "Option58"};

// Answers row 1..4 of a default WindRecord, right or wrong.
inline void answerWindRow(TestHost &host, int row, bool right)
{
    auto type = [&host](const char *box, const char *text) {
        host.ctl(QLatin1String(box)).type(QLatin1String(text));
    };
    auto click = [&host](const char *option) { host.ctl(QLatin1String(option)).click(); };
    switch (row) {
    case 1:
        type("Text4", "20");
        click(right ? "Option47" : "Option35");
        break;
    case 2:
        type("Text5", "12");
        click(right ? "Option54" : "Option56");
        break;
    case 3:
        type("Text6", "5");
        click(right ? "Option41" : "Option52");
        break;
    default:
        type("Text7", right ? "12" : "20");
        type("Text8", "30");
        click("Option58");
        break;
    }
}

} // namespace orvik3::test
