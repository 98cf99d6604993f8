#pragma once

#include <orvik3/orvik3_export.h>

#include <QHash>
#include <QString>
#include <memory>

namespace orvik3 {

// The numbered texts of the control. Every caption, list entry and title comes from here,
// fetched at the moment it is needed. Text 100 is the language tag.
class ORVIK3_EXPORT TextTable
{
public:
    explicit TextTable(QHash<quint16, QString> texts);

    // The text of that id exactly as stored; a missing id raises a missing-text error.
    QString text(quint16 id) const;
    bool contains(quint16 id) const { return m_texts.contains(id); }
    // True when text 100 is exactly "german": the German study files are loaded. A table
    // without text 100 raises a missing-text error.
    bool isGerman() const;
    const QHash<quint16, QString> &texts() const { return m_texts; }

    static std::shared_ptr<TextTable> german();
    static std::shared_ptr<TextTable> english();

private:
    QHash<quint16, QString> m_texts;
};

namespace textid {
constexpr quint16 languageTag = 100;
} // namespace textid

} // namespace orvik3
