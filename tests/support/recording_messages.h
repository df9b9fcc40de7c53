#pragma once

#include "platform/message_boxes.h"

#include <QStringList>

namespace testsupport {

// Records the text of every message box and answers it with OK. Used by the fuzzer and the
// benchmarks too, so it needs no test framework.
class RecordingMessages : public platform::MessagePresenter
{
public:
    QStringList texts;

    platform::MessageAnswer present(const platform::MessageRequest& request) override
    {
        texts.append(request.text);
        return platform::MessageAnswer::Ok;
    }
};

} // namespace testsupport
