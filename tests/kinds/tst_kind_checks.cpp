// The machine checks every kind passes, one row per kind of the catalogue:
// - its definition file against its window: the four sections, the kind's config-type, one data
//   entry per input control, entries that name existing controls, field entries for every Field,
//   and relation names spelled as the controls' own names;
// - its template against its window: one data object per input control, no other data objects
//   than those and the fixed objects of print preparation, A4 portrait pages, nothing off the
//   paper;
// - its printout: a data file with every field filled with a distinct marker, exported with
//   shenbao-pdf, shows each marker inside its object's box on the right page, and the data check
//   code on every page.
// A kind whose definition file or template is not written yet is skipped.

#include "Components.h"
#include "ConfigedBase.h"
#include "DateTimePicker.h"
#include "Kinds.h"
#include "ShortDate.h"
#include "XmlDocument.h"
#include "frReport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <functional>
#include <memory>

namespace {

struct XmlDocFree {
    void operator()(xmlDoc *doc) const { xmlFreeDoc(doc); }
};
using XmlDocPtr = std::unique_ptr<xmlDoc, XmlDocFree>;

QString Utf8(const xmlChar *text)
{
    return text ? QString::fromUtf8(reinterpret_cast<const char *>(text)) : QString();
}

bool HasAttr(xmlNode *node, const char *name)
{
    return xmlHasProp(node, reinterpret_cast<const xmlChar *>(name)) != nullptr;
}

QString Attr(xmlNode *node, const char *name)
{
    xmlChar *value = xmlGetProp(node, reinterpret_cast<const xmlChar *>(name));
    const QString text = Utf8(value);
    xmlFree(value);
    return text;
}

QList<xmlNode *> ChildElements(xmlNode *node)
{
    QList<xmlNode *> children;
    for (xmlNode *child = node ? node->children : nullptr; child; child = child->next)
        if (child->type == XML_ELEMENT_NODE)
            children.append(child);
    return children;
}

// The first child element of the root with exactly that name, as the engine picks its sections.
xmlNode *Section(xmlNode *root, const char *name)
{
    for (xmlNode *child : ChildElements(root))
        if (Utf8(child->name) == QLatin1String(name))
            return child;
    return nullptr;
}

bool IsInputControl(const QWidget *w)
{
    return qobject_cast<const QLineEdit *>(w) || qobject_cast<const QPlainTextEdit *>(w)
        || qobject_cast<const QCheckBox *>(w) || qobject_cast<const QRadioButton *>(w)
        || qobject_cast<const QComboBox *>(w) || qobject_cast<const TDateTimePicker *>(w);
}

// Inner parts of composite controls (a picker's date edit, an editable combo box's line edit)
// are not controls of the form.
bool IsInnerPart(const QWidget *w, const QWidget *form)
{
    if (w->objectName().startsWith(QLatin1String("qt_")))
        return true;
    for (const QWidget *p = w->parentWidget(); p && p != form; p = p->parentWidget())
        if (qobject_cast<const QComboBox *>(p) || qobject_cast<const TDateTimePicker *>(p)
            || qobject_cast<const QAbstractSpinBox *>(p))
            return true;
    return false;
}

QString FileNameOf(const QString &configFile)
{
    QString name = configFile;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QFileInfo(name).fileName();
}

// The input controls of a window: the controls that carry data, without the inner parts of
// composite controls.
QList<QWidget *> InputControls(QWidget *form)
{
    QList<QWidget *> inputs;
    for (QWidget *w : form->findChildren<QWidget *>())
        if (IsInputControl(w) && !IsInnerPart(w, form))
            inputs.append(w);
    return inputs;
}

QString DefinitionPath(const TKindInfo &kind)
{
    return QStringLiteral(SHENBAO_BIN_DIR "/sys/") + FileNameOf(kind.configFile);
}

// Objects that print preparation fills, beside the data objects named after controls.
const QStringList kFixedObjects = {
    QStringLiteral("verifycode1"), QStringLiteral("verifycode2"), QStringLiteral("verifycode3"),
    QStringLiteral("scpmc"),       QStringLiteral("ssqdw"),       QStringLiteral("slcdw"),
};

// Objects that a printout places off its paper on purpose: rules kept above the paper of the
// import herbal-material inspection form, which print nothing.
const QHash<QString, QStringList> kOffPaper = {
    {QStringLiteral("YPZCSQ"),
     {QStringLiteral("Line5"), QStringLiteral("Line6"), QStringLiteral("Line10"), QStringLiteral("Line12"),
      QStringLiteral("Line13"), QStringLiteral("Line7"), QStringLiteral("Line8"), QStringLiteral("Line9"),
      QStringLiteral("Line18"), QStringLiteral("Line19")}},
};

bool IsDataObject(const TfrView *object)
{
    return object->Type() == gtMemo && !object->Name.startsWith(QLatin1String("Memo"), Qt::CaseInsensitive);
}

// The data objects of a template by lower-case name, each with its page index.
QHash<QString, int> DataObjects(const TfrReport &report)
{
    QHash<QString, int> objects;
    for (int p = 0; p < report.Pages().Count(); ++p) {
        const TfrPage *page = report.Pages()[p];
        for (int i = 0; i < page->Count(); ++i)
            if (IsDataObject(page->Object(i)))
                objects.insert(page->Object(i)->Name.toLower(), p);
    }
    return objects;
}

// One word of pdftotext -bbox output, its box in report units.
struct PdfWord {
    int page = 0;
    QRectF box;
    QString text;
};

QList<PdfWord> ReadWords(const QString &bboxHtml)
{
    QFile file(bboxHtml);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<PdfWord> words;
    QXmlStreamReader xml(&file);
    int page = -1;
    const double toUnits = frUnitsPerInch / 72.0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("page")) {
            ++page;
        } else if (xml.name() == QLatin1String("word")) {
            const auto a = xml.attributes();
            const double x0 = a.value(QLatin1String("xMin")).toDouble() * toUnits;
            const double y0 = a.value(QLatin1String("yMin")).toDouble() * toUnits;
            const double x1 = a.value(QLatin1String("xMax")).toDouble() * toUnits;
            const double y1 = a.value(QLatin1String("yMax")).toDouble() * toUnits;
            words.append(PdfWord{page, QRectF(QPointF(x0, y0), QPointF(x1, y1)), xml.readElementText()});
        }
    }
    return words;
}

