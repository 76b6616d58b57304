#include "Application.h"

#include "Errors.h"
#include "Fonts.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

TApplication::TApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    // No display name: Qt would append it to every window caption ("警告 — 电子申报").
    setApplicationName(QStringLiteral("shenbao"));
    InstallChineseTranslations();
    InstallFontSubstitutions();
}

bool TApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        HandleException();
        return false;
    }
}

bool InstallChineseTranslations()
{
    const QString dir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    bool any = false;
    for (const char *name : {"qtbase_zh_CN", "qt_zh_CN"}) {
        auto *translator = new QTranslator(qApp);
        if (translator->load(QString::fromLatin1(name), dir)) {
            QCoreApplication::installTranslator(translator);
            any = true;
        } else {
            delete translator;
        }
    }
    return any;
}
