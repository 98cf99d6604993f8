#include "LeitnerBoxes.h"

#include "RandomSet.h"

#include <algorithm>
#include <tuple>

namespace orvik3::study {

QStringList LeitnerBoxes::kinds(int type)
{
    // The arc's direction follows from where the aircraft is; it is no mistake to practise.
    if (type == 9)
        return {};
    return situationKinds(qint16(type));
}

int LeitnerBoxes::box(int type, const QString &kind) const { return m_boxes.value(key(type, kind), 1); }

void LeitnerBoxes::record(int type, const QStringList &situationKinds, bool right)
{
    const QStringList own = kinds(type);
    QStringList touched;
    for (const QString &k : situationKinds)
        if (own.contains(k))
            touched << k;
    if (own.isEmpty())
        touched << QString();
    for (const QString &k : touched) {
        const int now = box(type, k);
        m_boxes.insert(key(type, k), right ? std::min(now + 1, kMaxBox) : 1);
    }
    m_lastPractised.insert(type, ++m_sequence);
}

int LeitnerBoxes::lowest(int type) const
{
    const QStringList own = kinds(type);
    if (own.isEmpty())
        return box(type);
    int low = kMaxBox;
    for (const QString &k : own)
        low = std::min(low, box(type, k));
    return low;
}

LeitnerBoxes::Choice LeitnerBoxes::next(const std::vector<int> &types, const QMap<int, int> &wrongPercent) const
{
    Choice out;
    if (types.empty())
        return out;
    auto rank = [&](int type) {
        return std::tuple(lowest(type), m_lastPractised.value(type, 0), -wrongPercent.value(type, 0), type);
    };
    out.type = *std::min_element(types.begin(), types.end(), [&](int a, int b) { return rank(a) < rank(b); });
    const int low = lowest(out.type);
    for (const QString &k : kinds(out.type)) {
        if (box(out.type, k) == low) {
            out.wishes.push_back({k});
            out.wishes.push_back({});
        }
    }
    return out;
}

QString LeitnerBoxes::save() const
{
    QStringList parts;
    for (auto it = m_boxes.cbegin(); it != m_boxes.cend(); ++it)
        parts << it.key() + u'=' + QString::number(it.value());
    return parts.join(u';');
}

void LeitnerBoxes::load(const QString &text)
{
    m_boxes.clear();
    for (const QString &part : text.split(u';', Qt::SkipEmptyParts)) {
        const QStringList kv = part.split(u'=');
        const QStringList tk = kv.value(0).split(u':');
        bool typeOk = false, boxOk = false;
        const int type = tk.value(0).toInt(&typeOk);
        const int b = kv.value(1).toInt(&boxOk);
        if (kv.size() != 2 || tk.size() != 2 || !typeOk || !boxOk || b < 1 || b > kMaxBox)
            continue;
        const QStringList own = kinds(type);
        if (type < 1 || type > 14 || (own.isEmpty() ? !tk[1].isEmpty() : !own.contains(tk[1])))
            continue;
        m_boxes.insert(key(type, tk[1]), b);
    }
}

} // namespace orvik3::study
