// Every definition file in sys/ checked against the window of its kind: the four sections, the
// kind's config-type, one data entry per input control, entries that name existing controls,
// field entries for every Field, and relation names spelled as the controls' own names.

#include "Components.h"
#include "ConfigedBase.h"
#include "DateTimePicker.h"
#include "Kinds.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
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

struct Binding {
    QString name;
    QString where;  // for messages: "entry 3" or "item of entry 5"
};

}  // namespace

class TestKindDefinitions : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void definitionMatchesWindow_data();
    void definitionMatchesWindow();

private:
    QPointer<TEABaseForm> m_form;
};

void TestKindDefinitions::initTestCase()
{
    QVERIFY(QFileInfo(QStringLiteral(SHENBAO_BIN_DIR "/sys")).isDir());
    QCOMPARE(int(AllKinds().size()), 6);
}

void TestKindDefinitions::cleanup()
{
    if (m_form) {
        m_form->SkipCloseQuery = true;
        delete m_form.data();
    }
    for (const TKindInfo &kind : AllKinds())
        QVERIFY2(!kind.current(), qPrintable(kind.className + QStringLiteral(" still open")));
}

void TestKindDefinitions::definitionMatchesWindow_data()
{
    QTest::addColumn<int>("kindIndex");
    for (int i = 0; i < int(AllKinds().size()); ++i)
        QTest::newRow(qPrintable(AllKinds()[size_t(i)].className)) << i;
}

void TestKindDefinitions::definitionMatchesWindow()
{
    QFETCH(int, kindIndex);
    const TKindInfo &kind = AllKinds()[size_t(kindIndex)];
    m_form = kind.create(nullptr);
    QVERIFY(m_form);
    QVERIFY(!m_form->ConfigFile.isEmpty());
    QVERIFY(!m_form->ConfigType.isEmpty());

    const QString path = QStringLiteral(SHENBAO_BIN_DIR "/sys/") + FileNameOf(m_form->ConfigFile);
    if (!QFileInfo::exists(path))
        QSKIP(qPrintable(QStringLiteral("no definition file %1 yet").arg(FileNameOf(m_form->ConfigFile))));

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
    QList<QWidget *> inputs;
    static const QRegularExpression dataName(
        QStringLiteral("^(?:[Ee]dit\\d+|E_1|VerifyCode|VerifyCryptCode)$"));
    for (QWidget *w : m_form->findChildren<QWidget *>()) {
        if (!IsInputControl(w) || IsInnerPart(w, m_form))
            continue;
        QVERIFY2(dataName.match(w->objectName()).hasMatch(),
                 qPrintable(QStringLiteral("input control \"%1\" (%2) has no data name")
                                .arg(w->objectName(), QString::fromLatin1(w->metaObject()->className()))));
        inputs.append(w);
    }
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

QTEST_MAIN(TestKindDefinitions)
#include "tst_kind_definitions.moc"
