// Template files: UTF-8 text, one record per line, so that a change to the printed form is a
// change to one line in a diff.
//
//   # a comment; blank lines are ignored
//   report printer="name of the printer the form was designed for"
//   page name="Page1" paper=9 size=2100,2970 orientation=portrait margins=90,79,54,54
//   memo name=Memo1 rect=233,22,305,33 font="宋体" size=20 bold=1 align=0 wrap=1 text="进 口"
//   line name=Line1 rect=45,90,682,0 width=2
//   band name=Band1 rect=90,79,0,100 type=5 dataset=1 breaked=1 stretched=1
//
// A record is a kind word followed by key=value attributes. A value is either bare (no spaces,
// no quotes) or in double quotes with the escapes \" \\ \n (line break) and \t. Objects belong
// to the page record above them. rect is left,top,width,height in report units (91.6256157635468
// to the inch, from the paper's top-left corner); a line has a width or a height of 0. size on a
// page is the paper in tenths of a millimetre, on a memo the font size in points. align is the
// alignment code (0 left, 1 right, 2 centre, + 8 vertical middle, + 16 vertical bottom).
// Switches (bold, wrap, textonly, stretched, breaked) are 0 or 1. Attributes left out keep the
// defaults of a new object. Unknown records or keys, malformed values and object names used
// twice (letter case ignored) are faults.
#include "frTemplateReader.h"

#include "Errors.h"

#include <QHash>
#include <QStringList>

namespace {
struct Attr {
    QString key;
    QString value;
};

[[noreturn]] void fail(int line, const QString &what)
{
    throw EError(QStringLiteral("报表模板第 %1 行有误：%2").arg(line).arg(what));
}

QList<Attr> splitRecord(const QString &text, int lineNo, QString &kind)
{
    QList<Attr> attrs;
    int i = 0;
    const int n = int(text.size());
    auto skipSpace = [&] {
        while (i < n && text.at(i).isSpace())
            ++i;
    };
    skipSpace();
    const int kindStart = i;
    while (i < n && !text.at(i).isSpace())
        ++i;
    kind = text.mid(kindStart, i - kindStart);
    for (;;) {
        skipSpace();
        if (i >= n)
            break;
        const int keyStart = i;
        while (i < n && text.at(i) != QLatin1Char('=') && !text.at(i).isSpace())
            ++i;
        if (i >= n || text.at(i) != QLatin1Char('='))
            fail(lineNo, QStringLiteral("缺少“=”"));
        Attr attr;
        attr.key = text.mid(keyStart, i - keyStart);
        ++i;
        if (i < n && text.at(i) == QLatin1Char('"')) {
            ++i;
            bool closed = false;
            while (i < n) {
                const QChar c = text.at(i++);
                if (c == QLatin1Char('"')) {
                    closed = true;
                    break;
                }
                if (c != QLatin1Char('\\')) {
                    attr.value += c;
                    continue;
                }
                if (i >= n)
                    break;
                const QChar e = text.at(i++);
                if (e == QLatin1Char('n'))
                    attr.value += QStringLiteral("\r\n");
                else if (e == QLatin1Char('t'))
                    attr.value += QLatin1Char('\t');
                else if (e == QLatin1Char('"') || e == QLatin1Char('\\'))
                    attr.value += e;
                else
                    fail(lineNo, QStringLiteral("未知的转义“\\%1”").arg(e));
            }
            if (!closed)
                fail(lineNo, QStringLiteral("引号未闭合"));
            if (i < n && !text.at(i).isSpace())
                fail(lineNo, QStringLiteral("引号后缺少空格"));
        } else {
            const int valueStart = i;
            while (i < n && !text.at(i).isSpace()) {
                if (text.at(i) == QLatin1Char('"'))
                    fail(lineNo, QStringLiteral("值中有引号"));
                ++i;
            }
            attr.value = text.mid(valueStart, i - valueStart);
        }
        attrs.append(attr);
    }
    return attrs;
}

double toNumber(const Attr &a, int lineNo)
{
    bool ok = false;
    const double d = a.value.toDouble(&ok);
    if (!ok)
        fail(lineNo, QStringLiteral("%1 不是数值").arg(a.key));
    return d;
}

int toInt(const Attr &a, int lineNo)
{
    bool ok = false;
    const int v = a.value.toInt(&ok);
    if (!ok)
        fail(lineNo, QStringLiteral("%1 不是整数").arg(a.key));
    return v;
}

bool toSwitch(const Attr &a, int lineNo)
{
    if (a.value == QLatin1String("0"))
        return false;
    if (a.value == QLatin1String("1"))
        return true;
    fail(lineNo, QStringLiteral("%1 应为 0 或 1").arg(a.key));
}

QList<double> toNumbers(const Attr &a, int count, int lineNo)
{
    const QStringList parts = a.value.split(QLatin1Char(','));
    if (parts.size() != count)
        fail(lineNo, QStringLiteral("%1 应有 %2 个数值").arg(a.key).arg(count));
    QList<double> values;
    for (const QString &p : parts) {
        bool ok = false;
        values.append(p.toDouble(&ok));
        if (!ok)
            fail(lineNo, QStringLiteral("%1 不是数值").arg(a.key));
    }
    return values;
}

// Attributes shared by every object; true when the key was one of them.
bool objectAttr(TfrView &view, const Attr &a, int lineNo)
{
    if (a.key == QLatin1String("name")) {
        view.Name = a.value;
    } else if (a.key == QLatin1String("rect")) {
        const QList<double> r = toNumbers(a, 4, lineNo);
        view.SetBounds(r[0], r[1], r[2], r[3]);
    } else if (a.key == QLatin1String("stretched")) {
        view.Stretched = toSwitch(a, lineNo);
    } else if (a.key == QLatin1String("bandalign")) {
        const int v = toInt(a, lineNo);
        if (v < baNone || v > baTop)
            fail(lineNo, QStringLiteral("bandalign 超出范围"));
        view.BandAlign = TfrBandAlign(v);
    } else {
        return false;
    }
    return true;
}
}  // namespace

