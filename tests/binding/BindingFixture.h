#pragma once
// Small fixture forms and documents for the binding engine's tests: a plain widget form holding
// controls named as a test lists them, and documents written into a temporary folder.

#include "UIHelper.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QWidget>

#include "DateTimePicker.h"

#include <memory>

namespace fixture {

inline const QString kConfigType = QStringLiteral("测试申请");

// A form of controls given as "kind:Name" with kind one of edit, memo, check, radio, combo,
// date, label. Radio buttons given as "radio:Name/Box" sit in the group box Box, so that each
// box's buttons exclude each other only.
inline std::unique_ptr<QWidget> MakeForm(const QStringList &controls,
                                         const QString &formName = QStringLiteral("FrmTest"))
{
    auto form = std::make_unique<QWidget>();
    form->setObjectName(formName);
    auto *layout = new QVBoxLayout(form.get());
    QHash<QString, QGroupBox *> boxes;
    for (const QString &entry : controls) {
        const QString kind = entry.section(QLatin1Char(':'), 0, 0);
        QString name = entry.section(QLatin1Char(':'), 1);
        QWidget *w = nullptr;
        if (kind == QLatin1String("edit")) {
            w = new QLineEdit;
        } else if (kind == QLatin1String("memo")) {
            w = new QPlainTextEdit;
        } else if (kind == QLatin1String("check")) {
            w = new QCheckBox(name);
        } else if (kind == QLatin1String("combo")) {
            auto *combo = new QComboBox;
            combo->setEditable(true);
            w = combo;
        } else if (kind == QLatin1String("date")) {
            w = new TDateTimePicker;
        } else if (kind == QLatin1String("label")) {
            w = new QWidget;
        } else if (kind == QLatin1String("radio")) {
            const QString boxName = name.section(QLatin1Char('/'), 1);
            name = name.section(QLatin1Char('/'), 0, 0);
            QGroupBox *&box = boxes[boxName];
            if (!box) {
                box = new QGroupBox;
                box->setObjectName(boxName);
                box->setLayout(new QVBoxLayout);
                layout->addWidget(box);
            }
            auto *radio = new QRadioButton(name);
            radio->setObjectName(name);
            box->layout()->addWidget(radio);
            continue;
        }
        Q_ASSERT(w);
        w->setObjectName(name);
        layout->addWidget(w);
    }
    return form;
}

// A document with the four sections.
inline QByteArray MakeDocument(const QString &relations, const QString &data, const QString &fields,
                               const QString &configType = kConfigType)
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<root>\n"
                          "  <config-type value=\"%1\"/>\n"
                          "  <ui-relation>%2</ui-relation>\n"
                          "  <ui-data>%3</ui-data>\n"
                          "  <data-fields>%4</data-fields>\n"
                          "</root>\n")
        .arg(configType, relations, data, fields)
        .toUtf8();
}

inline QString WriteFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return QString();
    file.write(bytes);
    return path;
}

inline QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// An engine bound to the form that has loaded the bytes (written to a temporary file).
inline TUIHelper *Load(QWidget *form, const QTemporaryDir &dir, const QByteArray &bytes,
                       const QString &configType = kConfigType)
{
    auto *helper = new TUIHelper(form);
    helper->FileName = WriteFile(dir, QStringLiteral("doc.xml"), bytes);
    helper->LoadFile(configType);
    return helper;
}

template <class T>
T *Find(QWidget *form, const QString &name)
{
    return form->findChild<T *>(name);
}

}  // namespace fixture
