#pragma once

#include "support/TestHost.h"

#include <gtest/gtest.h>

namespace orvik3::test {

// One question of a QDM/QDR study file.
struct QdmRecord {
    QString required = QStringLiteral("090");
    QString actual = QStringLiteral("085");
    QString difference = QStringLiteral("kleiner");
    QString turn = QStringLiteral("left");
    QString heading = QStringLiteral("kleiner");
    QString session = QStringLiteral("q1.ses");
};

inline QStringList qdmLines(const QList<QdmRecord> &records)
{
    QStringList out;
    for (const QdmRecord &r : records) {
        out << tagged(5, r.required) << tagged(5, QStringLiteral("x")) << tagged(5, QStringLiteral("y"))
            << tagged(5, QStringLiteral("z")) << tagged(5, r.actual) << tagged(5, r.difference) << tagged(5, r.turn)
            << tagged(5, r.heading) << tagged(4, r.session) << QString();
    }
    return out;
}

inline QString studyFileOf(qint16 type, bool german = true)
{
    switch (type) {
    case 6: return german ? QStringLiteral("qdm.sty") : QStringLiteral("e-qdm.sty");
    case 7: return german ? QStringLiteral("qdr.sty") : QStringLiteral("e-qdr.sty");
    case 12: return german ? QStringLiteral("qdmrb.sty") : QStringLiteral("e-qdm.sty");
    default: return german ? QStringLiteral("qdrrb.sty") : QStringLiteral("e-qdr.sty");
    }
}

inline QString opt(int n)
{
    return QStringLiteral("Option%1").arg(n);
}

// Value options in slot-taking order, then the word rows.
inline const QList<QList<int>> kQdmRows = {{50, 49, 48, 46}, {40, 39, 38}, {45, 44, 43}, {37, 36}};
inline const char *const kQdmLabels[] = {"Label31", "Label28", "Label30", "Label29"};
inline const char *const kQdmResults[] = {"Label27", "Label25", "Label26", "Label24"};

// A host with one or more questions of the given type. Random draws: the first `orderDraws`
// values build the question order, the next four place the candidates of the first question.
class QdmHost
{
public:
    QdmHost(qint16 type, const QList<QdmRecord> &records, std::vector<float> random,
            std::shared_ptr<TextTable> texts = TextTable::german())
        : host(std::move(random), texts)
    {
        const bool german = texts->isGerman();
        host.writeStudyFile(studyFileOf(type, german), qdmLines(records));
        form = &host.select(type);
    }

    FormControl &ctl(const QString &name) { return host.ctl(name); }
    FormControl &ctl(const char *name) { return host.ctl(QLatin1String(name)); }
    bool click(int option) { return host.ctl(opt(option)).click(); }

    TestHost host;
    QAform *form = nullptr;
};

// Draws for a one-question file that put the slots in the order 1, 2, 3, 4: Option50 +90,
// Option49 +0, Option48 +180, Option46 +10.
inline std::vector<float> inOrder()
{
    return {0.0f, 0.0f, 0.25f, 0.5f, 0.75f};
}

} // namespace orvik3::test
