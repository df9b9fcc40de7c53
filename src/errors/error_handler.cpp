#include "errors/error_handler.h"

#include "errors/error_log.h"
#include "platform/clock.h"
#include "platform/message_boxes.h"

#include <QDir>

namespace errors {

void Error_Handler(const QString& procedureName, const RuntimeError& error)
{
    QString text = errorSummary(procedureName, error);
    if (!appendToErrorLog(logLine(platform::now(), procedureName, error)))
        text +=
            QStringLiteral("\nThe error log could not be written: %1").arg(QDir::toNativeSeparators(errorLogPath()));

    platform::MessageRequest box;
    box.text = text;
    box.caption = QStringLiteral("Warning");
    box.icon = platform::MessageIcon::Stop;
    box.buttons = platform::MessageButtons::Ok;
    platform::showMessage(box);
}

} // namespace errors
