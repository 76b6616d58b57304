#include "UIHelper.h"

#include "Components.h"
#include "DateTimePicker.h"
#include "Errors.h"
#include "Gbk.h"
#include "Prompts.h"
#include "ShortDate.h"
#include "XmlDocument.h"
#include "frReport.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QSaveFile>
#include <QUuid>
#include <QWidget>

#include <cmath>

namespace {
const char kName[] = "name";
const char kType[] = "type";
const char kField[] = "Field";
const char kKey[] = "key";
const char kValue[] = "value";

const char kConfigType[] = "config-type";
const char kUiRelation[] = "ui-relation";
const char kUiData[] = "ui-data";
const char kDataFields[] = "data-fields";

const QString kGroupSeparator = QStringLiteral("|$$|");
const QString kCrLf = QStringLiteral("\r\n");

// The engine that installed a control's click handler; a later engine replaces it.
const char kHandlerOwner[] = "shenbao_click_handler";

// Data files are small; a file far beyond any form is refused before it is read into memory.
const qint64 kMaxFileSize = qint64(256) * 1024 * 1024;

using TNameIndex = QHash<QString, TXmlElement>;

// Every element reachable by a search by name from the section's direct children, first one in
// document order for each name. A search never descends below an element without a name.
TNameIndex indexSubtrees(const TXmlElement &section)
{
    TNameIndex index;
    QList<TXmlElement> stack;
    const QList<TXmlElement> top = section.ChildElements();
    for (auto it = top.crbegin(); it != top.crend(); ++it)
        stack.append(*it);
    while (!stack.isEmpty()) {
        const TXmlElement e = stack.takeLast();
        if (!e.HasAttribute(kName))
            continue;
        const QString name = e.Attribute(kName);
        if (!index.contains(name))
            index.insert(name, e);
        const QList<TXmlElement> children = e.ChildElements();
        for (auto it = children.crbegin(); it != children.crend(); ++it)
            stack.append(*it);
    }
    return index;
}

// Memo texts travel with CR LF line breaks; the editor keeps LF.
QString memoText(const QPlainTextEdit *memo)
{
    QString text = memo->toPlainText();
    text.replace(QLatin1Char('\n'), kCrLf);
    return text;
}

void setMemoText(QPlainTextEdit *memo, QString text)
{
    text.replace(kCrLf, QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    memo->setPlainText(text);
}

void setBackground(QWidget *w, QPalette::ColorRole from)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Base, QApplication::palette().color(from));
    w->setPalette(pal);
}

