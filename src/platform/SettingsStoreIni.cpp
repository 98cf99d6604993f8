#include "platform/SettingsStoreIni.h"

namespace orvik3 {

namespace {

constexpr char kHex[] = "0123456789ABCDEF";

bool isHexDigit(char16_t c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

int hexValue(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    return c - u'A' + 10;
}

QByteArrayView trimmed(QByteArrayView v)
{
    while (!v.isEmpty() && (v.front() == ' ' || v.front() == '\t'))
        v = v.sliced(1);
    while (!v.isEmpty() && (v.back() == ' ' || v.back() == '\t' || v.back() == '\r'))
        v.chop(1);
    return v;
}

} // namespace

QByteArray SettingsIni::escapedKey(const QString &key)
{
    QByteArray out;
    out.reserve(key.size() + 8);
    for (QChar qc : key) {
        const char16_t c = qc.unicode();
        if (c == u'/') {
            out += '\\';
        } else if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'_'
                   || c == u'-' || c == u'.') {
            out += char(c);
        } else if (c <= 0xFF) {
            out += '%';
            out += kHex[c / 16];
            out += kHex[c % 16];
        } else {
            out += "%U";
            for (int shift = 12; shift >= 0; shift -= 4)
                out += kHex[(c >> shift) & 0xF];
        }
    }
    return out;
}

QString SettingsIni::unescapedKey(QByteArrayView raw)
{
    QString out;
    out.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (c == '\\') {
            out += u'/';
        } else if (c == '%' && i + 2 < raw.size() && isHexDigit(raw[i + 1]) && isHexDigit(raw[i + 2])) {
            out += QChar(char16_t(hexValue(raw[i + 1]) * 16 + hexValue(raw[i + 2])));
            i += 2;
        } else if (c == '%' && i + 5 < raw.size() && raw[i + 1] == 'U' && isHexDigit(raw[i + 2])
                   && isHexDigit(raw[i + 3]) && isHexDigit(raw[i + 4]) && isHexDigit(raw[i + 5])) {
            int code = 0;
            for (int k = 2; k <= 5; ++k)
                code = code * 16 + hexValue(raw[i + k]);
            out += QChar(char16_t(code));
            i += 5;
        } else {
            out += QChar(uchar(c));
        }
    }
    return out;
}

QByteArray SettingsIni::escapedValue(const QString &value)
{
    // A text that starts with "@" would read as a typed value; QSettings doubles the "@".
    const QString text = value.startsWith(u'@') ? QStringLiteral("@") + value : value;
    QByteArray out;
    out.reserve(text.size() + 2);
    bool needsQuotes = false;
    bool escapeNextIfDigit = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar qc = text[i];
        const char16_t c = qc.unicode();
        if (c == u';' || c == u',' || c == u'=')
            needsQuotes = true;
        if (escapeNextIfDigit && isHexDigit(c)) {
            out += "\\x" + QByteArray::number(int(c), 16);
            continue;
        }
        escapeNextIfDigit = false;
        switch (c) {
        case u'\0': out += "\\0"; escapeNextIfDigit = true; break;
        case u'\a': out += "\\a"; break;
        case u'\b': out += "\\b"; break;
        case u'\f': out += "\\f"; break;
        case u'\n': out += "\\n"; break;
        case u'\r': out += "\\r"; break;
        case u'\t': out += "\\t"; break;
        case u'\v': out += "\\v"; break;
        case u'"':
        case u'\\': out += '\\'; out += char(c); break;
        default:
            if (c <= 0x1F) {
                out += "\\x" + QByteArray::number(int(c), 16);
                escapeNextIfDigit = true;
            } else if (c < 0x80) {
                out += char(c);
            } else if (qc.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
                // Outside the BMP: both halves make one UTF-8 sequence; apart they are "?".
                out += text.sliced(i, 2).toUtf8();
                ++i;
            } else if (qc.isSurrogate()) {
                // A lone half has no UTF-8 form; the escape keeps it.
                out += "\\x" + QByteArray::number(int(c), 16);
                escapeNextIfDigit = true;
            } else {
                out += QString(qc).toUtf8();
            }
        }
    }
    if (needsQuotes || (!out.isEmpty() && (out.front() == ' ' || out.back() == ' '))) {
        out.prepend('"');
        out += '"';
    }
    return out;
}

