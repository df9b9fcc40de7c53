#include "errors/runtime_error.h"

#include <QCoreApplication>

#include <clocale>

namespace errors {
namespace {

// Descriptions are English sentences, and the system error texts inside them (strerror, and Qt's
// errorString() built on it) must be English too. Both follow LC_MESSAGES, which QCoreApplication
// has just set from the user's locale; this runs right after that, in every program that can
// raise a RuntimeError.
void englishSystemMessages()
{
    std::setlocale(LC_MESSAGES, "C");
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(englishSystemMessages)

RuntimeError::RuntimeError(qint32 number, QString description)
    : m_number(number), m_description(std::move(description)),
      m_what(QStringLiteral("%1 - %2").arg(m_number).arg(m_description).toUtf8())
{
}

} // namespace errors
