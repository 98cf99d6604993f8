#pragma once

// Typed access to one section of a session file, with errors pointing at the line.

#include "session/SessionSyntax_p.h"

#include <initializer_list>
#include <optional>

namespace orvik3::host::detail {

class SectionReader
{
public:
    explicit SectionReader(const RawSection &s) : m_s(s) {}

    bool has(const char *key) const { return find(key) != nullptr; }
    // The key's line, or the section header's when the key is absent.
    int lineOf(const char *key) const;

    QString text(const char *key) const { return require(key).value; }
    QString textOr(const char *key, const QString &fallback = {}) const;

    double number(const char *key, double min, double max) const;
    std::optional<double> optNumber(const char *key, double min, double max) const;

    // 0..360 with 360 read as 0.
    double angle(const char *key) const;
    std::optional<double> optAngle(const char *key) const;

    int integer(const char *key, int min, int max) const;
    // on/yes/true or off/no/false; an absent key is off.
    bool flag(const char *key) const;
    // Case-insensitive choice among `names`; returns the index.
    int choice(const char *key, std::initializer_list<const char *> names) const;

    [[noreturn]] void fail(const char *key, const QString &message) const;

    const RawSection &raw() const { return m_s; }

private:
    const Entry *find(const char *key) const;
    const Entry &require(const char *key) const;

    const RawSection &m_s;
};

} // namespace orvik3::host::detail
