#include "platform/widget_presenters.h"
#include "version.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    platform::WidgetMessagePresenter messages;
    platform::ScopedMessagePresenter installMessages(messages);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Lumvik Version %1.%2.%3").arg(app::kVersionMajor).arg(app::kVersionMinor).arg(app::kVersionRevision));
    window.show();
    return app.exec();
}
