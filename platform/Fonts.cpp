#include "Fonts.h"

#include <QStringList>

namespace {
struct FaceMap {
    const char *face;
    const char *latin;
    const char *cjk;
};

// Song and FangSong print with a serif face, Hei and the screens' sans faces with a sans face.
const FaceMap kFaces[] = {
    {"宋体", "Noto Serif", "Noto Serif CJK SC"},
    {"仿宋_GB2312", "Noto Serif", "Noto Serif CJK SC"},
    {"仿宋", "Noto Serif", "Noto Serif CJK SC"},
    {"黑体", "Noto Sans", "Noto Sans CJK SC"},
    {"MS Sans Serif", "Noto Sans", "Noto Sans CJK SC"},
    {"Arial", "Noto Sans", "Noto Sans CJK SC"},
};

const FaceMap kDefault = {"", "Noto Sans", "Noto Sans CJK SC"};

const FaceMap &findFace(const QString &face)
{
    for (const FaceMap &m : kFaces)
        if (face.compare(QString::fromUtf8(m.face), Qt::CaseInsensitive) == 0)
            return m;
    return kDefault;
}

bool isSerif(const FaceMap &m)
{
    return qstrcmp(m.latin, "Noto Serif") == 0;
}

// Faces tried after the chosen ones, for machines where a Noto face is missing.
QStringList fallbacks(const FaceMap &m)
{
    if (isSerif(m))
        return {QStringLiteral("DejaVu Serif"), QStringLiteral("Noto Sans CJK SC"),
                QStringLiteral("WenQuanYi Zen Hei")};
    return {QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Serif CJK SC"),
            QStringLiteral("WenQuanYi Zen Hei")};
}

QFont makeFont(const QStringList &families, const FaceMap &m, double pointSize, bool bold)
{
    QFont font;
    font.setFamilies(families + fallbacks(m));
    font.setStyleHint(isSerif(m) ? QFont::Serif : QFont::SansSerif);
    if (pointSize > 0)
        font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}
}  // namespace

void InstallFontSubstitutions()
{
    for (const FaceMap &m : kFaces)
        QFont::insertSubstitutions(QString::fromUtf8(m.face),
                                   QStringList{QString::fromUtf8(m.latin), QString::fromUtf8(m.cjk)}
                                       + fallbacks(m));
}

QFont ResolveFont(const QString &face, double pointSize, bool bold)
{
    const FaceMap &m = findFace(face);
    QStringList families{QString::fromUtf8(m.latin), QString::fromUtf8(m.cjk)};
    // A face of no mapping is used when installed, before the defaults.
    if (&m == &kDefault && !face.isEmpty())
        families.prepend(face);
    return makeFont(families, m, pointSize, bold);
}

QFont ResolveCjkFont(const QString &face, double pointSize, bool bold)
{
    const FaceMap &m = findFace(face);
    return makeFont({QString::fromUtf8(m.cjk), QString::fromUtf8(m.latin)}, m, pointSize, bold);
}

bool IsFullWidthPunctuation(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x2014 && u <= 0x2016)  // dashes
           || (u >= 0x2018 && u <= 0x201F)  // quotes
           || u == 0x2026 || u == 0x2025  // ellipses
           || u == 0x00B7 || u == 0x2027  // middle dots
           || u == 0x203B;  // reference mark
}
