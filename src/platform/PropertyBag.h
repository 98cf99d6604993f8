#pragma once

#include <orvik3/orvik3_export.h>

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <QVariantMap>

namespace orvik3 {

// The host document's store of design-time properties: values by key, and only those that
// differ from their default are kept, so a document records what the designer changed.
class ORVIK3_EXPORT PropertyBag
{
public:
    PropertyBag() = default;

    // The stored value, or def when the key holds none.
    QVariant read(const QString &key, const QVariant &def) const;
    // Stores value; a value equal to def removes the key instead.
    void write(const QString &key, const QVariant &value, const QVariant &def);
    bool contains(const QString &key) const { return m_values.contains(key); }
    QStringList keys() const { return m_values.keys(); }
    void clear() { m_values.clear(); }

    // JSON persistence for hosts that keep their documents as files. fromJson raises a
    // file error for text that is not a JSON object of plain values.
    QByteArray toJson() const;
    static PropertyBag fromJson(const QByteArray &json);

private:
    QVariantMap m_values;
};

} // namespace orvik3
