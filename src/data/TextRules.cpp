#include "data/TextRules.h"

#include <cstdint>
#include <cstring>

namespace vimo::text {
namespace {

// Windows-1252 bytes 0x80..0x9F; the five undefined ones map to the C1 control of the same value.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString decodeCp1252(QByteArrayView bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        out.append(b >= 0x80 && b < 0xA0 ? QChar(kCp1252High[b - 0x80]) : QChar(char16_t(b)));
    }
    return out;
}

// Length of the UTF-8 sequence that starts with `lead` and the allowed range of its second byte; 0 for a byte
// that cannot start one (continuation bytes, C0/C1 overlong leads, F5..FF).
int sequenceLength(unsigned char lead, unsigned char& low, unsigned char& high)
{
    low = 0x80;
    high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF) {
        if (lead == 0xE0)
            low = 0xA0; // no overlong three-byte forms
        if (lead == 0xED)
            high = 0x9F; // no surrogates
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        if (lead == 0xF0)
            low = 0x90; // no overlong four-byte forms
        if (lead == 0xF4)
            high = 0x8F; // nothing above U+10FFFF
        return 4;
    }
    return 0;
}

} // namespace

QString cut(const QString& text, int maxChars)
{
    int chars = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (chars == maxChars)
            return text.left(i);
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        ++chars;
    }
    return text;
}

QString oneLine(const QString& text)
{
    QString out = text;
    for (QChar& c : out) {
        const char16_t u = c.unicode();
        if (u == u'\r' || u == u'\n' || u == u'\v' || u == u'\f' || u == 0x85 || u == 0x2028 || u == 0x2029)
            c = QLatin1Char(' ');
    }
    return out;
}

QString field(const QString& text, int maxChars)
{
    return cut(oneLine(text), maxChars);
}

bool isUtf8(QByteArrayView bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype n = bytes.size();
    constexpr std::uint64_t kHighBits = 0x8080808080808080u;
    for (qsizetype i = 0; i < n;) {
        // Plain ASCII, the bulk of a data file, eight bytes at a time.
        std::uint64_t word = 0;
        if (i + 8 <= n && (std::memcpy(&word, p + i, 8), (word & kHighBits) == 0)) {
            i += 8;
            continue;
        }
        if (p[i] < 0x80) {
            ++i;
            continue;
        }
        unsigned char low = 0;
        unsigned char high = 0;
        const int length = sequenceLength(p[i], low, high);
        if (length == 0 || i + length > n || p[i + 1] < low || p[i + 1] > high)
            return false;
        for (int j = 2; j < length; ++j) {
            if (p[i + j] < 0x80 || p[i + j] > 0xBF)
                return false;
        }
        i += length;
    }
    return true;
}

QString decode(QByteArrayView bytes, bool utf8)
{
    return utf8 ? QString::fromUtf8(bytes) : decodeCp1252(bytes);
}

QString decode(const QByteArray& bytes)
{
    return decode(QByteArrayView(bytes), isUtf8(bytes));
}

QByteArray encode(const QString& text)
{
    return text.toUtf8();
}

} // namespace vimo::text