struct Expectation {
    QString object;  // the report object that must show the text
    QString text;
};

}  // namespace

class TestKindChecks : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void definitionMatchesWindow_data() { kindRows(); }
    void definitionMatchesWindow();
    void templateMatchesWindow_data() { kindRows(); }
    void templateMatchesWindow();
    void templatePagesAndPaper_data() { kindRows(); }
    void templatePagesAndPaper();
    void markersPrintInTheirBoxes_data() { kindRows(); }
    void markersPrintInTheirBoxes();

private:
    void kindRows();
    // The kind of the row; skips the row when the kind's files are not written yet.
    const TKindInfo *rowKind(bool needTemplate);

    QPointer<TEABaseForm> m_form;
};

void TestKindChecks::initTestCase()
{
    QVERIFY(QFileInfo(QStringLiteral(SHENBAO_BIN_DIR "/sys")).isDir());
    QCOMPARE(int(AllKinds().size()), 6);
}

void TestKindChecks::cleanup()
{
    if (m_form) {
        m_form->SkipCloseQuery = true;
        delete m_form.data();
    }
    for (const TKindInfo &kind : AllKinds())
        QVERIFY2(!kind.current(), qPrintable(kind.className + QStringLiteral(" still open")));
}

void TestKindChecks::kindRows()
{
    QTest::addColumn<int>("kindIndex");
    for (int i = 0; i < int(AllKinds().size()); ++i)
        QTest::newRow(qPrintable(AllKinds()[size_t(i)].className)) << i;
}

