#include "uTBase64.h"

namespace {
const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
const char kFill = '=';
}  // namespace

bool TBase64::EncodeValue(unsigned value, char &ch)
{
    if (value > 63)
        return false;
    ch = kAlphabet[value];
    return true;
}

bool TBase64::DecodeChar(char ch, unsigned &value)
{
    if (ch >= 'A' && ch <= 'Z')
        value = unsigned(ch - 'A');
    else if (ch >= 'a' && ch <= 'z')
        value = unsigned(ch - 'a') + 26;
    else if (ch >= '0' && ch <= '9')
        value = unsigned(ch - '0') + 52;
    else if (ch == '+')
        value = 62;
    else if (ch == '/')
        value = 63;
    else
        return false;
    return true;
}

QByteArray TBase64::FilterText(const QByteArray &source)
{
    QByteArray kept;
    kept.reserve(source.size());
    unsigned dummy;
    for (char ch : source)
        if (ch == kFill || DecodeChar(ch, dummy))
            kept.append(ch);
    return kept;
}

unsigned char TBase64::Encode(const QByteArray &source, QByteArray &output) const
{
    output.clear();
    if (source.isEmpty())
        return b64Ok;
    output.reserve((source.size() + 2) / 3 * 4);
    const auto *p = reinterpret_cast<const unsigned char *>(source.constData());
    const qsizetype n = source.size();
    qsizetype i = 0;
    auto put = [&output](unsigned value) -> bool {
        char ch;
        if (!EncodeValue(value, ch))
            return false;
        output.append(ch);
        return true;
    };
    for (; i + 3 <= n; i += 3) {
        const unsigned b1 = p[i], b2 = p[i + 1], b3 = p[i + 2];
        if (!put(b1 >> 2) || !put(((b1 & 3) << 4) | (b2 >> 4)) || !put(((b2 & 15) << 2) | (b3 >> 6))
            || !put(b3 & 63))
            return b64BadValue;
    }
    if (n - i == 1) {
        const unsigned b1 = p[i];
        if (!put(b1 >> 2) || !put((b1 & 3) << 4))
            return b64BadValue;
        output.append("==");
    } else if (n - i == 2) {
        const unsigned b1 = p[i], b2 = p[i + 1];
        if (!put(b1 >> 2) || !put(((b1 & 3) << 4) | (b2 >> 4)) || !put((b2 & 15) << 2))
            return b64BadValue;
        output.append(kFill);
    }
    return b64Ok;
}

unsigned char TBase64::Decode(const QByteArray &source, QByteArray &output) const
{
    if (source.isEmpty())
        return b64Ok;
    output.clear();
    const QByteArray text = FilterInput ? FilterText(source) : source;
    // A source made only of characters the filter drops decodes as an empty text.
    if (text.isEmpty())
        return b64Ok;
    const qsizetype n = text.size();
    if (n % 4 != 0)
        return b64BadLength;
    output.reserve(n / 4 * 3);
    for (qsizetype g = 0; g < n; g += 4) {
        unsigned a, b, c, d;
        if (!DecodeChar(text[g], a) || !DecodeChar(text[g + 1], b))
            return b64InvalidChar;
        output.append(char(((a << 2) | (b >> 4)) & 255));
        if (text[g + 2] == kFill) {
            if (g + 2 != n - 2)
                return b64MisplacedFill;
            if (text[n - 1] != kFill)
                return b64BrokenFill;
            return b64Ok;
        }
        if (!DecodeChar(text[g + 2], c))
            return b64InvalidChar;
        output.append(char(((b << 4) | (c >> 2)) & 255));
        if (text[g + 3] == kFill) {
            if (g + 3 != n - 1)
                return b64MisplacedFill;
            return b64Ok;
        }
        if (!DecodeChar(text[g + 3], d))
            return b64InvalidChar;
        output.append(char(((c << 6) | d) & 255));
    }
    return b64Ok;
}
