#pragma once
// The system's texts as bytes where bytes matter. Memo texts are stored as GB18030, which gives
// the same bytes as GBK for every GBK character and keeps characters that GBK lacks (rare name
// characters, emoji) instead of losing them.
#include <QByteArray>
#include <QString>

// Text to GB18030 bytes (GBK bytes for every GBK character).
QByteArray ToGbk(const QString &text);
// GB18030 (and so GBK) bytes to text; invalid bytes become replacement characters.
QString FromGbk(const QByteArray &bytes);

// The Base64 form of a memo text: Base64 of its GB18030 bytes.
QByteArray EncodeMemoText(const QString &text);
// The text of a memo value; a malformed value yields what the decoder produced before it stopped.
QString DecodeMemoText(const QByteArray &base64);