void TestKindChecks::definitionMatchesWindow()
{
    const TKindInfo *kind = rowKind(false);
    if (!kind)
        return;
    m_form = kind->create(nullptr);
    QVERIFY(m_form);
    QCOMPARE(m_form->ConfigFile, kind->configFile);
    QCOMPARE(m_form->ConfigType, kind->configType);
    const QString path = DefinitionPath(*kind);

    // Requirement 1: well-formed, with the four sections. No network, no entity expansion.
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    XmlDocPtr doc(xmlReadMemory(bytes.constData(), int(bytes.size()), nullptr, nullptr,
                                XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING));
    QVERIFY2(doc, "the definition file is not well-formed XML");
    xmlNode *root = xmlDocGetRootElement(doc.get());
    QVERIFY(root);
    xmlNode *configType = Section(root, "config-type");
    xmlNode *relations = Section(root, "ui-relation");
    xmlNode *data = Section(root, "ui-data");
    xmlNode *fields = Section(root, "data-fields");
    QVERIFY2(configType, "no config-type section");
    QVERIFY2(relations, "no ui-relation section");
    QVERIFY2(data, "no ui-data section");
    QVERIFY2(fields, "no data-fields section");

    // Requirement 2.
    QVERIFY(HasAttr(configType, "value"));
    QCOMPARE(Attr(configType, "value"), m_form->ConfigType);

    // The window's input controls.
    const QList<QWidget *> inputs = InputControls(m_form);
    static const QRegularExpression dataName(
        QStringLiteral("^(?:[Ee]dit\\d+|E_1|VerifyCode|VerifyCryptCode)$"));
    for (QWidget *w : inputs)
        QVERIFY2(dataName.match(w->objectName()).hasMatch(),
                 qPrintable(QStringLiteral("input control \"%1\" (%2) has no data name")
                                .arg(w->objectName(), QString::fromLatin1(w->metaObject()->className()))));
    QVERIFY(!inputs.isEmpty());

    // Field entries directly under data-fields (requirement 4).
    QSet<QString> fieldNames;
    for (xmlNode *field : ChildElements(fields))
        if (HasAttr(field, "name"))
            fieldNames.insert(Attr(field, "name"));

    // Data entries (requirements 3, 4, 5, 6).
    QHash<QWidget *, QStringList> bindings;  // control -> where it is bound
    QHash<QString, int> fieldUse;
    QHash<QString, xmlNode *> radioItems;  // exact item name -> its group
    const QList<xmlNode *> entries = ChildElements(data);
    for (int i = 0; i < entries.size(); ++i) {
        xmlNode *entry = entries[i];
        const QString where = QStringLiteral("data entry %1").arg(i + 1);
        QVERIFY2(HasAttr(entry, "type"), qPrintable(where + QStringLiteral(" has no type")));
        QVERIFY2(HasAttr(entry, "Field"), qPrintable(where + QStringLiteral(" has no Field")));
        const QString type = Attr(entry, "type");
        const QString field = Attr(entry, "Field");
        QVERIFY2(!field.isEmpty(), qPrintable(where + QStringLiteral(" has an empty Field")));
        QVERIFY2(fieldNames.contains(field),
                 qPrintable(QStringLiteral("%1: no field entry \"%2\" directly under data-fields")
                                .arg(where, field)));
        ++fieldUse[field];

        auto bind = [&](const QString &name, const QString &role) -> QWidget * {
            QWidget *control = FindComponent(m_form, name);
            if (!control)
                return nullptr;
            bindings[control].append(role);
            return control;
        };

        if (type == QLatin1String("RadioGroup") || type == QLatin1String("CheckGroup")) {
            const QList<xmlNode *> items = ChildElements(entry);
            QVERIFY2(!items.isEmpty(), qPrintable(where + QStringLiteral(" has no items")));
            for (xmlNode *item : items) {
                QVERIFY2(HasAttr(item, "name") && HasAttr(item, "key"),
                         qPrintable(where + QStringLiteral(": an item lacks name or key")));
                const QString name = Attr(item, "name");
                QWidget *control = bind(name, where);
                QVERIFY2(control, qPrintable(QStringLiteral("%1 names \"%2\", which the window lacks")
                                                 .arg(where, name)));
                if (type == QLatin1String("RadioGroup")) {
                    QVERIFY2(qobject_cast<QRadioButton *>(control),
                             qPrintable(name + QStringLiteral(" is no radio button")));
                    radioItems.insert(name, entry);
                    if (HasAttr(entry, "name"))
                        QVERIFY2(Attr(entry, "name") != name,
                                 qPrintable(where + QStringLiteral(": group name equals an item's")));
                } else {
                    QVERIFY2(qobject_cast<QCheckBox *>(control),
                             qPrintable(name + QStringLiteral(" is no check box")));
                }
            }
        } else {
            QVERIFY2(HasAttr(entry, "name"), qPrintable(where + QStringLiteral(" has no name")));
            const QString name = Attr(entry, "name");
            QWidget *control = bind(name, where);
            QVERIFY2(control, qPrintable(QStringLiteral("%1 names \"%2\", which the window lacks")
                                             .arg(where, name)));
            const bool isCombo = qobject_cast<QComboBox *>(control) != nullptr;
            if (type == QLatin1String("ComboBox")) {
                QVERIFY2(isCombo, qPrintable(name + QStringLiteral(" is no combo box")));
                for (xmlNode *item : ChildElements(entry))
                    QVERIFY2(HasAttr(item, "key"),
                             qPrintable(where + QStringLiteral(": a list item has no key")));
            } else {
                QVERIFY2(!isCombo, qPrintable(QStringLiteral("combo box %1 needs a ComboBox entry").arg(name)));
                QVERIFY2(ChildElements(entry).isEmpty(),
                         qPrintable(where + QStringLiteral(": a plain entry has items")));
            }
        }
    }

    // Every input control bound exactly once, and only input controls bound.
    for (QWidget *control : inputs) {
        const QStringList where = bindings.value(control);
        QVERIFY2(where.size() == 1,
                 qPrintable(QStringLiteral("control \"%1\" is bound %2 times (%3)")
                                .arg(control->objectName()).arg(where.size()).arg(where.join(QStringLiteral(", ")))));
    }
    for (auto it = bindings.cbegin(); it != bindings.cend(); ++it)
        QVERIFY2(inputs.contains(it.key()),
                 qPrintable(QStringLiteral("\"%1\" is bound but is no input control of the window")
                                .arg(it.key()->objectName())));

    // Two entries writing one field would overwrite each other's value.
    for (auto it = fieldUse.cbegin(); it != fieldUse.cend(); ++it)
        QVERIFY2(it.value() == 1,
                 qPrintable(QStringLiteral("field \"%1\" is named by %2 data entries").arg(it.key()).arg(it.value())));

    // Relations (requirements 7 and 8), at any depth.
    std::function<void(xmlNode *)> checkRelation;
    bool relationOk = true;
    QString relationError;
    checkRelation = [&](xmlNode *node) {
        for (xmlNode *child : ChildElements(node)) {
            if (!relationOk)
                return;
            if (!HasAttr(child, "name")) {
                relationOk = false;
                relationError = QStringLiteral("a relation element has no name");
                return;
            }
            const QString name = Attr(child, "name");
            QWidget *control = FindComponent(m_form, name);
            if (!control) {
                relationOk = false;
                relationError = QStringLiteral("relation names \"%1\", which the window lacks").arg(name);
                return;
            }
            const bool controlling = !ChildElements(child).isEmpty();
            if (controlling) {
                if (!HasAttr(child, "type") || control->objectName() != name
                    || !(qobject_cast<QCheckBox *>(control) || qobject_cast<QRadioButton *>(control))) {
                    relationOk = false;
                    relationError = QStringLiteral("controlling relation \"%1\" needs a type, the exact "
                                                   "name of a check box or radio button").arg(name);
                    return;
                }
                if (qobject_cast<QRadioButton *>(control) && !radioItems.contains(name)) {
                    relationOk = false;
                    relationError = QStringLiteral("radio button \"%1\" controls others but is no item "
                                                   "of a RadioGroup entry spelled exactly").arg(name);
                    return;
                }
                checkRelation(child);
            }
        }
    };
    checkRelation(relations);
    QVERIFY2(relationOk, qPrintable(relationError));
}

