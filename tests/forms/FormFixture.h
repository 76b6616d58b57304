#pragma once
// Fixtures for the tests of form windows: data files of every kind written into a temporary
// folder, the kind catalogue by class name, and clean-up of the windows a test left open.

#include "ConfigedBase.h"
#include "Kinds.h"
#include "UIHelper.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QRegularExpression>
#include <QStringEncoder>
#include <QTemporaryDir>

namespace formfixture {

inline const QRegularExpression kCodePattern(QStringLiteral("^[0-9A-F]{8}$"));

struct TKindRow {
    const char *className;
    const char *formName;
    const char *caption;
    const char *formTitle;
    const char *configFile;
    const char *configType;
    const char *kindTag;
    int copies;
    const char *productEdit;  // "" when the kind sets no product-name control
};

// Every kind in the main window's class test order.
inline const TKindRow kKinds[] = {
    {"TFrmYPZCSQ", "FrmYPZCSQ", "注册申请表", "进口药材报验申请表", ".\\sys\\APPFZCSQ.xml",
     "医疗器械出口证明申请", "注册", 2, ""},
    {"TFrmYPZCSQ_JK", "FrmYPZCSQ_JK", "临床试验方案", "临床试验方案申请表", ".\\sys\\APPFLC.xml",
     "临床试验方案", "临床", 2, "Edit5"},
    {"TFrmYPBCSQ", "FrmYPBCSQ", "变更/补办申请", "医疗器械变更补办申请表", ".\\sys\\APPFBCSQ.xml",
     "医疗器械变更申请", "变更", 2, "Edit1"},
    {"TFrmYPBCSQ_JK", "FrmYPBCSQ_JK", "临床试验豁免", "临床试验豁免申请", ".\\sys\\APPFLCHM.xml",
     "临床试验豁免申请", "临床豁免", 1, "Edit4"},
    {"TFrmYPZZCSQ", "FrmYPZZCSQ", "第三方检测豁免申请", "医疗器械产品第三方检测豁免申请",
     ".\\sys\\APPF3SQ.xml", "医疗器械3申请", "第三方豁免", 1, "Edit4"},
    {"TFrmYPBCSQ_N", "FrmYPBCSQ_N", "各类报告申请", "其他", ".\\sys\\APPFQTSQ.xml", "各类报告", "其他",
     2, "Edit1"},
};

inline const TKindInfo &Kind(const QString &className)
{
    for (const TKindInfo &kind : AllKinds())
        if (kind.className == className)
            return kind;
    qFatal("no kind %s", qPrintable(className));
}

inline const TKindRow &Row(const QString &className)
{
    for (const TKindRow &row : kKinds)
        if (className == QLatin1String(row.className))
            return row;
    qFatal("no kind row %s", qPrintable(className));
}

// The definition file of a kind beside the executable.
inline QString DefinitionFile(const QString &className)
{
    QString relative = QString::fromUtf8(Row(className).configFile);
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return TUIHelper::ApplicationDir() + relative;
}

// A small data file of the given config-type whose code field holds code; the product name
// control of the kind (if any) is bound as well.
inline QString WriteDataFile(const QTemporaryDir &dir, const QString &fileName,
                             const QString &configType, const QString &code,
                             const QString &productEdit = QString(),
                             const QString &productName = QString())
{
    QString data = QStringLiteral("<entry type=\"Edit\" name=\"VerifyCode\" Field=\"VerifyCode\"/>");
    QString fields = QStringLiteral("<field name=\"VerifyCode\" value=\"%1\"/>").arg(code);
    if (!productEdit.isEmpty()) {
        data += QStringLiteral("<entry type=\"Edit\" name=\"%1\" Field=\"ProductName\"/>").arg(productEdit);
        fields += QStringLiteral("<field name=\"ProductName\" value=\"%1\"/>").arg(productName);
    }
    const QString text = QStringLiteral("<?xml version=\"1.0\" encoding=\"GBK\"?>\r\n<application>"
                                        "<config-type value=\"%1\"/><ui-relation/><ui-data>%2</ui-data>"
                                        "<data-fields>%3</data-fields></application>\r\n")
                             .arg(configType, data, fields);
    const QString path = dir.filePath(fileName);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    QStringEncoder gbk("GB18030");
    file.write(gbk.encode(text));
    return path;
}

inline QString WriteFile(const QTemporaryDir &dir, const QString &fileName, const QByteArray &bytes)
{
    const QString path = dir.filePath(fileName);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    file.write(bytes);
    return path;
}

// Runs the deferred deletions of closed windows.
inline void FlushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// Closes and frees every form window left open, without questions.
inline void CloseAllForms()
{
    for (const TKindInfo &kind : AllKinds()) {
        if (TEABaseForm *form = kind.current()) {
            form->SkipCloseQuery = true;
            form->close();
        }
    }
    FlushDeletes();
}

// The data files of the executable's folder.
inline QStringList DataFilesBesideExecutable()
{
    return QDir(TUIHelper::ApplicationDir()).entryList({QStringLiteral("*.qx")}, QDir::Files, QDir::Name);
}

}  // namespace formfixture
