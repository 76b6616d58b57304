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

const FaceMap *findFace(const QString &face)
{
    for (const FaceMap &m : kFaces)
        if (face.compare(QString::fromUtf8(m.face), Qt::CaseInsensitive) == 0)
            return &m;
    return nullptr;
}
}  // namespace

void InstallFontSubstitutions()
{
    for (const FaceMap &m : kFaces)
        QFont::insertSubstitutions(QString::fromUtf8(m.face),
                                   {QString::fromUtf8(m.latin), QString::fromUtf8(m.cjk)});
}

QFont ResolveFont(const QString &face, double pointSize, bool bold)
{
    QFont font;
    const FaceMap *m = findFace(face);
    if (m)
        font.setFamilies({QString::fromUtf8(m->latin), QString::fromUtf8(m->cjk)});
    else
        font.setFamilies({face, QStringLiteral("Noto Sans CJK SC")});
    if (pointSize > 0)
        font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}
