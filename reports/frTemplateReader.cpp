// Template files: UTF-8 text, one record per line, so that a change to the printed form is a
// change to one line in a diff.
//
//   # a comment; blank lines are ignored
//   report printer="name of the printer the form was designed for"
//   defaults Font.Name="宋体" Font.Size=9 Alignment=left,middle WordWrap=1
//   page name="Page1" paper=9 size=2100,2970 orientation=portrait margins=90,79,54,54
//   defaults Font.Name="仿宋_GB2312"
//   memo name=Memo1 rect=233,22,305,33 Font.Size=20 Font.Bold=1 Alignment=left,top text="进 口"
//   line name=Line1 rect=45,90,682,0 LineWidth=1
//   band name=Band1 rect=90,79,0,100 BandType=5 DataSet=1 Breaked=1 Stretched=1
//
// A record is a kind word followed by key=value attributes. A value is either bare (no spaces,
// no quotes) or in double quotes with the escapes \" \\ \n (line break) and \t. Objects belong
// to the page record above them. rect is left,top,width,height in report units (91.6256157635468
// to the inch, from the paper's top-left corner); a line has a width or a height of 0. size on a
// page is the paper in tenths of a millimetre.
//
// The attributes of objects are the report model's named properties, the same names SetProp
// takes, letter case ignored:
//   text objects  Text, Font.Name, Font.Size (points), Font.Bold, Alignment, WordWrap, TextOnly,
//                 Stretched, BandAlign
//   lines         LineWidth, Stretched
//   bands         BandType, DataSet, Breaked, Stretched
// Switches are 0 or 1. Alignment is written by name, a horizontal word (left, right, centre) and a
// vertical one (top, middle, bottom) joined by a comma, "left,middle"; either may be left out
// (left, top) and the numeric code of the property is accepted too (0 left, 1 right, 2 centre,
// + 8 vertical middle, + 16 vertical bottom).
//
// A defaults record holds object attributes that every following object takes unless its own line
// gives them: before the first page for the whole template, after a page record for that page only
// (on top of the template's). Each object takes the defaults that apply to its kind. What neither
// a defaults record nor the object gives keeps the value of a new object.
//
// Unknown records or keys, malformed values and object names used twice (letter case ignored) are
// faults.
#include "frTemplateReader.h"

#include "Errors.h"

#include <QHash>
#include <QVariant>
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

enum TKinds { kMemo = 1, kLine = 2, kBand = 4 };

// An object attribute: its property name, the kinds of object that have it and how its value is
// read.
struct TPropSpec {
    const char *name;
    int kinds;
    enum { Text, Positive, Switch, Integer, Align } value;
};

const TPropSpec kProps[] = {
    {"Text", kMemo, TPropSpec::Text},
    {"Font.Name", kMemo, TPropSpec::Text},
    {"Font.Size", kMemo, TPropSpec::Positive},
    {"Font.Bold", kMemo, TPropSpec::Switch},
    {"Alignment", kMemo, TPropSpec::Align},
    {"WordWrap", kMemo, TPropSpec::Switch},
    {"TextOnly", kMemo, TPropSpec::Switch},
    {"Stretched", kMemo | kLine | kBand, TPropSpec::Switch},
    {"BandAlign", kMemo | kLine | kBand, TPropSpec::Integer},
    {"LineWidth", kLine, TPropSpec::Positive},
    {"BandType", kBand, TPropSpec::Integer},
    {"DataSet", kBand, TPropSpec::Text},
    {"Breaked", kBand, TPropSpec::Switch},
};

const TPropSpec *findProp(const QString &key)
{
    for (const TPropSpec &spec : kProps)
        if (key.compare(QLatin1String(spec.name), Qt::CaseInsensitive) == 0)
            return &spec;
    return nullptr;
}

// An attribute read and checked, ready to be set on objects of the kinds that have it.
struct TPropValue {
    const TPropSpec *spec;
    QVariant value;
};

TPropValue readProp(const Attr &a, int lineNo)
{
    const TPropSpec *spec = findProp(a.key);
    if (!spec)
        fail(lineNo, QStringLiteral("未知的属性“%1”").arg(a.key));
    QVariant value;
    switch (spec->value) {
    case TPropSpec::Text:
        value = a.value;
        break;
    case TPropSpec::Positive: {
        const double d = toNumber(a, lineNo);
        if (d <= 0)
            fail(lineNo, QStringLiteral("%1 应大于 0").arg(a.key));
        value = d;
        break;
    }
    case TPropSpec::Switch:
        value = int(toSwitch(a, lineNo));
        break;
    case TPropSpec::Integer:
        value = toInt(a, lineNo);
        break;
    case TPropSpec::Align: {
        bool ok = false;
        const int code = frAlignmentFromText(a.value, &ok);
        if (!ok)
            fail(lineNo, QStringLiteral("对齐方式“%1”无效").arg(a.value));
        value = code;
        break;
    }
    }
    if (spec->value == TPropSpec::Integer && QLatin1String(spec->name) == QLatin1String("BandAlign")) {
        const int v = value.toInt();
        if (v < baNone || v > baTop)
            fail(lineNo, QStringLiteral("BandAlign 超出范围"));
    }
    return TPropValue{spec, value};
}

void applyProps(TfrView &view, int kind, const QList<TPropValue> &props)
{
    for (const TPropValue &p : props)
        if (p.spec->kinds & kind)
            view.SetProp(QLatin1String(p.spec->name), p.value);
}
}  // namespace

TfrTemplate frReadTemplate(const QString &text)
{
    TfrTemplate result;
    QHash<QString, int> names;  // lower-case name -> line where it was first used
    QList<TPropValue> templateDefaults;
    QList<TPropValue> pageDefaults;
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
        if (kind == QLatin1String("defaults")) {
            QList<TPropValue> &target = result.pages.empty() ? templateDefaults : pageDefaults;
            for (const Attr &a : attrs) {
                const TPropValue p = readProp(a, lineNo);
                if (QLatin1String(p.spec->name) == QLatin1String("Text"))
                    fail(lineNo, QStringLiteral("默认值中不能有 Text"));
                target.append(p);
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
            pageDefaults.clear();
            continue;
        }

        std::unique_ptr<TfrView> object;
        int objectKind = 0;
        if (kind == QLatin1String("memo")) {
            object = std::make_unique<TfrMemoView>();
            objectKind = kMemo;
        } else if (kind == QLatin1String("line")) {
            object = std::make_unique<TfrLineView>();
            objectKind = kLine;
        } else if (kind == QLatin1String("band")) {
            object = std::make_unique<TfrBandView>();
            objectKind = kBand;
        } else {
            fail(lineNo, QStringLiteral("未知的记录“%1”").arg(kind));
        }
        if (result.pages.empty())
            fail(lineNo, QStringLiteral("对象前没有页"));

        applyProps(*object, objectKind, templateDefaults);
        applyProps(*object, objectKind, pageDefaults);
        for (const Attr &a : attrs) {
            if (a.key == QLatin1String("name")) {
                object->Name = a.value;
            } else if (a.key == QLatin1String("rect")) {
                const QList<double> r = toNumbers(a, 4, lineNo);
                object->SetBounds(r[0], r[1], r[2], r[3]);
            } else {
                const TPropValue p = readProp(a, lineNo);
                if (!(p.spec->kinds & objectKind))
                    fail(lineNo, QStringLiteral("“%1”不是%2的属性").arg(a.key, kind));
                object->SetProp(QLatin1String(p.spec->name), p.value);
            }
        }

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
