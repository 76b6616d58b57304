#include "ConfigedBase.h"

#include <QCloseEvent>
#include <QLineEdit>

TEABaseForm::TEABaseForm(QWidget *parent) : QMdiSubWindow(parent) {}
TEABaseForm::~TEABaseForm() = default;
void TEABaseForm::NewApplication() {}
void TEABaseForm::OpenApplication(const QString &) {}
void TEABaseForm::LoadDocument(const QString &) {}
void TEABaseForm::SaveBackup() {}
void TEABaseForm::SaveAndPrint() {}
bool TEABaseForm::ConfirmDiscard() { return false; }
QString TEABaseForm::DataFileName() const { return QString(); }
QString TEABaseForm::TextOf(const QLineEdit *edit) { return edit ? edit->text() : QString(); }
void TEABaseForm::FormClose(QObject *, TCloseAction &action) { action = TCloseAction::caFree; }
void TEABaseForm::FormCloseQuery(QObject *, bool &canClose) { canClose = true; }
void TEABaseForm::closeEvent(QCloseEvent *event) { QMdiSubWindow::closeEvent(event); }
