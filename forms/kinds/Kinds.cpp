#include "Kinds.h"

#include "ConfigedBase.h"
#include "Errors.h"
#include "frReport.h"

#include "YPBCSQ.h"
#include "YPBCSQ_JK.h"
#include "YPBCSQ_N.h"
#include "YPZCSQ.h"
#include "YPZCSQ_JK.h"
#include "YPZZCSQ.h"

namespace {
struct TKindValues {
    const char *className;
    const char *unit;
    const char *caption;
    const char *formTitle;
    const char *kindTag;
    const char *configType;
    const char *configFile;
    int defaultCopies;
    const char *newOperation;
    const char *openOperation;
};

template <class Form>
TKindInfo Kind(const TKindValues &v, Form *&globalReference)
{
    TKindInfo kind;
    kind.className = QString::fromLatin1(v.className);
    kind.unit = QString::fromLatin1(v.unit);
    kind.formName = QStringLiteral("Frm") + kind.unit;
    kind.caption = QString::fromUtf8(v.caption);
    kind.formTitle = QString::fromUtf8(v.formTitle);
    kind.kindTag = QString::fromUtf8(v.kindTag);
    kind.configType = QString::fromUtf8(v.configType);
    kind.configFile = QString::fromLatin1(v.configFile);
    kind.templateResource = QStringLiteral(":/reports/") + kind.unit + QStringLiteral(".frt");
    kind.defaultCopies = v.defaultCopies;
    kind.newOperation = QString::fromLatin1(v.newOperation);
    kind.openOperation = QString::fromLatin1(v.openOperation);
    Form **ref = &globalReference;
    kind.create = [ref](QWidget *parent) -> TEABaseForm * {
        *ref = new Form(parent);
        return *ref;
    };
    kind.current = [ref]() -> TEABaseForm * { return *ref; };
    return kind;
}
}  // namespace

const std::vector<TKindInfo> &AllKinds()
{
    // class, unit, caption, FormTitle, KindTag, ConfigType, ConfigFile, copies, new, open
    static const std::vector<TKindInfo> kinds = {
        Kind({"TFrmYPZCSQ", "YPZCSQ", "注册申请表", "进口药材报验申请表", "注册",
              "医疗器械出口证明申请", ".\\sys\\APPFZCSQ.xml", 2, "N2Click", "N6Click"},
             FrmYPZCSQ),
        Kind({"TFrmYPZCSQ_JK", "YPZCSQ_JK", "临床试验方案", "临床试验方案申请表", "临床",
              "临床试验方案", ".\\sys\\APPFLC.xml", 2, "N12Click", "N14Click"},
             FrmYPZCSQ_JK),
        Kind({"TFrmYPBCSQ", "YPBCSQ", "变更/补办申请", "医疗器械变更补办申请表", "变更",
              "医疗器械变更申请", ".\\sys\\APPFBCSQ.xml", 2, "N3Click", "N5Click"},
             FrmYPBCSQ),
        Kind({"TFrmYPBCSQ_JK", "YPBCSQ_JK", "临床试验豁免", "临床试验豁免申请", "临床豁免",
              "临床试验豁免申请", ".\\sys\\APPFLCHM.xml", 1, "N13Click", "N16Click"},
             FrmYPBCSQ_JK),
        Kind({"TFrmYPZZCSQ", "YPZZCSQ", "第三方检测豁免申请", "医疗器械产品第三方检测豁免申请",
              "第三方豁免", "医疗器械3申请", ".\\sys\\APPF3SQ.xml", 1, "N4Click", "N7Click"},
             FrmYPZZCSQ),
        Kind({"TFrmYPBCSQ_N", "YPBCSQ_N", "各类报告申请", "其他", "其他", "各类报告",
              ".\\sys\\APPFQTSQ.xml", 2, "N_NClick", "N17Click"},
             FrmYPBCSQ_N),
    };
    return kinds;
}

const TKindInfo &KindOfClass(const QString &className)
{
    for (const TKindInfo &kind : AllKinds())
        if (kind.className == className)
            return kind;
    throw EError(QStringLiteral("未知的申请表类型：") + className);
}

const TKindInfo *KindOfConfigType(const QString &configType)
{
    for (const TKindInfo &kind : AllKinds())
        if (kind.configType == configType)
            return &kind;
    return nullptr;
}

const TKindInfo *FindKind(const QString &name)
{
    for (const TKindInfo &kind : AllKinds())
        if (kind.kindTag == name || kind.className == name || kind.unit == name)
            return &kind;
    return nullptr;
}

TfrReport *StoreKindValues(TEABaseForm &form, const TKindInfo &kind)
{
    auto *report = new TfrReport(&form);
    report->setObjectName(QStringLiteral("frReport1"));
    report->DefaultCopies = kind.defaultCopies;
    report->LoadFromFile(kind.templateResource);
    form.Report = report;
    form.ConfigFile = kind.configFile;
    form.FormTitle = kind.formTitle;
    form.KindTag = kind.kindTag;
    form.ConfigType = kind.configType;
    return report;
}