// A check box value read as a boolean; false in *ok for a text that is none.
bool readBoolean(const QString &value, bool *ok)
{
    *ok = true;
    if (value.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (value.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    // A decimal number; "nan" and "inf", which the number reader also takes, are none.
    const double number = value.toDouble(ok);
    *ok = *ok && std::isfinite(number);
    return *ok && number != 0;
}

// Radio buttons of one container exclude each other and refuse to be deselected; deselecting
// one on purpose lifts that for the moment.
void deselect(QRadioButton *radio)
{
    if (!radio->isChecked())
        return;
    const bool exclusive = radio->autoExclusive();
    radio->setAutoExclusive(false);
    radio->setChecked(false);
    radio->setAutoExclusive(exclusive);
}

void selectComboEntry(QComboBox *combo, int index)
{
    combo->setCurrentIndex(index);
    if (index < 0 && combo->isEditable())
        combo->clearEditText();
}
}  // namespace

struct TUIHelper::Impl {
    std::unique_ptr<TXmlDocument> doc;
    TXmlElement relations, data, fields;
    // Built at the first search of the bound document; names are never changed by the engine.
    mutable bool indexed = false;
    mutable TNameIndex fieldValues, fieldEntries, relationEntries, dataEntries;

    void bind(std::unique_ptr<TXmlDocument> document)
    {
        doc = std::move(document);
        const TXmlElement root = doc ? doc->Root() : TXmlElement();
        relations = root.FirstChildElement(kUiRelation);
        data = root.FirstChildElement(kUiData);
        fields = root.FirstChildElement(kDataFields);
        indexed = false;
        fieldValues.clear();
        fieldEntries.clear();
        relationEntries.clear();
        dataEntries.clear();
    }

    void ensureIndexed() const
    {
        if (indexed)
            return;
        for (TXmlElement e = fields.FirstChildElement(); e; e = e.NextSiblingElement()) {
            if (!e.HasAttribute(kName))
                continue;
            const QString name = e.Attribute(kName);
            if (!fieldValues.contains(name))
                fieldValues.insert(name, e);
        }
        fieldEntries = indexSubtrees(fields);
        relationEntries = indexSubtrees(relations);
        dataEntries = indexSubtrees(data);
        indexed = true;
    }
};

TUIHelper::TUIHelper(QWidget *form) : QObject(form), Form(form), d(new Impl) {}
TUIHelper::~TUIHelper() = default;

TXmlDocument *TUIHelper::Document() const
{
    return d->doc.get();
}

// ---------------------------------------------------------------------------------------------
// Lookups

bool TUIHelper::IsBlankValue(const QString &text)
{
    return text.isEmpty() || text == QLatin1String(" ") || text.at(0) < QLatin1Char(' ');
}

QString TUIHelper::FindFieldValue(const QString &fieldName) const
{
    d->ensureIndexed();
    const TXmlElement e = d->fieldValues.value(fieldName);
    return e.Attribute(kValue);
}

TXmlElement TUIHelper::FindEntryByName(const TXmlElement &element, const QString &name)
{
    if (element.IsNull() || !element.HasAttribute(kName))
        return TXmlElement();
    if (element.Attribute(kName) == name)
        return element;
    for (TXmlElement c = element.FirstChildElement(); c; c = c.NextSiblingElement())
        if (TXmlElement hit = FindEntryByName(c, name))
            return hit;
    return TXmlElement();
}

TXmlElement TUIHelper::FindRelationEntry(const QString &name) const
{
    d->ensureIndexed();
    return d->relationEntries.value(name);
}

TXmlElement TUIHelper::FindDataEntry(const QString &name) const
{
    d->ensureIndexed();
    return d->dataEntries.value(name);
}

TXmlElement TUIHelper::FindFieldEntry(const QString &name) const
{
    d->ensureIndexed();
    return d->fieldEntries.value(name);
}

void TUIHelper::SplitText(const QString &text, const QString &separator, QStringList &list)
{
    if (separator.isEmpty()) {
        list.append(text);
        return;
    }
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = text.indexOf(separator, from);
        if (at < 0) {
            list.append(text.mid(from));
            return;
        }
        list.append(text.mid(from, at - from));
        from = at + separator.size();
    }
}

QWidget *TUIHelper::FindControl(const QString &name) const
{
    return FindComponent(Form, name);
}

void TUIHelper::CheckControl(const QWidget *control, const QString &name) const
{
    if (control)
        return;
    throw EError(QStringLiteral("窗体") + (Form ? Form->objectName() : QString())
                 + QStringLiteral("里没有名字为") + name + QStringLiteral("的控件，请检查"));
}

QWidget *TUIHelper::LookUp(const QString &name) const
{
    // A missing control is passed over wherever loading looks one up.
    return FindControl(name);
}

// ---------------------------------------------------------------------------------------------
// Loading

