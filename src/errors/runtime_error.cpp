#include "errors/runtime_error.h"

#include "platform/system_messages.h"

#include <QCoreApplication>

namespace errors {
namespace {

// The start-up macro takes an unqualified name.
void englishSystemMessages()
{
    platform::useEnglishSystemMessages();
}

} // namespace

// Runs as QCoreApplication starts, after it has set the locale from the environment. Registered
// here because every program that can raise a RuntimeError links this file, while a start-up
// function in a file of a static library that nothing calls into is dropped by the linker.
Q_COREAPP_STARTUP_FUNCTION(englishSystemMessages)

RuntimeError::RuntimeError(qint32 number, QString description)
    : m_number(number), m_description(std::move(description)),
      m_what(QStringLiteral("%1 - %2").arg(m_number).arg(m_description).toUtf8())
{
}

} // namespace errors