const TKindInfo *TestKindChecks::rowKind(bool needTemplate)
{
    QFETCH(int, kindIndex);
    const TKindInfo &kind = AllKinds()[size_t(kindIndex)];
    if (!QFileInfo::exists(DefinitionPath(kind))) {
        QTest::qSkip(qPrintable(QStringLiteral("no definition file %1 yet").arg(FileNameOf(kind.configFile))),
                     __FILE__, __LINE__);
        return nullptr;
    }
    if (needTemplate) {
        TfrReport report;
        report.LoadFromFile(kind.templateResource);
        if (DataObjects(report).isEmpty()) {
            QTest::qSkip(qPrintable(QStringLiteral("no template of %1 yet").arg(kind.unit)), __FILE__, __LINE__);
            return nullptr;
        }
    }
    return &kind;
}

void TestKindChecks::templateMatchesWindow()
{
    const TKindInfo *kind = rowKind(true);
    if (!kind)
        return;
    m_form = kind->create(nullptr);
    QVERIFY(m_form);
    QVERIFY(m_form->Report);
    const QHash<QString, int> objects = DataObjects(*m_form->Report);

    QSet<QString> controls;
    for (QWidget *control : InputControls(m_form)) {
        const QString name = control->objectName().toLower();
        QVERIFY2(!controls.contains(name), qPrintable(QStringLiteral("two controls named %1").arg(name)));
        controls.insert(name);
        QVERIFY2(objects.contains(name),
                 qPrintable(QStringLiteral("input control %1 has no data object in the template")
                                .arg(control->objectName())));
    }
    for (auto it = objects.cbegin(); it != objects.cend(); ++it)
        QVERIFY2(controls.contains(it.key()) || kFixedObjects.contains(it.key()),
                 qPrintable(QStringLiteral("data object %1 is neither an input control of the window nor "
                                           "a fixed object").arg(it.key())));
}