void TUIHelper::LoadFile(const QString &configType)
{
    ExpectedConfigType = configType;
    if (IsBlankValue(FileName) || !QFileInfo(FileName).isFile()) {
        Prompt::Message(QStringLiteral("配置文件名不正确，请检查！"));
        if (Form)
            Form->close();
        return;
    }
    QFile file(FileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EError(QStringLiteral("无法读取文件\"%1\"：%2").arg(FileName, file.errorString()));
    if (file.size() > kMaxFileSize)
        throw EError(QStringLiteral("文件\"%1\"太大，不是本系统的文件。").arg(FileName));
    const QByteArray bytes = file.readAll();
    file.close();

    d->bind(nullptr);
    d->bind(TXmlDocument::Parse(bytes));

    if (d->doc->Root().FirstChildElement(kConfigType).IsNull())
        throw EError(QStringLiteral("文件没有类型字段，请检查！"));
    if (!CheckConfigType()) {
        Prompt::Message(QStringLiteral("该文件类型不匹配，凭重新选取"));
        if (Form)
            Form->close();
        return;
    }
    for (const char *section : {kUiRelation, kUiData, kDataFields})
        if (d->doc->Root().FirstChildElement(section).IsNull())
            throw EError(QStringLiteral("文件没有\"%1\"元素，请检查xml文件！")
                             .arg(QString::fromLatin1(section)));
    ApplyDocument();
}

bool TUIHelper::CheckConfigType() const
{
    if (!d->doc)
        return false;
    const TXmlElement config = d->doc->Root().FirstChildElement(kConfigType);
    return !config.IsNull() && config.Attribute(kValue) == ExpectedConfigType;
}

void TUIHelper::ApplyDocument()
{
    TComponentLookupPass pass(Form);
    for (TXmlElement e = d->relations.FirstChildElement(); e; e = e.NextSiblingElement())
        ApplyRelation(e);
    for (TXmlElement e = d->data.FirstChildElement(); e; e = e.NextSiblingElement())
        LoadEntry(e);
}

void TUIHelper::InstallHandler(QWidget *control)
{
    // The window deletes its engine before it loads again; a guarded pointer tells a live
    // previous engine, whose handler is replaced, from a deleted one.
    const QPointer<TUIHelper> previous = control->property(kHandlerOwner).value<QPointer<TUIHelper>>();
    if (previous == this)
        return;
    if (auto *box = qobject_cast<QCheckBox *>(control)) {
        if (previous)
            disconnect(box, &QCheckBox::toggled, previous.data(), &TUIHelper::OnCheckBoxToggled);
        connect(box, &QCheckBox::toggled, this, &TUIHelper::OnCheckBoxToggled, Qt::UniqueConnection);
    } else if (auto *radio = qobject_cast<QRadioButton *>(control)) {
        if (previous)
            disconnect(radio, &QRadioButton::toggled, previous.data(), &TUIHelper::OnRadioButtonToggled);
        connect(radio, &QRadioButton::toggled, this, &TUIHelper::OnRadioButtonToggled,
                Qt::UniqueConnection);
    } else {
        return;
    }
    control->setProperty(kHandlerOwner, QVariant::fromValue(QPointer<TUIHelper>(this)));
}

void TUIHelper::ApplyRelation(const TXmlElement &entry)
{
    if (!entry.HasChildElements() || !entry.HasAttribute(kType) || !entry.HasAttribute(kName))
        return;
    const QString name = entry.Attribute(kName);
    QWidget *control = LookUp(name);
    if (!control)
        return;
    if (qobject_cast<QRadioButton *>(control)) {
        const TXmlElement dataEntry = FindDataEntry(name);
        if (dataEntry.IsNull()) {
            Prompt::Message(QStringLiteral("ui-data内无控件\"") + name + QStringLiteral("\""));
            return;
        }
        const TXmlElement group = dataEntry.Parent();
        for (TXmlElement item = group.FirstChildElement(); item; item = item.NextSiblingElement()) {
            if (!item.HasAttribute(kName))
                continue;
            if (QWidget *radio = LookUp(item.Attribute(kName)))
                if (qobject_cast<QRadioButton *>(radio))
                    InstallHandler(radio);
        }
    } else if (qobject_cast<QCheckBox *>(control)) {
        InstallHandler(control);
    } else {
        return;
    }
    DisableEntryDependents(entry);
}

void TUIHelper::LoadEntry(const TXmlElement &entry)
{
    if (!entry.HasAttribute(kType))
        return;
    const QString type = entry.Attribute(kType);
    if (type == QLatin1String("RadioGroup"))
        LoadRadioGroup(entry);
    else if (type == QLatin1String("CheckGroup"))
        LoadCheckGroup(entry);
    else if (type == QLatin1String("ComboBox"))
        LoadComboBox(entry);
    else
        LoadPlainEntry(entry);
}

void TUIHelper::LoadPlainEntry(const TXmlElement &entry)
{
    if (!entry.HasAttribute(kField))
        return;
    const QString fieldName = entry.Attribute(kField);
    const QString value = FindFieldValue(fieldName);
    if (!entry.HasAttribute(kName))
        return;
    QWidget *control = LookUp(entry.Attribute(kName));
    if (!control)
        return;

    if (auto *edit = qobject_cast<QLineEdit *>(control)) {
        edit->setText(value);
    } else if (auto *picker = qobject_cast<TDateTimePicker *>(control)) {
        picker->SetShowCheckbox(true);
        if (IsBlankValue(value)) {
            picker->SetChecked(false);
        } else {
            const QDate date = ParseShortDate(value);
            if (!date.isValid() || !picker->SetDate(date)) {
                Prompt::Message(QStringLiteral("日期:\"") + value
                                + QStringLiteral("\"的日期格式不对，请检查字段:\"") + fieldName
                                + QStringLiteral("\"，\r\n现在以今日作为缺省日期。"));
                picker->SetDate(QDate::currentDate());
                picker->SetChecked(false);
            }
        }
    } else if (auto *memo = qobject_cast<QPlainTextEdit *>(control)) {
        setMemoText(memo, DecodeMemoText(value.toUtf8()));
    } else if (auto *box = qobject_cast<QCheckBox *>(control)) {
        if (IsBlankValue(value)) {
            box->setChecked(false);
        } else {
            bool ok = false;
            const bool ticked = readBoolean(value, &ok);
            if (ok) {
                box->setChecked(ticked);
            } else {
                Prompt::Message(QStringLiteral("Field\"") + fieldName + QStringLiteral("\"的值:\"")
                                + value + QStringLiteral("\"不是布尔型格式，\r\n")
                                + QStringLiteral("正确格式应为：0, -1"));
                box->setChecked(false);
            }
        }
    }
}

void TUIHelper::LoadRadioGroup(const TXmlElement &entry)
{
    const QString value = entry.HasAttribute(kField) ? FindFieldValue(entry.Attribute(kField)) : QString();
    for (TXmlElement item = entry.FirstChildElement(); item; item = item.NextSiblingElement()) {
        if (!item.HasAttribute(kKey) || item.Attribute(kKey) != value || !item.HasAttribute(kName))
            continue;
        const QString name = item.Attribute(kName);
        QWidget *control = LookUp(name);
        if (!control) {
            Prompt::Message(name);
            continue;
        }
        if (auto *radio = qobject_cast<QRadioButton *>(control))
            radio->setChecked(true);
        else if (auto *box = qobject_cast<QCheckBox *>(control))
            box->setChecked(true);
    }
}

void TUIHelper::LoadCheckGroup(const TXmlElement &entry)
{
    const QString value = entry.HasAttribute(kField) ? FindFieldValue(entry.Attribute(kField)) : QString();
    QStringList pieces;
    SplitText(value, kGroupSeparator, pieces);
    for (TXmlElement item = entry.FirstChildElement(); item; item = item.NextSiblingElement()) {
        if (!item.HasAttribute(kKey)) {
            Prompt::Message(QStringLiteral("CheckBoxItem:\"") + item.Attribute(kName)
                            + QStringLiteral("\"没有Key。"));
            continue;
        }
        if (!pieces.contains(item.Attribute(kKey), Qt::CaseInsensitive) || !item.HasAttribute(kName))
            continue;
        QWidget *control = LookUp(item.Attribute(kName));
        if (auto *box = qobject_cast<QCheckBox *>(control))
            box->setChecked(true);
        else if (auto *radio = qobject_cast<QRadioButton *>(control))
            radio->setChecked(true);
    }
}

void TUIHelper::LoadComboBox(const TXmlElement &entry)
{
    const QString value = entry.HasAttribute(kField) ? FindFieldValue(entry.Attribute(kField)) : QString();
    if (!entry.HasAttribute(kName))
        return;
    const QString name = entry.Attribute(kName);
    QWidget *control = LookUp(name);
    if (!control)
        return;
    auto *combo = qobject_cast<QComboBox *>(control);
    if (!combo) {
        Prompt::Message(name + QStringLiteral("不是一个TComboBox"));
        return;
    }
    QStringList keys;
    for (TXmlElement item = entry.FirstChildElement(); item; item = item.NextSiblingElement())
        if (item.HasAttribute(kKey))
            keys.append(item.Attribute(kKey));
    combo->clear();
    combo->addItems(keys);
    int match = -1;
    for (int i = 0; i < keys.size(); ++i)
        if (keys.at(i).compare(value, Qt::CaseInsensitive) == 0) {
            match = i;
            break;
        }
    selectComboEntry(combo, match);
    // A text the user typed that is no list entry comes back as the box's text, with no entry
    // selected, so that saving the opened file again keeps it.
    if (match < 0 && combo->isEditable() && !value.isEmpty())
        combo->setEditText(value);
}

void TUIHelper::DisableControl(QWidget *control)
{
    if (!control)
        return;
    if (auto *box = qobject_cast<QCheckBox *>(control)) {
        box->setChecked(false);
    } else if (auto *radio = qobject_cast<QRadioButton *>(control)) {
        deselect(radio);
    } else if (auto *picker = qobject_cast<TDateTimePicker *>(control)) {
        picker->SetChecked(false);
    } else if (auto *edit = qobject_cast<QLineEdit *>(control)) {
        edit->clear();
        setBackground(edit, QPalette::Button);
    } else if (auto *memo = qobject_cast<QPlainTextEdit *>(control)) {
        memo->clear();
        setBackground(memo, QPalette::Button);
    } else if (auto *combo = qobject_cast<QComboBox *>(control)) {
        selectComboEntry(combo, -1);
    }
    control->setEnabled(false);
}

void TUIHelper::EnableControl(QWidget *control)
{
    if (!control)
        return;
    if (qobject_cast<QLineEdit *>(control) || qobject_cast<QPlainTextEdit *>(control))
        setBackground(control, QPalette::Base);
    control->setEnabled(true);
}

bool TUIHelper::IsChecked(const QWidget *control)
{
    if (auto *box = qobject_cast<const QCheckBox *>(control))
        return box->isChecked();
    if (auto *radio = qobject_cast<const QRadioButton *>(control))
        return radio->isChecked();
    return false;
}

void TUIHelper::OnCheckBoxToggled(bool)
{
    QObject *s = sender();
    Guarded([&] { CheckBoxClick(s); });
}

void TUIHelper::OnRadioButtonToggled(bool checked)
{
    if (!checked)
        return;
    QObject *s = sender();
    Guarded([&] { RadioButtonClick(s); });
}

void TUIHelper::CheckBoxClick(QObject *sender)
{
    auto *control = qobject_cast<QWidget *>(sender);
    if (!control)
        return;
    TComponentLookupPass pass(Form);
    const TXmlElement entry = FindRelationEntry(control->objectName());
    if (entry.IsNull())
        return;
    for (TXmlElement child = entry.FirstChildElement(); child; child = child.NextSiblingElement()) {
        if (!child.HasAttribute(kName))
            continue;
        QWidget *dependent = LookUp(child.Attribute(kName));
        if (!dependent)
            continue;
        if (IsChecked(control)) {
            EnableControl(dependent);
        } else {
            DisableControl(dependent);
            DisableDependents(dependent);
        }
    }
}

void TUIHelper::RadioButtonClick(QObject *sender)
{
    auto *control = qobject_cast<QWidget *>(sender);
    if (!control)
        return;
    TComponentLookupPass pass(Form);
    const QString own = control->objectName();
    const TXmlElement dataEntry = FindDataEntry(own);
    const TXmlElement group = dataEntry.Parent();
    if (!dataEntry.IsNull()) {
        for (TXmlElement item = group.FirstChildElement(); item; item = item.NextSiblingElement()) {
            if (!item.HasAttribute(kName))
                continue;
            const QString name = item.Attribute(kName);
            if (name != own)
                UpdateDependents(name);
        }
    }
    UpdateDependents(own);
}

void TUIHelper::UpdateDependents(const QString &name)
{
    const TXmlElement entry = FindRelationEntry(name);
    if (entry.IsNull())
        return;
    for (TXmlElement child = entry.FirstChildElement(); child; child = child.NextSiblingElement()) {
        if (!child.HasAttribute(kName))
            continue;
        QWidget *dependent = LookUp(child.Attribute(kName));
        QWidget *controlling = LookUp(entry.Attribute(kName));
        if (!dependent || !controlling)
            continue;
        if (IsChecked(controlling)) {
            EnableControl(dependent);
        } else {
            DisableControl(dependent);
            DisableDependents(dependent);
        }
    }
}

// Disables every dependent of a relation entry that names a control, then the next level below
// it, installing that level's handlers again.
void TUIHelper::DisableEntryDependents(const TXmlElement &entry)
{
    for (TXmlElement child = entry.FirstChildElement(); child; child = child.NextSiblingElement()) {
        if (!child.HasAttribute(kName))
            continue;
        QWidget *dependent = LookUp(child.Attribute(kName));
        if (!dependent)
            continue;
        DisableControl(dependent);
        ApplyRelation(child);
    }
}

void TUIHelper::DisableDependents(QWidget *control)
{
    if (!control)
        return;
    const TXmlElement entry = FindRelationEntry(control->objectName());
    if (entry.IsNull() || !entry.HasChildElements() || !entry.HasAttribute(kType)
        || !entry.HasAttribute(kName) || !LookUp(entry.Attribute(kName)))
        return;
    DisableEntryDependents(entry);
}

// ---------------------------------------------------------------------------------------------
// Saving

void TUIHelper::SaveFile(const QString &path)
{
    CollectDocument();
    const QByteArray bytes = d->doc->Serialize();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw EError(QStringLiteral("无法创建文件\"%1\"。%2").arg(path, file.errorString()));
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        throw EError(QStringLiteral("无法写入文件\"%1\"。%2").arg(path, reason));
    }
    if (!file.commit())
        throw EError(QStringLiteral("无法写入文件\"%1\"。%2").arg(path, file.errorString()));
}

