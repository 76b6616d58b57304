#include "frPdfText.h"

#include "Fonts.h"

#include <QFile>
#include <QHash>
#include <QRawFont>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace {
struct Face {
    QString name;
    bool bold;
    bool operator==(const Face &o) const { return name == o.name && bold == o.bold; }
};
size_t qHash(const Face &f, size_t seed = 0)
{
    return ::qHash(f.name, seed) ^ size_t(f.bold);
}

// For each glyph of a raw font that a drawn character uses, that character.
void addGlyphs(const QRawFont &raw, const QSet<char16_t> &drawn, QList<QHash<quint32, char16_t>> &maps,
               QList<QRawFont> &fonts)
{
    if (!raw.isValid())
        return;
    QHash<quint32, char16_t> map;
    for (char16_t c : drawn) {
        const QList<quint32> g = raw.glyphIndexesForString(QString(QChar(c)));
        if (g.size() == 1 && g.first() != 0 && !map.contains(g.first()))
            map.insert(g.first(), c);
    }
    maps.append(map);
    fonts.append(raw);
}
}  // namespace

bool frRepairPdfText(QByteArray &pdf, const QList<TfrPreparedPage> &pages)
{
    QSet<char16_t> drawn;
    QSet<Face> faces;
    for (const TfrPreparedPage &page : pages)
        for (const TfrPreparedItem &item : page.items) {
            if (item.kind != TfrPreparedItem::Text || item.text.isEmpty())
                continue;
            faces.insert({item.fontName, item.bold});
            for (const QChar c : item.text)
                if (!c.isSurrogate())
                    drawn.insert(c.unicode());
        }
    if (drawn.isEmpty())
        return false;

    QList<QHash<quint32, char16_t>> maps;
    QList<QRawFont> fonts;
    for (const Face &f : faces) {
        addGlyphs(QRawFont::fromFont(ResolveCjkFont(f.name, 12, f.bold), QFontDatabase::SimplifiedChinese),
                  drawn, maps, fonts);
        addGlyphs(QRawFont::fromFont(ResolveFont(f.name, 12, f.bold), QFontDatabase::Latin), drawn, maps, fonts);
    }

    QHash<char16_t, char16_t> replacement;
    auto replace = [&](char16_t u) -> char16_t {
        if (drawn.contains(u))
            return u;
        if (auto it = replacement.constFind(u); it != replacement.constEnd())
            return *it;
        char16_t result = u;
        for (int i = 0; i < fonts.size() && result == u; ++i) {
            const QList<quint32> g = fonts.at(i).glyphIndexesForString(QString(QChar(u)));
            if (g.size() == 1 && g.first() != 0)
                result = maps.at(i).value(g.first(), u);
        }
        replacement.insert(u, result);
        return result;
    };

    // Latin-1 keeps every byte as one character, so positions in the text are byte offsets.
    QString text = QString::fromLatin1(pdf);
    bool changed = false;
    static const QRegularExpression block(QStringLiteral("begin(bfrange|bfchar)\\n(.*?)\\nend\\1"),
                                          QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression hex(QStringLiteral("<([0-9A-Fa-f]{4})>"));
    auto rewrite = [&](qsizetype pos, const QString &token) {
        const char16_t u = char16_t(token.toUInt(nullptr, 16));
        const char16_t r = replace(u);
        if (r == u)
            return;
        text.replace(pos, 4, QStringLiteral("%1").arg(uint(r), 4, 16, QLatin1Char('0')).toUpper());
        changed = true;
    };
    for (auto blocks = block.globalMatch(text); blocks.hasNext();) {
        const QRegularExpressionMatch b = blocks.next();
        const bool ranges = b.captured(1) == QLatin1String("bfrange");
        qsizetype lineStart = b.capturedStart(2);
        const qsizetype end = b.capturedEnd(2);
        while (lineStart < end) {
            qsizetype lineEnd = text.indexOf(QLatin1Char('\n'), lineStart);
            if (lineEnd < 0 || lineEnd > end)
                lineEnd = end;
            // Destination code points: in a range, the array or the third value; in a single
            // mapping, the second value. Only a range of one code keeps its meaning when the
            // start of a plain destination changes.
            int index = 0;
            const QString line = text.mid(lineStart, lineEnd - lineStart);
            const qsizetype bracket = line.indexOf(QLatin1Char('['));
            for (auto tokens = hex.globalMatch(line); tokens.hasNext(); ++index) {
                const QRegularExpressionMatch t = tokens.next();
                const qsizetype at = lineStart + t.capturedStart(1);
                if (ranges && bracket >= 0) {
                    if (t.capturedStart() > bracket)
                        rewrite(at, t.captured(1));
                } else if (ranges && index == 2) {
                    const QRegularExpressionMatchIterator probe = hex.globalMatch(line);
                    QStringList all;
                    for (auto it = probe; it.hasNext();)
                        all.append(it.next().captured(1));
                    if (all.size() == 3 && all.at(0) == all.at(1))
                        rewrite(at, t.captured(1));
                } else if (!ranges && index == 1) {
                    rewrite(at, t.captured(1));
                }
            }
            lineStart = lineEnd + 1;
        }
    }
    if (changed)
        pdf = text.toLatin1();
    return changed;
}

namespace {
struct Insertion {
    qsizetype at;  // offset in the original file
    QByteArray bytes;
};

// Inserts the bytes and moves every offset of the last cross-reference table, and its
// startxref, by what was inserted before it.
bool insertAndRelocate(QByteArray &pdf, const QList<Insertion> &insertions)
{
    const qsizetype xref = pdf.lastIndexOf("\nxref\n") + 1;
    const qsizetype trailer = pdf.indexOf("trailer", xref);
    const qsizetype startxref = pdf.indexOf("startxref\n", trailer);
    const qsizetype eof = pdf.indexOf("%%EOF", startxref);
    if (xref <= 0 || trailer < 0 || startxref < 0 || eof < 0)
        return false;
    auto moved = [&](qsizetype offset) {
        qsizetype result = offset;
        for (const Insertion &i : insertions)
            if (i.at < offset)
                result += i.bytes.size();
        return result;
    };
    const QList<QByteArray> lines = pdf.mid(xref, trailer - xref).split('\n');
    QByteArray table;
    for (const QByteArray &line : lines) {
        if (line.size() >= 18 && line.at(10) == ' ' && line.at(16) == ' ' && line.at(17) == 'n') {
            bool ok = false;
            const qsizetype offset = line.left(10).toLongLong(&ok);
            if (!ok)
                return false;
            table += QByteArray::number(moved(offset)).rightJustified(10, '0') + line.mid(10) + '\n';
        } else if (!line.isEmpty()) {
            table += line + '\n';
        }
    }
    const qsizetype oldStart = pdf.mid(startxref + 10, eof - startxref - 10).trimmed().toLongLong();
    if (oldStart != xref)
        return false;

    QByteArray result;
    qsizetype from = 0;
    for (const Insertion &i : insertions) {
        if (i.at < from || i.at > xref)
            return false;
        result += pdf.mid(from, i.at - from) + i.bytes;
        from = i.at;
    }
    result += pdf.mid(from, xref - from);
    const qsizetype newXref = result.size();
    result += table + pdf.mid(trailer, startxref - trailer);
    result += "startxref\n" + QByteArray::number(newXref) + "\n" + pdf.mid(eof);
    pdf = result;
    return true;
}
}  // namespace

bool frTagFontSubsets(QByteArray &pdf)
{
    static const QRegularExpression descriptor(QStringLiteral("/FontName /([A-Z]{6}\\+)([^\\s/<>\\[\\]()]+)"));
    const QString text = QString::fromLatin1(pdf);
    QList<Insertion> insertions;
    QSet<QString> done;
    for (auto it = descriptor.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QString name = m.captured(2);
        if (done.contains(name))
            continue;
        done.insert(name);
        const QRegularExpression base(QStringLiteral("/BaseFont /(") + QRegularExpression::escape(name)
                                      + QStringLiteral(")(?=[\\s/<>\\[\\]()])"));
        for (auto b = base.globalMatch(text); b.hasNext();)
            insertions.append({b.next().capturedStart(1), m.captured(1).toLatin1()});
    }
    if (insertions.isEmpty())
        return false;
    std::sort(insertions.begin(), insertions.end(),
              [](const Insertion &a, const Insertion &b) { return a.at < b.at; });
    return insertAndRelocate(pdf, insertions);
}

bool frFinishPdfFile(const QString &path, const QList<TfrPreparedPage> &pages)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    QByteArray pdf = file.readAll();
    const bool mapped = frRepairPdfText(pdf, pages);
    const bool tagged = frTagFontSubsets(pdf);
    if (!mapped && !tagged)
        return true;
    return file.seek(0) && file.write(pdf) == pdf.size() && file.resize(pdf.size());
}
