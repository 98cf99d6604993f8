#pragma once

#include "ExerciseCatalog.h"

#include <QCoreApplication>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <vector>

namespace orvik3::trainer {

// Fresh sets of one exercise type, one after another, each a private installation of its
// own in a temporary folder that goes with the practice. A set's seed follows from the first
// one, so a run can be made again.
class EndlessSets
{
    Q_DECLARE_TR_FUNCTIONS(EndlessSets)
public:
    static constexpr int kSetSize = 10;

    // `weakestFirst`: the type of each set is chosen anew (see LeitnerBoxes).
    EndlessSets(int type, bool weakestFirst, quint64 firstSeed);

    bool weakestFirst() const { return m_weakestFirst; }
    int type() const { return m_type; }
    int setNumber() const { return m_set; }
    // The generator's seed of the current set.
    quint64 setSeed() const { return m_seed + quint64(m_set > 0 ? m_set - 1 : 0); }
    // The installation of the current set; empty before the first.
    QString base() const { return m_base; }
    const std::vector<QStringList> &wishes() const { return m_wishes; }

    // Writes the next set of `type` into a new folder and makes it current; the last set's
    // folder is removed. False with *error when no set could be made.
    bool makeSet(int type, Language language, std::vector<QStringList> wishes, QString *error);
    // The kind words of a question of the current set.
    QStringList kindsOf(int question) const;
    // A kind word of the generator ("parallel", "crosswind-left", …) as the trainee reads it.
    static QString kindName(const QString &kind);
    // True once per question and set: the first closing is the one that counts.
    bool firstClosing(int question);

private:
    QTemporaryDir m_dir;
    int m_type;
    bool m_weakestFirst;
    quint64 m_seed;
    int m_set = 0;
    QString m_base;
    std::vector<QStringList> m_kinds, m_wishes;
    QSet<int> m_counted;
};

} // namespace orvik3::trainer