void TUIHelper::CollectDocument()
{
    if (!d->doc || d->data.IsNull())
        throw EError(QStringLiteral("无法找到\"ui-data\"元素，请检查xml文件，或者可能未装载xml文件。"));
    TComponentLookupPass pass(Form);
    for (TXmlElement e = d->data.FirstChildElement(); e; e = e.NextSiblingElement())
        CollectEntry(e);
}

void TUIHelper::CollectEntry(const TXmlElement &entry)
{
    if (!entry.HasAttribute(kType))
        return;
    const QString type = entry.Attribute(kType);
    QString value;
    if (type == QLatin1String("RadioGroup")) {
        for (TXmlElement item = entry.FirstChildElement(); item; item = item.NextSiblingElement()) {
            if (!item.HasAttribute(kName))
                continue;
            const QString name = item.Attribute(kName);
            QWidget *control = FindControl(name);
            CheckControl(control, name);
            if (IsChecked(control))
                value = item.Attribute(kKey);
        }
    } else if (type == QLatin1String("CheckGroup")) {
        for (TXmlElement item = entry.FirstChildElement(); item; item = item.NextSiblingElement()) {
            if (!item.HasAttribute(kName))
                continue;
            const QString name = item.Attribute(kName);
            QWidget *control = FindControl(name);
            CheckControl(control, name);
            if (item.HasAttribute(kKey) && IsChecked(control))
                value += item.Attribute(kKey) + kGroupSeparator;
        }
        if (value.endsWith(kGroupSeparator))
            value.chop(kGroupSeparator.size());
    } else {
        if (!entry.HasAttribute(kName))
            return;
        QWidget *control = FindControl(entry.Attribute(kName));
        if (auto *edit = qobject_cast<QLineEdit *>(control))
            value = edit->text();
        else if (auto *picker = qobject_cast<TDateTimePicker *>(control))
            value = picker->Checked() ? FormatShortDate(picker->Date()) : QString();
        else if (auto *box = qobject_cast<QCheckBox *>(control))
            value = box->isChecked() ? QStringLiteral("-1") : QStringLiteral("0");
        else if (auto *memo = qobject_cast<QPlainTextEdit *>(control))
            value = QString::fromLatin1(EncodeMemoText(memoText(memo)));
        else if (auto *combo = qobject_cast<QComboBox *>(control))
            value = combo->currentText();
    }
    const QString fieldName = entry.Attribute(kField);
    if (fieldName.isEmpty())
        return;
    TXmlElement field = FindFieldEntry(fieldName);
    if (field.IsNull()) {
        Prompt::Message(QStringLiteral("Field未找到！ ") + fieldName);
        return;
    }
    field.SetAttribute(kValue, value);
}

