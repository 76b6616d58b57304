#include "ConfigedBase.h"

#include "Errors.h"
#include "Prompts.h"
#include "UIHelper.h"

#include <QCloseEvent>
#include <QDir>
#include <QLineEdit>
#include <QMdiArea>

#include <limits>

namespace {
const QString kCrLf = QStringLiteral("\r\n");

// Characters that no file name may hold on the platforms the data files travel to.
bool IsForbiddenFileNameChar(QChar c)
{
    return c.unicode() < 0x20 || QStringLiteral("\\/:*?\"<>|").contains(c);
}

bool HasForbiddenFileNameChar(const QString &text)
{
    for (QChar c : text)
        if (IsForbiddenFileNameChar(c))
            return true;
    return false;
}
}  // namespace

TEABaseForm::TEABaseForm(QWidget *parent) : QMdiSubWindow(parent)
{
    // A closed form window is freed, never merely hidden.
    setAttribute(Qt::WA_DeleteOnClose);
}

TEABaseForm::~TEABaseForm() = default;

void TEABaseForm::PlaceIn(QWidget *parent)
{
    const QSize declaredClient = widget() ? widget()->size() : QSize();
    if (auto *area = qobject_cast<QMdiArea *>(parent))
        area->addSubWindow(this);
    else if (parent && parentWidget() != parent)
        setParent(parent, windowFlags());
    // The window takes the size its layout declares for its client area, around which the
    // frame has just drawn its borders; it shows that size again when restored from maximised.
    if (declaredClient.isValid())
        resize(declaredClient.grownBy(contentsMargins()));
}

void TEABaseForm::BringToFront()
{
    show();
    raise();
    if (QMdiArea *area = mdiArea())
        area->setActiveSubWindow(this);
}

void TEABaseForm::NewApplication()
{
    BringToFront();
    setWindowTitle(QStringLiteral("新建") + FormTitle);
    showMaximized();
    LoadDocument(DefinitionFileName());
    if (VerifyCodeEdit)
        VerifyCodeEdit->setText(TUIHelper::NewVerifyCode());
}

void TEABaseForm::OpenApplication(const QString &fileName)
{
    BringToFront();
    setWindowTitle(QStringLiteral("编辑") + FormTitle);
    showMaximized();
    // A data file carries the whole document structure; the definition file is not read.
    LoadDocument(fileName);
}

void TEABaseForm::LoadDocument(const QString &fileName)
{
    // A window that the loading closes (missing file, another kind's file) closes silently.
    SkipCloseQuery = true;
    // An edit holds a value of any length, as the data file may carry one; Qt's default limit
    // would cut it on loading and lose the rest on the next save.
    for (QLineEdit *edit : findChildren<QLineEdit *>())
        edit->setMaxLength(std::numeric_limits<int>::max());
    delete Helper;
    Helper = new TUIHelper(this);
    Helper->FileName = fileName;
    Helper->LoadFile(ConfigType);
    SkipCloseQuery = false;
}

QString TEABaseForm::DefinitionFileName() const
{
    QString relative = ConfigFile;
#ifndef Q_OS_WIN
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
#endif
    return TUIHelper::ApplicationDir() + relative;
}

QString TEABaseForm::DataFileName() const
{
    const QString productName = TextOf(ProductNameEdit);
    const QString code = TextOf(VerifyCodeEdit);
    if (HasForbiddenFileNameChar(productName))
        throw EError(QStringLiteral("产品名称“") + productName
                     + QStringLiteral("”中含有文件名不能使用的字符（\\ / : * ? \" < > | 或控制字符），"
                                      "无法保存数据文件，请修改后再保存！"));
    if (HasForbiddenFileNameChar(code))
        throw EError(QStringLiteral("数据核对码“") + code
                     + QStringLiteral("”中含有文件名不能使用的字符，无法保存数据文件！"));
    return TUIHelper::ApplicationDir() + KindTag + productName + QLatin1Char('_') + code
           + QStringLiteral(".qx");
}

QString TEABaseForm::TextOf(const QLineEdit *edit)
{
    return edit ? edit->text() : QString();
}

void TEABaseForm::SaveBackup()
{
    // Every backup gets a new code.
    if (VerifyCodeEdit)
        VerifyCodeEdit->setText(TUIHelper::NewVerifyCode());
    const QString fileName = DataFileName();
    if (!Helper)
        throw EError(QStringLiteral("没有可保存的文档！"));
    Helper->SaveFile(fileName);
    Prompt::Message(QStringLiteral("已成功保存为备份文件:") + fileName + kCrLf + kCrLf
                    + QStringLiteral("数据核对码为：") + TextOf(VerifyCodeEdit) + kCrLf + kCrLf
                    + QStringLiteral("提示:此处只是生成不同版本的备份文件.只有打印时同时生成正式的报送文件!"));
}

void TEABaseForm::SaveAndPrint()
{
    const QString fileName = DataFileName();
    if (!Helper)
        throw EError(QStringLiteral("没有可保存的文档！"));
    Helper->SaveFile(fileName);
    Prompt::Message(QStringLiteral("已成功生成报盘文件:") + fileName + kCrLf + kCrLf
                    + QStringLiteral("数据核对码为：") + TextOf(VerifyCodeEdit) + kCrLf + kCrLf
                    + QStringLiteral("请在打印后将此文件拷贝到磁盘报送药监局!") + kCrLf + kCrLf
                    + QStringLiteral("电子文件拷贝到磁盘后将加密不能从磁盘直接打开"));
    // The file is written before anything is printed: a cancelled print leaves it in place.
    PrintApplication();
}

bool TEABaseForm::ConfirmDiscard()
{
    if (!Prompt::Question(QStringLiteral("你要退出现在编写的文件吗?")))
        return false;
    SkipCloseQuery = true;
    close();
    return true;
}

void TEABaseForm::FormClose(QObject *, TCloseAction &action)
{
    action = TCloseAction::caFree;
}

void TEABaseForm::FormCloseQuery(QObject *, bool &canClose)
{
    canClose = SkipCloseQuery || Prompt::Question(QStringLiteral("你要退出现在编写的文件吗?"));
}

void TEABaseForm::closeEvent(QCloseEvent *event)
{
    bool canClose = true;
    FormCloseQuery(this, canClose);
    if (!canClose) {
        event->ignore();
        return;
    }
    TCloseAction action = TCloseAction::caHide;
    FormClose(this, action);
    if (action == TCloseAction::caNone) {
        event->ignore();
        return;
    }
    setAttribute(Qt::WA_DeleteOnClose, action == TCloseAction::caFree);
    QMdiSubWindow::closeEvent(event);
}
