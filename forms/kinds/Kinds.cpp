#include "Kinds.h"

#include "YPBCSQ.h"
#include "YPBCSQ_JK.h"
#include "YPBCSQ_N.h"
#include "YPZCSQ.h"
#include "YPZCSQ_JK.h"
#include "YPZZCSQ.h"

namespace {
template <class Form>
TKindInfo Kind(const char *className, Form *&globalReference)
{
    Form **ref = &globalReference;
    return TKindInfo{QString::fromLatin1(className),
                     [ref](QWidget *parent) -> TEABaseForm * {
                         *ref = new Form(parent);
                         return *ref;
                     },
                     [ref]() -> TEABaseForm * { return *ref; }};
}
}  // namespace

const std::vector<TKindInfo> &AllKinds()
{
    static const std::vector<TKindInfo> kinds = {
        Kind("TFrmYPZCSQ", FrmYPZCSQ),
        Kind("TFrmYPZCSQ_JK", FrmYPZCSQ_JK),
        Kind("TFrmYPBCSQ", FrmYPBCSQ),
        Kind("TFrmYPBCSQ_JK", FrmYPBCSQ_JK),
        Kind("TFrmYPZZCSQ", FrmYPZZCSQ),
        Kind("TFrmYPBCSQ_N", FrmYPBCSQ_N),
    };
    return kinds;
}
