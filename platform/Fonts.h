#pragma once
// The font faces named by the forms and the printed templates ("宋体", "仿宋_GB2312", "黑体",
// "MS Sans Serif", "Arial") mapped onto installed faces, so that Chinese never shows as boxes.

#include <QFont>
#include <QString>

// Registers substitutions for the face names; called once by the application object.
void InstallFontSubstitutions();

// A font for a face name of the forms or templates: Latin characters from a Latin face and
// Chinese from a CJK face of the same style. Latin from a Latin face also keeps digits and
// letters searchable and copyable in PDF output.
QFont ResolveFont(const QString &face, double pointSize, bool bold = false);

// The same face with the CJK font first: for punctuation that Chinese text sets full width
// (quotes, ellipsis, dashes, middle dot), which a Latin face would draw narrow.
QFont ResolveCjkFont(const QString &face, double pointSize, bool bold = false);

// Punctuation shared by Latin and Chinese text that Chinese sets full width.
bool IsFullWidthPunctuation(QChar c);
