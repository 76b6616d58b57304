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

#include <functional>

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

void discard(TEABaseForm *form)
{
    if (!form)
        return;
    form->SkipCloseQuery = true;
    delete form;
}
}  // namespace

namespace {
// Writes path through a temporary file beside it, which replaces path only when write() has
// completed it; a failed run leaves no partial output.
void writeReplacing(const QString &path, const std::function<void(const QString &)> &write)
{
    QTemporaryFile pdf(QFileInfo(path).absolutePath() + QStringLiteral("/.shenbao-pdf-XXXXXX.pdf"));
    if (!pdf.open())
        throw EError(QStringLiteral("无法写入文件\"%1\"。").arg(path));
    pdf.close();
    write(pdf.fileName());
    QFile::remove(path);
    if (!QFile::rename(pdf.fileName(), path))
        throw EError(QStringLiteral("无法写入文件\"%1\"。").arg(path));
    pdf.setAutoRemove(false);
}

// The proof of a kind's template: no data file, every data object outlined and named over a grid.
int runProof(const QString &kindName, const QString &output, TStreamPrompter &prompter)
{
    const TKindInfo *kind = FindKind(kindName);
    if (!kind) {
        QStringList names;
        for (const TKindInfo &k : AllKinds())
            names << k.kindTag;
        prompter.line(QStringLiteral("没有“%1”这种申请表；可用的有：%2").arg(kindName, names.join(QStringLiteral("、"))));
        return 2;
    }
    try {
        TfrReport report;
        report.LoadFromFile(kind->templateResource);
        report.Title = kind->formTitle + QStringLiteral("（校样）");
        writeReplacing(output, [&](const QString &path) { report.ExportProof(path); });
    } catch (...) {
        prompter.line(CurrentExceptionText());
        return 1;
    }
    return 0;
}
}  // namespace

int RunShenbaoPdf(const QStringList &arguments, QTextStream &err)
{
    TStreamPrompter prompter(err);
    if (arguments.size() == 4 && arguments.at(1) == QLatin1String("--proof"))
        return runProof(arguments.at(2), QFileInfo(arguments.at(3)).absoluteFilePath(), prompter);
    if (arguments.size() != 3 || arguments.at(1).startsWith(QLatin1String("--"))) {
        prompter.line(QStringLiteral("用法：shenbao-pdf INPUT.qx OUTPUT.pdf 或 shenbao-pdf --proof 种类 OUTPUT.pdf"));
        return 2;
    }
    const QString input = QFileInfo(arguments.at(1)).absoluteFilePath();
    const QString output = QFileInfo(arguments.at(2)).absoluteFilePath();

    QPointer<TEABaseForm> form;
    try {
        // Only the window of the file's own kind is built.
        const QString configType = TUIHelper::ReadConfigType(input);
        const TKindInfo *kind = KindOfConfigType(configType);
        if (!kind)
            throw EError(QStringLiteral("文件\"%1\"的类型\"%2\"不属于任何一种申请表。").arg(input, configType));
        form = kind->create(nullptr);

        form->LoadDocument(input);
        // A window that its loading closed is gone once pending deletions have run.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (!form || !form->Helper || !form->Helper->Document())
            throw EError(QStringLiteral("文件\"%1\"无法打开。").arg(input));

        writeReplacing(output, [&](const QString &path) { form->ExportApplication(path); });
    } catch (...) {
        prompter.line(CurrentExceptionText());
        discard(form);
        return 1;
    }
    discard(form);
    return 0;
}
