#include "app/lumvik_app.h"
#include "startup/first_paint.h"

#include <QApplication>

// Lumvik's own start-up, as main() runs it, ending at the main window's first paint.
int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    LumvikApp lumvik;
    if (!lumvik.start())
        return 1;
    reportFirstPaintAndQuit(lumvik.window());
    return QApplication::exec();
}
