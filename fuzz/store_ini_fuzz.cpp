// libFuzzer target for the settings store's INI text. Two round trips:
// - the input as a file: what it reads as, written and read again, reads the same;
// - the input as entries (section, key, value as UTF-8, split at NUL bytes): stored, written
//   and read again, every value comes back exactly, whatever characters it holds.
#include "FuzzCheck.h"

#include "platform/SettingsStoreIni.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>
#include <map>
#include <utility>

namespace {

using orvik3::SettingsIni;

void sameEntries(const SettingsIni &a, const SettingsIni &b, const QStringList &sections)
{
    for (const QString &section : sections) {
        const QStringList keys = a.keys(section);
        ORVIK3_FUZZ_CHECK(keys == b.keys(section));
        for (const QString &key : keys)
            ORVIK3_FUZZ_CHECK(*a.value(section, key) == *b.value(section, key));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    // As a file. Section names are those of the headers, as the reader unescapes them.
    const SettingsIni read = SettingsIni::parse(bytes);
    QStringList sections{QString()};
    for (const QByteArray &line : bytes.split('\n')) {
        const QByteArray t = line.trimmed();
        if (t.startsWith('[')) {
            const qsizetype close = t.indexOf(']');
            sections << SettingsIni::unescapedKey(QByteArrayView(t).sliced(1, (close < 0 ? t.size() : close) - 1));
        }
    }
    sameEntries(read, SettingsIni::parse(read.serialize()), sections);

    // As entries.
    const QList<QByteArray> parts = bytes.split('\0');
    SettingsIni written;
    std::map<std::pair<QString, QString>, QString> expected;
    for (qsizetype i = 0; i + 2 < parts.size(); i += 3) {
        const QString section = QString::fromUtf8(parts[i]);
        const QString key = QString::fromUtf8(parts[i + 1]);
        if (key.isEmpty())
            continue; // "=value" is no entry in this dialect
        const QString value = QString::fromUtf8(parts[i + 2]);
        written.setValue(section, key, value);
        expected[{section, key}] = value;
    }
    const SettingsIni back = SettingsIni::parse(written.serialize());
    for (const auto &[where, value] : expected) {
        const QString *got = back.value(where.first, where.second);
        if (!got || *got != value)
            std::fprintf(stderr, "[%s] %s: wrote \"%s\", read \"%s\"\n", qPrintable(where.first),
                         qPrintable(where.second), qPrintable(value), got ? qPrintable(*got) : "(nothing)");
        ORVIK3_FUZZ_CHECK(got && *got == value);
    }
    return 0;
}
