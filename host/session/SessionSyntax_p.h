#pragma once

// What the session reader and writer share: a file split into sections and keys, the error the
// reader throws inside, and the number format both agree on.

#include <QByteArray>
#include <QString>

#include <map>
#include <vector>

namespace orvik3::host::detail {

// Thrown inside the reader only; parse() turns it into an Error.
struct Failure {
    int line;
    QString message;
};

struct Entry {
    QString value;
    int line = 0;
};

struct RawSection {
    QString name;
    int line = 0;
    std::map<QString, Entry> entries;
};

struct RawFile {
    std::vector<RawSection> sections;
    int lineCount = 0;

    const RawSection *single(const char *name) const
    {
        for (const RawSection &s : sections)
            if (s.name == QLatin1String(name))
                return &s;
        return nullptr;
    }
};

// Splits the text into known sections with known keys, each at most once where the format
// says so; throws Failure at the first line that breaks the syntax.
RawFile splitSections(const QByteArray &data);

QString quoted(const QString &s);
// Shortest plain decimal that reads back to the same double, so files round-trip; the reader
// accepts no exponents.
QString formatNumber(double v);

} // namespace orvik3::host::detail
