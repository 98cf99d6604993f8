#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

#include <vector>

namespace orvik3::study {

// Weakest first: a Leitner box per kind of situation of every exercise type (holdings: the
// entry and the side of the pattern; QDM/QDR: the first turn; wind: the crosswind side and
// head or tail wind; the other types one box for the whole type). Every kind starts in box 1;
// answered right at the first try it moves one box up (to kMaxBox at most), answered wrong it
// goes back to box 1. The next set is of the type whose lowest box is lowest, ties going to
// the type practised longest ago, then to the type with the most wrong answers in the study
// files' statistics; it asks for that type's kinds of the lowest box in turn, every other
// question left free so that the set still mixes.
class LeitnerBoxes
{
public:
    static constexpr int kMaxBox = 5;

    struct Choice {
        int type = 0;
        std::vector<QStringList> wishes; // one per question, cycled; an empty list: any situation
    };

    // The kinds that have a box of their own; empty: the type as a whole.
    static QStringList kinds(int type);

    int box(int type, const QString &kind = {}) const;
    // One question answered for the first time: `kinds` are the words of its situation.
    void record(int type, const QStringList &kinds, bool right);
    // The type to practise next among `types` and the kinds to ask for; `wrongPercent`: the
    // share of wrong answers per type in the study files' statistics.
    Choice next(const std::vector<int> &types, const QMap<int, int> &wrongPercent = {}) const;

    // "3:parallel=2;8:=4;…" and back; unknown or bad entries are dropped.
    QString save() const;
    void load(const QString &text);

private:
    static QString key(int type, const QString &kind) { return QString::number(type) + u':' + kind; }
    int lowest(int type) const;

    QMap<QString, int> m_boxes; // absent: box 1
    QMap<int, int> m_lastPractised; // type -> sequence number of its last record
    int m_sequence = 0;
};

} // namespace orvik3::study