// ---------------------------------------------------------------------------------------------
// Report

void TUIHelper::SetReport(TfrReport *report)
{
    Report = report;
}

void TUIHelper::FillReport()
{
    if (!Report)
        return;
    if (!d->doc || d->data.IsNull())
        throw EError(QStringLiteral("无法找到\"ui-data\"元素，请检查xml文件，或者可能未装载xml文件。"));
    TComponentLookupPass pass(Form);
    for (TXmlElement e = d->data.FirstChildElement(); e; e = e.NextSiblingElement())
        FillEntry(e);
}

void TUIHelper::FillEntry(const TXmlElement &entry)
{
    if (!entry.HasAttribute(kType))
        return;
    const QString type = entry.Attribute(kType);
    if (type == QLatin1String("RadioGroup"))
        FillRadioGroup(entry);
    else if (type == QLatin1String("CheckGroup"))
        FillCheckGroup(entry);
    else
        FillPlainEntry(entry);
}

namespace {
void writeMark(TfrReport *report, const TXmlElement &item, const QString &mark)
{
    const QString name = item.Attribute(kName);
    TfrView *view = report->FindObject(name);
    if (!view) {
        Prompt::Message(QStringLiteral("控件未找到！ ") + name);
        return;
    }
    if (auto *memo = dynamic_cast<TfrMemoView *>(view))
        memo->SetText(mark);
}
}  // namespace

