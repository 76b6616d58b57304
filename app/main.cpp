#include "Application.h"
#include "Pictures.h"
#include "mainform.h"

int main(int argc, char **argv)
{
    TApplication app(argc, argv);
    // Every window of the program, the form windows too, carries the program's icon.
    TApplication::setWindowIcon(ApplicationIcon());
    // The first window created is the application's main window; closing it ends the program.
    FrmMain = new TFrmMain;
    FrmMain->setAttribute(Qt::WA_DeleteOnClose);
    FrmMain->showMaximized();
    return app.exec();
}
