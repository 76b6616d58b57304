#include "UIHelper.h"

#include <QCoreApplication>
#include <QDir>
#include <QUuid>
#include <QWidget>

struct TUIHelper::Impl {};

TUIHelper::TUIHelper(QWidget *form) : QObject(form), Form(form), d(new Impl) {}
TUIHelper::~TUIHelper() = default;
TXmlDocument *TUIHelper::Document() const { return nullptr; }
void TUIHelper::LoadFile(const QString &configType) { ExpectedConfigType = configType; }
void TUIHelper::SaveFile(const QString &) {}
void TUIHelper::SetReport(TfrReport *report) { Report = report; }
void TUIHelper::FillReport() {}
void TUIHelper::ShowReport() {}
QString TUIHelper::NewVerifyCode()
{
    return QUuid::createUuid().toString(QUuid::WithBraces).mid(1, 8).toUpper();
}
QString TUIHelper::ApplicationDir()
{
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + QLatin1Char('/'));
}
QString TUIHelper::ReadConfigType(const QString &) { return QString(); }
