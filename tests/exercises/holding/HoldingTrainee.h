#pragma once

#include "support/TestHost.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <ostream>

// Readable QString values in failure messages.
inline void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }

// What a trainee does on the holding panel, and the study files the tests put before them.
namespace orvik3::test::holding {

// One six-line record of a holding or DME-arc study file.
inline QStringList record(const QString &text, const QString &col13, const QString &col14, const QString &col15,
                          const QString &session)
{
    return {tagged(5, text), tagged(5, col13), tagged(5, col14), tagged(5, col15), tagged(4, session), QString()};
}

// A holding question: heading to the fix, inbound course, kind of holding.
inline QStringList holdingRecord(const QString &heading, const QString &inbound, const QString &kind,
                                 const QString &session = QStringLiteral("h.ses"))
{
    return record(QStringLiteral("unused"), heading, inbound, kind, session);
}

// Random draws that cover all five candidate places, so that every drawing ends in a permutation.
inline std::vector<float> spreadDraws() { return {0.1f, 0.3f, 0.5f, 0.7f, 0.9f, 0.25f}; }

inline QString optionName(int n) { return QStringLiteral("Option%1").arg(n); }

// The option among Option<first>..Option<last> that is captioned `caption`, 0 if none is.
inline int optionCaptioned(TestHost &host, int first, int last, const QString &caption)
{
    for (int n = first; n <= last; ++n)
        if (host.ctl(optionName(n)).caption() == caption)
            return n;
    return 0;
}

inline QStringList captions(TestHost &host, int first, int last)
{
    QStringList out;
    for (int n = first; n <= last; ++n)
        out << host.ctl(optionName(n)).caption();
    return out;
}

// Clicks the option captioned `caption` in the row of Option<first>..Option<last>.
inline void choose(TestHost &host, int first, int last, const QString &caption)
{
    const int n = optionCaptioned(host, first, last, caption);
    ASSERT_NE(n, 0) << "no option captioned '" << caption.toStdString() << "'";
    ASSERT_TRUE(host.ctl(optionName(n)).click()) << "Option" << n << " cannot be reached";
}

inline bool press(TestHost &host, const char *button) { return host.ctl(QLatin1String(button)).click(); }

} // namespace orvik3::test::holding
