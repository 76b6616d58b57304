#pragma once
// TBase64: standard Base64 of byte strings, with a decoder that filters its input and reports
// malformed text by result codes, keeping what it decoded so far.
#include <QByteArray>

enum : unsigned char {
    b64Ok = 0,
    b64BadValue = 1,
    b64InvalidChar = 2,
    b64BadLength = 3,
    b64MisplacedFill = 4,
    b64BrokenFill = 5,
};

class TBase64 {
public:
    TBase64() = default;

    // Drop every character outside the alphabet and "=" before decoding.
    bool FilterInput = true;

    unsigned char Encode(const QByteArray &source, QByteArray &output) const;
    // On a malformed source the output keeps the bytes decoded before the fault.
    unsigned char Decode(const QByteArray &source, QByteArray &output) const;

private:
    static bool EncodeValue(unsigned value, char &ch);
    static bool DecodeChar(char ch, unsigned &value);
    static QByteArray FilterText(const QByteArray &source);
};
