#include "app/lumvik_app.h"
#include "platform/system_messages.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    // After QApplication, which sets the C locale from the environment: error descriptions are
    // English, system texts inside them included.
    platform::useEnglishSystemMessages();
    LumvikApp lumvik;
    // A second start ends here, before anything is shown, and leaves the first alone.
    if (!lumvik.start())
        return 0;
    return QApplication::exec();
}
