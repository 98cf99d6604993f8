#include "platform/LineReader.h"

#include "platform/BoundedFile.h"

namespace orvik3 {

namespace {
// Windows-1252 0x80..0x9F; the five undefined bytes map to the C1 control of the same value.
constexpr char16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
} // namespace

bool LineReader::open(const QString &path)
{
    close();
    BoundedFile::Result file = BoundedFile::read(path, limits::kStudyFile);
    m_data = std::move(file.bytes);
    return file.ok();
}

void LineReader::setData(const QByteArray &bytes)
{
    m_data = bytes;
    m_pos = 0;
    m_line = 0;
}

QString LineReader::readLine()
{
    const QByteArrayView line = readRawLine();
    return decode(QByteArray::fromRawData(line.data(), line.size()));
}

QByteArrayView LineReader::readRawLine()
{
    const qsizetype start = m_pos;
    qsizetype end = m_data.indexOf('\r', m_pos);
    if (end < 0) {
        end = m_data.size();
        m_pos = end;
    } else {
        m_pos = end + 1;
        if (m_pos < m_data.size() && m_data[m_pos] == '\n')
            ++m_pos;
    }
    ++m_line;
    return QByteArrayView(m_data).sliced(start, end - start);
}

void LineReader::close()
{
    m_data.clear();
    m_pos = 0;
    m_line = 0;
}

QString LineReader::decode(const QByteArray &bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *dst = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        dst[i] = (b >= 0x80 && b <= 0x9F) ? QChar(kHigh[b - 0x80]) : QChar(b);
    }
    return out;
}

QByteArray LineReader::encode(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            out.append(char(u));
            continue;
        }
        char mapped = '?';
        for (int k = 0; k < 32; ++k)
            if (kHigh[k] == u) {
                mapped = char(0x80 + k);
                break;
            }
        out.append(mapped);
    }
    return out;
}

} // namespace orvik3
