#include "platform/message_boxes.h"

#include <cstdio>

namespace platform {
namespace {
MessagePresenter*& installedPresenter()
{
    static MessagePresenter* presenter = nullptr;
    return presenter;
}
} // namespace

MessageAnswer showMessage(const MessageRequest& request)
{
    if (MessagePresenter* presenter = installedPresenter())
        return presenter->present(request);
    std::fprintf(stderr, "%s: %s\n", qPrintable(request.caption), qPrintable(request.text));
    return request.defaultAnswer;
}

ScopedMessagePresenter::ScopedMessagePresenter(MessagePresenter& presenter)
    : ScopedOverride(installedPresenter(), &presenter)
{
}

} // namespace platform
