#pragma once
// The application object: Qt's, with the system's title, Qt's Chinese translations, the font
// faces of the forms and templates, and the default error handler around every event.

#include <QApplication>

class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};

// Loads Qt's zh_CN translations into the running application (standard buttons and dialogs in
// Chinese). Returns false when no translation was found.
bool InstallChineseTranslations();
