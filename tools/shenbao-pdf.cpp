// shenbao-pdf INPUT.qx OUTPUT.pdf: archives or batch-prints a data file's printed form as PDF.
#include "Application.h"
#include "PdfExport.h"

#include <QTextStream>

#include <cstdio>

int main(int argc, char **argv)
{
    // Runs headless where there is no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication app(argc, argv);
    QTextStream err(stderr);
    return RunShenbaoPdf(QCoreApplication::arguments(), err);
}
