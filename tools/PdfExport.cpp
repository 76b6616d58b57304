#include "PdfExport.h"

#include "ConfigedBase.h"
#include "Errors.h"
#include "Kinds.h"
#include "Prompts.h"
#include "UIHelper.h"
#include "frReport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QTextStream>

namespace {
// Every message on one line of standard error; questions go on as if answered OK.
class TStreamPrompter : public TPrompter {
public:
    explicit TStreamPrompter(QTextStream &err) : m_err(err) { Prompt::Install(this); }
    ~TStreamPrompter() override { Prompt::Install(nullptr); }

    void Message(const QString &text) override { line(text); }
    bool Question(const QString &text) override
    {
        line(text);
        return true;
    }
    QString OpenFile(const QString &, const QString &, const QString &) override { return QString(); }

    void line(const QString &text)
    {
        static const QRegularExpression breaks(QStringLiteral("\\s*(\r\n|\r|\n)+\\s*"));
        m_err << QString(text).replace(breaks, QStringLiteral(" ")).trimmed() << Qt::endl;
    }

private:
    QTextStream &m_err;
};

// Restores the preview when the export ends, however it ends.
struct TPreviewHookGuard {
    ~TPreviewHookGuard() { TfrReport::SetPreviewHook({}); }
};

void discard(TEABaseForm *form)
{
    if (!form)
        return;
    form->SkipCloseQuery = true;
    delete form;
}
}  // namespace

int RunShenbaoPdf(const QStringList &arguments, QTextStream &err)
{
    TStreamPrompter prompter(err);
    if (arguments.size() != 3) {
        prompter.line(QStringLiteral("用法：shenbao-pdf INPUT.qx OUTPUT.pdf"));
        return 2;
    }
    const QString input = QFileInfo(arguments.at(1)).absoluteFilePath();
    const QString output = QFileInfo(arguments.at(2)).absoluteFilePath();

    QPointer<TEABaseForm> form;
    try {
        const QString configType = TUIHelper::ReadConfigType(input);
        for (const TKindInfo &kind : AllKinds()) {
            TEABaseForm *candidate = kind.create(nullptr);
            if (candidate->ConfigType == configType) {
                form = candidate;
                break;
            }
            discard(candidate);
        }
        if (!form)
            throw EError(QStringLiteral("文件\"%1\"的类型\"%2\"不属于任何一种申请表。").arg(input, configType));

        form->LoadDocument(input);
        // A window that its loading closed is gone once pending deletions have run.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (!form || !form->Helper || !form->Helper->Document())
            throw EError(QStringLiteral("文件\"%1\"无法打开。").arg(input));

        // The pages go to a temporary file beside the output, which replaces the output only
        // when it is complete.
        QTemporaryFile pdf(QFileInfo(output).absolutePath() + QStringLiteral("/.shenbao-pdf-XXXXXX.pdf"));
        if (!pdf.open())
            throw EError(QStringLiteral("无法写入文件\"%1\"。").arg(output));
        pdf.close();
        bool written = false;
        {
            TPreviewHookGuard guard;
            TfrReport::SetPreviewHook([&](TfrReport &report) {
                report.ExportPdf(pdf.fileName());
                written = true;
            });
            form->PrintApplication();
        }
        if (!written)
            throw EError(QStringLiteral("该申请表没有可打印的报表。"));
        QFile::remove(output);
        if (!QFile::rename(pdf.fileName(), output))
            throw EError(QStringLiteral("无法写入文件\"%1\"。").arg(output));
        pdf.setAutoRemove(false);
    } catch (...) {
        prompter.line(CurrentExceptionText());
        discard(form);
        return 1;
    }
    discard(form);
    return 0;
}
