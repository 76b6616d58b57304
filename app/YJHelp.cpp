#include "YJHelp.h"
#include "ui_YJHelp.h"

#include "Errors.h"
#include "Pictures.h"
#include "ScreenCentre.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>

QPointer<TFrmYJHelp> FrmYJHelp;

namespace {
const QString kHelpFile = QStringLiteral("sys/APPFHelp1.txt");
}

TFrmYJHelp::TFrmYJHelp(QWidget *parent) : QDialog(parent), ui(new Ui::TFrmYJHelp)
{
    ui->setupUi(this);
    // Created anew for every showing, so the text is read again each time; freed once closed.
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(size());
    CentreOnScreen(this);
    ui->BitBtn1->setIcon(OkButtonIcon());
    connect(ui->BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(ui->BitBtn1); });
    FormCreate(this);
}

TFrmYJHelp::~TFrmYJHelp() = default;

QString TFrmYJHelp::HelpFileName(const QString &currentDir, const QString &executableDir)
{
    const QString inCurrent = QDir::cleanPath(QDir(currentDir).filePath(kHelpFile));
    if (QFileInfo::exists(inCurrent) || executableDir.isEmpty())
        return inCurrent;
    const QString besideExecutable = QDir::cleanPath(QDir(executableDir).filePath(kHelpFile));
    return QFileInfo::exists(besideExecutable) ? besideExecutable : inCurrent;
}

QString TFrmYJHelp::HelpText(const QByteArray &bytes)
{
    QStringDecoder gbk("GB18030");
    QString text = gbk.decode(bytes);
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = text.split(lineBreak);
    // A final line break ends the last line; it does not start another one.
    if (lines.size() > 1 && lines.constLast().isEmpty())
        lines.removeLast();
    return lines.join(QLatin1Char('\n'));
}

void TFrmYJHelp::FormCreate(QObject *)
{
    QFile file(HelpFileName(QDir::currentPath(), QCoreApplication::applicationDirPath()));
    if (QFileInfo(file.fileName()).isDir() || !file.open(QIODevice::ReadOnly)) {
        ui->Memo1->setPlainText(QStringLiteral("无可用帮助！"));
        return;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw EError(QStringLiteral("读取帮助文件出错：") + file.errorString());
    ui->Memo1->setPlainText(HelpText(bytes));
}

void TFrmYJHelp::BitBtn1Click(QObject *)
{
    if (FrmYJHelp)
        FrmYJHelp->close();
    else
        close();
}
