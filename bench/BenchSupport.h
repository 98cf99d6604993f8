#pragma once

// Study files and services for the benchmarks.

#include <orvik3/Services.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

namespace orvik3::bench {

// A type-5 file (ADF position): the longest record layout, 19 stored lines and a separator.
inline QByteArray adfStudyFile(int records)
{
    QByteArray bytes;
    for (int r = 0; r < records; ++r) {
        for (int i = 1; i <= 12; ++i)
            bytes += "Opt" + QByteArray::number(i).rightJustified(2, '0') + ':' + QByteArray::number((r + i * 30) % 360)
                + "\r\n";
        bytes += "A1:  120\r\nA2:  gr\xF6\xDF" "er\r\nA3:  300\r\nA4:  gleich\r\nA5:  330\r\n";
        bytes += "Ses:adf" + QByteArray::number(r) + ".ses\r\n----------\r\n";
    }
    return bytes;
}

// A type-2 file (standard VOR): markers, then 6-line records.
inline QByteArray vorStudyFile(int records)
{
    QByteArray bytes = ":qa:,Wie lautet das QDM ?\r\n:qb:,Wie lautet das QDR ?\r\n";
    for (int r = 0; r < records; ++r)
        bytes += "Frg: Wo steht das Flugzeug " + QByteArray::number(r) + " ?\r\nA1:  045\r\nA2:  225\r\n"
            "A3:  Bleibt gleich\r\nSes:vor" + QByteArray::number(r) + ".ses\r\n\r\n";
    return bytes;
}

inline void writeStudyFile(const QString &base, const QString &name, const QByteArray &bytes)
{
    QDir().mkpath(base + QStringLiteral("/default/study"));
    QFile f(base + QStringLiteral("/default/study/") + name);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write the study file");
}

inline Services services(std::shared_ptr<SettingsStore> store)
{
    Services s;
    s.settings = std::move(store);
    s.texts = TextTable::german();
    s.random = std::make_shared<ClockRandomSource>();
    return s;
}

} // namespace orvik3::bench