void TUIHelper::FillRadioGroup(const TXmlElement &entry)
{
    if (!entry.HasAttribute(kField))
        return;
    const QString value = FindFieldValue(entry.Attribute(kField));
    for (TXmlElement item = entry.FirstChildElement(); item; item = item.NextSiblingElement()) {
        if (!item.HasAttribute(kKey))
            continue;
        const QString mark = item.Attribute(kKey) == value ? QStringLiteral("●") : QStringLiteral("○");
        if (!item.HasAttribute(kName))
            continue;
        writeMark(Report, item, mark);
    }
}

void TUIHelper::FillCheckGroup(const TXmlElement &entry)
{
    const QString value = entry.HasAttribute(kField) ? FindFieldValue(entry.Attribute(kField)) : QString();
    QStringList pieces;
    SplitText(value, kGroupSeparator, pieces);
    for (TXmlElement item = entry.FirstChildElement(); item; item = item.NextSiblingElement()) {
        if (!item.HasAttribute(kKey))
            continue;
        const QString mark = pieces.contains(item.Attribute(kKey), Qt::CaseInsensitive)
                                 ? QStringLiteral("■")
                                 : QStringLiteral("□");
        if (!item.HasAttribute(kName))
            continue;
        writeMark(Report, item, mark);
    }
}