void TestKindChecks::templatePagesAndPaper()
{
    const TKindInfo *kind = rowKind(true);
    if (!kind)
        return;
    TfrReport report;
    report.LoadFromFile(kind->templateResource);
    const QStringList offPaper = kOffPaper.value(kind->unit);
    constexpr double tolerance = 0.5;
    for (int p = 0; p < report.Pages().Count(); ++p) {
        const TfrPage *page = report.Pages()[p];
        const QString where = QStringLiteral("page %1").arg(p + 1);
        QVERIFY2(page->PaperSize == 9, qPrintable(where + QStringLiteral(" is not A4")));
        const bool a4 = (page->PaperWidth == 2100 && page->PaperHeight == 2970)
            || (page->PaperWidth == 2101 && page->PaperHeight == 2969);
        QVERIFY2(a4, qPrintable(where + QStringLiteral(" has no A4 size")));
        QVERIFY2(page->Portrait, qPrintable(where + QStringLiteral(" is not portrait")));
        const double width = page->PaperWidth / 254.0 * frUnitsPerInch;
        const double height = page->PaperHeight / 254.0 * frUnitsPerInch;
        for (int i = 0; i < page->Count(); ++i) {
            const TfrView *o = page->Object(i);
            const bool inside = o->x >= -tolerance && o->y >= -tolerance && o->x + o->dx <= width + tolerance
                && o->y + o->dy <= height + tolerance;
            if (inside)
                continue;
            QVERIFY2(offPaper.contains(o->Name) && o->y + o->dy <= 0,
                     qPrintable(QStringLiteral("%1 on %2 lies outside the paper").arg(o->Name, where)));
        }
    }
}

