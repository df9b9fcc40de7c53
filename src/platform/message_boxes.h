#pragma once

#include "platform/scoped_override.h"

#include <QString>

namespace platform {

enum class MessageIcon { None, Information, Stop };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

struct MessageRequest
{
    QString text;
    QString caption = QStringLiteral("Lumvik");
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    MessageAnswer defaultAnswer = MessageAnswer::Ok;
};

// The one seam every modal message box goes through. The GUI installs a presenter that shows
// real boxes; tests install one that records the request and answers it.
class MessagePresenter
{
public:
    virtual ~MessagePresenter() = default;
    virtual MessageAnswer present(const MessageRequest& request) = 0;
};

// Shows the box and waits for the answer. Without an installed presenter (a tool without a
// display) the text goes to stderr and the default answer is taken.
MessageAnswer showMessage(const MessageRequest& request);

// Installs presenter for the lifetime of the guard.
class ScopedMessagePresenter : public ScopedOverride<MessagePresenter*>
{
public:
    explicit ScopedMessagePresenter(MessagePresenter& presenter);
};

} // namespace platform