QString SettingsIni::unescapedValue(QByteArrayView raw)
{
    const QString in = QString::fromUtf8(trimmed(raw));
    QString out;
    out.reserve(in.size());
    qsizetype kept = 0; // out up to here survives trimming of unquoted trailing blanks
    bool quoted = false;
    for (qsizetype i = 0; i < in.size(); ++i) {
        const char16_t c = in[i].unicode();
        if (c == u'"') {
            quoted = !quoted;
            kept = out.size();
            continue;
        }
        if (c == u'\\' && i + 1 < in.size()) {
            const char16_t e = in[++i].unicode();
            char16_t decoded = e;
            switch (e) {
            case u'a': decoded = u'\a'; break;
            case u'b': decoded = u'\b'; break;
            case u'f': decoded = u'\f'; break;
            case u'n': decoded = u'\n'; break;
            case u'r': decoded = u'\r'; break;
            case u't': decoded = u'\t'; break;
            case u'v': decoded = u'\v'; break;
            case u'x': {
                int code = 0;
                while (i + 1 < in.size() && isHexDigit(in[i + 1].unicode()) && code < 0x1000)
                    code = code * 16 + hexValue(in[++i].unicode());
                decoded = char16_t(code);
                break;
            }
            default:
                if (e >= u'0' && e <= u'7') {
                    int code = e - u'0';
                    while (i + 1 < in.size() && in[i + 1] >= u'0' && in[i + 1] <= u'7' && code < 0x1000)
                        code = code * 8 + (in[++i].unicode() - u'0');
                    decoded = char16_t(code);
                }
            }
            out += QChar(decoded);
            kept = out.size();
            continue;
        }
        out += QChar(c);
        if (quoted || (c != u' ' && c != u'\t'))
            kept = out.size();
    }
    out.truncate(kept);
    if (out.startsWith(QLatin1String("@@")))
        out.remove(0, 1);
    return out;
}

SettingsIni SettingsIni::parse(const QByteArray &bytes)
{
    SettingsIni ini;
    Section *current = nullptr;
    qsizetype pos = 0;
    while (pos < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', pos);
        if (end < 0)
            end = bytes.size();
        const QByteArrayView line = trimmed(QByteArrayView(bytes).sliced(pos, end - pos));
        pos = end + 1;
        if (line.isEmpty() || line.front() == ';' || line.front() == '#')
            continue;
        if (line.front() == '[') {
            const qsizetype close = line.indexOf(']');
            const QByteArrayView name = line.sliced(1, (close < 0 ? line.size() : close) - 1);
            current = &ini.section(unescapedKey(name));
            if (current->header.isEmpty())
                current->header = line.toByteArray();
            continue;
        }
        const qsizetype eq = line.indexOf('=');
        if (eq <= 0)
            continue;
        if (!current)
            current = &ini.section(QString());
        Entry entry;
        entry.key = unescapedKey(trimmed(line.first(eq)));
        entry.value = unescapedValue(line.sliced(eq + 1));
        entry.line = line.toByteArray();
        current->index[entry.key] = current->entries.size();
        current->entries.append(std::move(entry));
    }
    return ini;
}

QByteArray SettingsIni::serialize() const
{
    // Entries without a section header must come first, or they would read back as part of
    // the section before them.
    QList<const Section *> order;
    for (const Section &s : m_sections)
        if (s.header.isEmpty())
            order.append(&s);
    for (const Section &s : m_sections)
        if (!s.header.isEmpty())
            order.append(&s);
    QByteArray out;
    for (const Section *section : order) {
        const Section &s = *section;
        bool any = false;
        for (const Entry &e : s.entries)
            any = any || !e.removed;
        if (!any)
            continue;
        if (!out.isEmpty())
            out += '\n';
        if (!s.header.isEmpty())
            out += s.header + '\n';
        for (const Entry &e : s.entries)
            if (!e.removed)
                out += e.line + '\n';
    }
    return out;
}

SettingsIni::Section &SettingsIni::section(const QString &name)
{
    for (Section &s : m_sections)
        if (s.name == name)
            return s;
    Section s;
    s.name = name;
    if (!name.isEmpty())
        s.header = '[' + escapedKey(name) + ']';
    m_sections.append(std::move(s));
    return m_sections.back();
}

const SettingsIni::Section *SettingsIni::findSection(const QString &name) const
{
    for (const Section &s : m_sections)
        if (s.name == name)
            return &s;
    return nullptr;
}

const QString *SettingsIni::value(const QString &section, const QString &key) const
{
    const Section *s = findSection(section);
    if (!s)
        return nullptr;
    const auto it = s->index.find(key);
    if (it == s->index.end() || s->entries[it->second].removed)
        return nullptr;
    return &s->entries[it->second].value;
}

void SettingsIni::setValue(const QString &sectionName, const QString &key, const QString &value)
{
    Section &s = section(sectionName);
    Entry entry;
    entry.key = key;
    entry.value = value;
    entry.line = escapedKey(key) + '=' + escapedValue(value);
    const auto it = s.index.find(key);
    if (it != s.index.end()) {
        s.entries[it->second] = std::move(entry);
        return;
    }
    s.index.emplace(key, s.entries.size());
    s.entries.append(std::move(entry));
}

void SettingsIni::remove(const QString &sectionName, const QString &key)
{
    Section *s = nullptr;
    for (Section &candidate : m_sections)
        if (candidate.name == sectionName)
            s = &candidate;
    if (!s)
        return;
    for (Entry &e : s->entries)
        if (e.key == key)
            e.removed = true;
    s->index.erase(key);
}

QStringList SettingsIni::keys(const QString &sectionName) const
{
    QStringList result;
    if (const Section *s = findSection(sectionName))
        for (const auto &[key, at] : s->index)
            if (!s->entries[at].removed)
                result.append(key);
    result.sort();
    return result;
}

} // namespace orvik3
