#include <orvik3/Error.h>
#include <orvik3/PropertyBag.h>

#include <QCoreApplication>
#include <QFont>
#include <QJsonDocument>
#include <QJsonObject>

namespace orvik3 {

QVariant PropertyBag::read(const QString &key, const QVariant &def) const
{
    auto it = m_values.constFind(key);
    if (it == m_values.constEnd())
        return def;
    QVariant v = *it;
    // Values restored from JSON come back as text or double; give them the default's type.
    if (def.isValid() && v.metaType() != def.metaType()) {
        if (def.metaType().id() == QMetaType::QFont) {
            QFont font;
            if (font.fromString(v.toString()))
                return font;
            return def;
        }
        if (v.canConvert(def.metaType()) && v.convert(def.metaType()))
            return v;
        return def;
    }
    return v;
}

void PropertyBag::write(const QString &key, const QVariant &value, const QVariant &def)
{
    if (value == def)
        m_values.remove(key);
    else
        m_values.insert(key, value);
}

QByteArray PropertyBag::toJson() const
{
    QJsonObject object;
    for (auto it = m_values.constBegin(); it != m_values.constEnd(); ++it) {
        const QVariant &v = it.value();
        if (v.metaType().id() == QMetaType::QFont)
            object.insert(it.key(), v.value<QFont>().toString());
        else
            object.insert(it.key(), QJsonValue::fromVariant(v));
    }
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

PropertyBag PropertyBag::fromJson(const QByteArray &json)
{
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        throw Error(ErrorKind::FileFailure,
                    QCoreApplication::translate("orvik3::Error", "property bag is not a JSON object: %1").arg(error.errorString()));
    PropertyBag bag;
    const QJsonObject object = doc.object();
    for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
        if (it.value().isObject() || it.value().isArray())
            throw Error(ErrorKind::FileFailure, QCoreApplication::translate("orvik3::Error", "property %1 is not a plain value").arg(it.key()));
        bag.m_values.insert(it.key(), it.value().toVariant());
    }
    return bag;
}

} // namespace orvik3
