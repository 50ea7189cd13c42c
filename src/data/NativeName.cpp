#include "data/NativeName.h"

#include "data/TextRules.h"

#include <QFile>

namespace vimo::nativename {
namespace {

constexpr char16_t kEscapeBase = 0xDC00; // a byte b >= 0x80 that is not UTF-8 becomes U+DC00 + b

bool isEscape(char16_t unit)
{
    return unit >= kEscapeBase + 0x80 && unit <= kEscapeBase + 0xFF;
}

// The length of the valid UTF-8 sequence at the start of `bytes`, 0 when none starts there.
qsizetype validSequence(QByteArrayView bytes)
{
    for (qsizetype length = 1; length <= 4 && length <= bytes.size(); ++length) {
        if (text::isUtf8(bytes.first(length)))
            return length;
    }
    return 0;
}

} // namespace

QString decode(QByteArrayView bytes)
{
    if (text::isUtf8(bytes))
        return QString::fromUtf8(bytes);
    QString name;
    while (!bytes.isEmpty()) {
        const qsizetype length = validSequence(bytes);
        if (length > 0) {
            name += QString::fromUtf8(bytes.first(length));
            bytes = bytes.sliced(length);
        } else {
            name += QChar(char16_t(kEscapeBase + std::uint8_t(bytes.front())));
            bytes = bytes.sliced(1);
        }
    }
    return name;
}

QByteArray encode(const QString& name)
{
    QByteArray bytes;
    bytes.reserve(name.size());
    qsizetype start = 0;
    for (qsizetype i = 0; i <= name.size(); ++i) {
        if (i < name.size() && !isEscape(name.at(i).unicode()))
            continue;
        bytes += QFile::encodeName(name.mid(start, i - start));
        if (i < name.size())
            bytes += char(name.at(i).unicode() - kEscapeBase);
        start = i + 1;
    }
    return bytes;
}

namespace {

QString escaped(const QString& name, bool doubleBackslashes)
{
    QString text;
    for (const QChar c : name) {
        if (isEscape(c.unicode()))
            text += QStringLiteral("\\x%1").arg(int(c.unicode() - kEscapeBase), 2, 16, QLatin1Char('0'));
        else if (doubleBackslashes && c == QLatin1Char('\\'))
            text += QStringLiteral("\\\\");
        else
            text += c;
    }
    return text;
}

} // namespace

QString shown(const QString& name)
{
    return escaped(name, false);
}

QString toText(const QString& name)
{
    return escaped(name, true);
}

QString fromText(const QString& text)
{
    QString name;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('\\') || i + 1 >= text.size()) {
            name += text.at(i);
        } else if (text.at(i + 1) == QLatin1Char('\\')) {
            name += text.at(++i);
        } else {
            bool ok = false;
            const int byte = text.mid(i + 2, 2).toInt(&ok, 16);
            if (text.at(i + 1) == QLatin1Char('x') && i + 3 < text.size() && ok && byte >= 0x80) {
                name += QChar(char16_t(kEscapeBase + byte));
                i += 3;
            } else {
                name += text.at(i);
            }
        }
    }
    return name;
}

} // namespace vimo::nativename