void TUIHelper::FillPlainEntry(const TXmlElement &entry)
{
    QString text = entry.HasAttribute(kField) ? FindFieldValue(entry.Attribute(kField)) : QString();
    if (!entry.HasAttribute(kName))
        return;
    const QString name = entry.Attribute(kName);
    TfrView *view = Report->FindObject(name);
    if (!view) {
        Prompt::Message(QStringLiteral("报表控件未找到！ ") + name);
        return;
    }
    QWidget *control = FindControl(name);
    if (!control) {
        Prompt::Message(QStringLiteral("控件未找到！ ") + name);
        return;
    }
    if (auto *memo = qobject_cast<QPlainTextEdit *>(control))
        text = memoText(memo);
    else if (auto *box = qobject_cast<QCheckBox *>(control))
        text = box->isChecked() ? QStringLiteral("■") : QStringLiteral("□");
    view->SetProp(QStringLiteral("TEXTONLY"), 16);
    if (auto *memoView = dynamic_cast<TfrMemoView *>(view))
        memoView->SetText(text);
}

void TUIHelper::ShowReport()
{
    if (Report)
        Report->ShowReport();
}

// ---------------------------------------------------------------------------------------------
// Class operations

QString TUIHelper::NewVerifyCode()
{
    return QUuid::createUuid().toString(QUuid::WithBraces).mid(1, 8).toUpper();
}

QString TUIHelper::ApplicationDir()
{
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + QLatin1Char('/'));
}

QString TUIHelper::ReadConfigType(const QString &path)
{
    if (IsBlankValue(path) || !QFileInfo(path).isFile())
        throw EError(QStringLiteral("文件\"%1\"不存在。").arg(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EError(QStringLiteral("无法读取文件\"%1\"：%2").arg(path, file.errorString()));
    if (file.size() > kMaxFileSize)
        throw EError(QStringLiteral("文件\"%1\"太大，不是本系统的文件。").arg(path));
    const auto doc = TXmlDocument::Parse(file.readAll());
    const TXmlElement config = doc->Root().FirstChildElement(kConfigType);
    if (config.IsNull())
        throw EError(QStringLiteral("文件没有类型字段，请检查！"));
    return config.Attribute(kValue);
}
