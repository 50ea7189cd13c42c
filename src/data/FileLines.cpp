#include "data/FileLines.h"

#include "data/TextRules.h"

namespace vimo::filelines {

void appendTextLine(QByteArray& out, const QString& text, int maxChars)
{
    out += '#';
    out += text::encode(text::field(text, maxChars));
    out += kLineEnd;
}

} // namespace vimo::filelines
