#pragma once
// TBase64: standard Base64 of byte strings, with a decoder that filters its input and reports
// malformed text by result codes, keeping what it decoded so far.
#include <QByteArray>