void TestKindChecks::markersPrintInTheirBoxes()
{
    const TKindInfo *kind = rowKind(true);
    if (!kind)
        return;
    m_form = kind->create(nullptr);
    QVERIFY(m_form);
    QFile definition(DefinitionPath(*kind));
    QVERIFY(definition.open(QIODevice::ReadOnly));
    const auto doc = TXmlDocument::Parse(definition.readAll());
    const TXmlElement root = doc->Root();

    // Field values by field name, and what each report object must then show.
    const QString code = QStringLiteral("5A7C90E1");
    QHash<QString, QString> values;
    QList<Expectation> expected;
    int next = 0;
    for (TXmlElement entry : root.FirstChildElement("ui-data").ChildElements()) {
        const QString type = entry.Attribute("type");
        const QString field = entry.Attribute("Field");
        const QList<TXmlElement> items = entry.ChildElements();
        if (type == QLatin1String("RadioGroup")) {
            if (items.isEmpty())
                continue;
            values.insert(field, items.first().Attribute("key"));
            for (int i = 0; i < items.size(); ++i)
                expected.append({items[i].Attribute("name"), i == 0 ? QStringLiteral("●") : QStringLiteral("○")});
            continue;
        }
        if (type == QLatin1String("CheckGroup")) {
            QStringList keys;
            for (const TXmlElement &item : items) {
                keys << item.Attribute("key");
                expected.append({item.Attribute("name"), QStringLiteral("■")});
            }
            values.insert(field, keys.join(QStringLiteral("|$$|")));
            continue;
        }
        const QString name = entry.Attribute("name");
        QWidget *control = FindComponent(m_form, name);
        QVERIFY2(control, qPrintable(name));
        QString marker = QStringLiteral("Q%1").arg(++next);
        if (name.compare(QLatin1String("VerifyCode"), Qt::CaseInsensitive) == 0) {
            values.insert(field, code);
            continue;  // checked with the code of every page below
        }
        if (qobject_cast<QCheckBox *>(control)) {
            values.insert(field, QStringLiteral("-1"));
            marker = QStringLiteral("■");
        } else if (qobject_cast<QPlainTextEdit *>(control)) {
            values.insert(field, QString::fromLatin1(marker.toLatin1().toBase64()));
        } else if (qobject_cast<TDateTimePicker *>(control)) {
            marker = FormatShortDate(QDate(2001, 1, 1).addDays(next));
            values.insert(field, marker);
        } else {
            values.insert(field, marker);
        }
        expected.append({name, marker});
    }
    for (TXmlElement f : root.FirstChildElement("data-fields").ChildElements())
        if (values.contains(f.Attribute("name")))
            f.SetAttribute("value", values.value(f.Attribute("name")));

    QTemporaryDir dir;
    const QString input = dir.filePath(kind->kindTag + QStringLiteral("_") + code + QStringLiteral(".qx"));
    {
        QFile out(input);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(doc->Serialize());
    }
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    QProcess export_;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.path());  // so Qt has nothing to say about it
    export_.setProcessEnvironment(env);
    export_.start(QStringLiteral(SHENBAO_BIN_DIR "/shenbao-pdf"), {input, pdf});
    QVERIFY(export_.waitForFinished(60000));
    const QString messages = QString::fromUtf8(export_.readAllStandardError()).trimmed();
    QVERIFY2(export_.exitCode() == 0, qPrintable(messages));
    QVERIFY2(messages.isEmpty(), qPrintable(QStringLiteral("shenbao-pdf said: ") + messages));

    const QString bbox = dir.filePath(QStringLiteral("out.html"));
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, bbox});
    QVERIFY(pdftotext.waitForFinished(60000));
    QCOMPARE(pdftotext.exitCode(), 0);
    const QList<PdfWord> words = ReadWords(bbox);
    QVERIFY(!words.isEmpty());

    const TfrReport &report = *m_form->Report;
    const QHash<QString, int> objects = DataObjects(report);
    auto shown = [&](const QString &objectName, const QString &text) {
        const TfrView *object = report.FindObject(objectName);
        if (!object)
            return false;
        const int page = objects.value(object->Name.toLower(), -1);
        const QRectF box = QRectF(object->x, object->y, object->dx, object->dy).adjusted(-1, -1, 1, 1);
        for (const PdfWord &w : words)
            if (w.page == page && w.text == text && box.contains(w.box.center()))
                return true;
        return false;
    };
    for (const Expectation &e : std::as_const(expected))
        QVERIFY2(shown(e.object, e.text),
                 qPrintable(QStringLiteral("\"%1\" is not printed inside the box of %2").arg(e.text, e.object)));

    // The data check code on every page, in the page's code object.
    for (int p = 0; p < report.Pages().Count(); ++p) {
        const QString codeObject = p == 0 ? QStringLiteral("VerifyCode") : QStringLiteral("VerifyCode%1").arg(p);
        QVERIFY2(shown(codeObject, code),
                 qPrintable(QStringLiteral("page %1 does not print the code in %2").arg(p + 1).arg(codeObject)));
    }
}

QTEST_MAIN(TestKindChecks)
#include "tst_kind_checks.moc"
