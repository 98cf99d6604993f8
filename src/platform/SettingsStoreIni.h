#pragma once

#include <orvik3/SettingsStore.h>

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <unordered_map>

namespace orvik3 {

// The text of one settings file in the INI dialect that QSettings reads and writes, so that
// tools built on QSettings see the same entries. Entries that are not changed are written back
// byte for byte; changed ones are escaped as QSettings escapes them. Comments are dropped, as
// QSettings drops them.
class SettingsIni
{
public:
    static SettingsIni parse(const QByteArray &bytes);
    QByteArray serialize() const;

    // nullptr when the key does not exist.
    const QString *value(const QString &section, const QString &key) const;
    void setValue(const QString &section, const QString &key, const QString &value);
    void remove(const QString &section, const QString &key);
    QStringList keys(const QString &section) const;

    static QByteArray escapedKey(const QString &key);
    static QString unescapedKey(QByteArrayView raw);
    static QByteArray escapedValue(const QString &value);
    static QString unescapedValue(QByteArrayView raw);

private:
    struct Entry {
        QString key;
        QString value;
        QByteArray line; // "rawkey=rawvalue" as it stands in the file
        bool removed = false;
    };
    struct Section {
        QString name;
        QByteArray header; // "[name]", empty for entries before the first header
        QList<Entry> entries;
        std::unordered_map<QString, qsizetype, SettingsKeyHash> index; // last entry of each key
    };

    Section &section(const QString &name);
    const Section *findSection(const QString &name) const;

    QList<Section> m_sections; // few: looked up by name in order
};

} // namespace orvik3