TfrTemplate frReadTemplate(const QString &text)
{
    TfrTemplate result;
    QHash<QString, int> names;  // lower-case name -> line where it was first used
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int index = 0; index < lines.size(); ++index) {
        const int lineNo = index + 1;
        QString line = lines.at(index);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
            continue;
        QString kind;
        const QList<Attr> attrs = splitRecord(line, lineNo, kind);
        auto unknown = [&](const Attr &a) {
            fail(lineNo, QStringLiteral("未知的属性“%1”").arg(a.key));
        };

        if (kind == QLatin1String("report")) {
            for (const Attr &a : attrs) {
                if (a.key == QLatin1String("printer"))
                    result.printerName = a.value;
                else
                    unknown(a);
            }
            continue;
        }
        if (kind == QLatin1String("page")) {
            auto page = std::make_unique<TfrPage>();
            for (const Attr &a : attrs) {
                if (a.key == QLatin1String("name")) {
                    page->Name = a.value;
                } else if (a.key == QLatin1String("paper")) {
                    page->PaperSize = toInt(a, lineNo);
                } else if (a.key == QLatin1String("size")) {
                    const QList<double> s = toNumbers(a, 2, lineNo);
                    if (s[0] <= 0 || s[1] <= 0)
                        fail(lineNo, QStringLiteral("纸张尺寸无效"));
                    page->PaperWidth = qRound(s[0]);
                    page->PaperHeight = qRound(s[1]);
                } else if (a.key == QLatin1String("orientation")) {
                    if (a.value == QLatin1String("portrait"))
                        page->Portrait = true;
                    else if (a.value == QLatin1String("landscape"))
                        page->Portrait = false;
                    else
                        fail(lineNo, QStringLiteral("orientation 应为 portrait 或 landscape"));
                } else if (a.key == QLatin1String("margins")) {
                    const QList<double> m = toNumbers(a, 4, lineNo);
                    page->SetMargins(qRound(m[0]), qRound(m[1]), qRound(m[2]), qRound(m[3]));
                } else {
                    unknown(a);
                }
            }
            result.pages.push_back(std::move(page));
            continue;
        }

        std::unique_ptr<TfrView> object;
        if (kind == QLatin1String("memo")) {
            auto memo = std::make_unique<TfrMemoView>();
            for (const Attr &a : attrs) {
                if (objectAttr(*memo, a, lineNo))
                    continue;
                if (a.key == QLatin1String("font"))
                    memo->FontName = a.value;
                else if (a.key == QLatin1String("size")) {
                    memo->FontSize = toNumber(a, lineNo);
                    if (memo->FontSize <= 0)
                        fail(lineNo, QStringLiteral("字号无效"));
                } else if (a.key == QLatin1String("bold"))
                    memo->FontBold = toSwitch(a, lineNo);
                else if (a.key == QLatin1String("align"))
                    memo->Alignment = toInt(a, lineNo);
                else if (a.key == QLatin1String("wrap"))
                    memo->WordWrap = toSwitch(a, lineNo);
                else if (a.key == QLatin1String("textonly"))
                    memo->TextOnly = toSwitch(a, lineNo);
                else if (a.key == QLatin1String("text"))
                    memo->SetText(a.value);
                else
                    unknown(a);
            }
            object = std::move(memo);
        } else if (kind == QLatin1String("line")) {
            auto lineView = std::make_unique<TfrLineView>();
            for (const Attr &a : attrs) {
                if (objectAttr(*lineView, a, lineNo))
                    continue;
                if (a.key == QLatin1String("width"))
                    lineView->LineWidth = toNumber(a, lineNo);
                else
                    unknown(a);
            }
            object = std::move(lineView);
        } else if (kind == QLatin1String("band")) {
            auto band = std::make_unique<TfrBandView>();
            for (const Attr &a : attrs) {
                if (objectAttr(*band, a, lineNo))
                    continue;
                if (a.key == QLatin1String("type"))
                    band->BandType = TfrBandType(toInt(a, lineNo));
                else if (a.key == QLatin1String("dataset"))
                    band->DataSet = a.value;
                else if (a.key == QLatin1String("breaked"))
                    band->Breaked = toSwitch(a, lineNo);
                else
                    unknown(a);
            }
            object = std::move(band);
        } else {
            fail(lineNo, QStringLiteral("未知的记录“%1”").arg(kind));
        }

        if (result.pages.empty())
            fail(lineNo, QStringLiteral("对象前没有页"));
        if (!object->Name.isEmpty()) {
            const QString key = object->Name.toLower();
            if (names.contains(key))
                fail(lineNo, QStringLiteral("对象名“%1”与第 %2 行重复").arg(object->Name).arg(names.value(key)));
            names.insert(key, lineNo);
        }
        result.pages.back()->Add(object.release());
    }
    return result;
}
