#include "app/lumvik_app.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    LumvikApp lumvik;
    // A second start ends here, before anything is shown, and leaves the first alone.
    if (!lumvik.start())
        return 0;
    return QApplication::exec();
}
