#include "Gbk.h"

#include "uTBase64.h"

#include <QStringDecoder>
#include <QStringEncoder>

QByteArray ToGbk(const QString &text)
{
    QStringEncoder encoder("GB18030");
    return encoder.encode(text);
}

QString FromGbk(const QByteArray &bytes)
{
    QStringDecoder decoder("GB18030");
    return decoder.decode(bytes);
}

QByteArray EncodeMemoText(const QString &text)
{
    TBase64 codec;
    QByteArray out;
    codec.Encode(ToGbk(text), out);
    return out;
}

QString DecodeMemoText(const QByteArray &base64)
{
    TBase64 codec;
    QByteArray out;
    codec.Decode(base64, out);
    return FromGbk(out);
}
