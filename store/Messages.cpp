#include "store/Messages.h"

#include <iostream>
#include <utility>

namespace {

StoreMessageHandler& Handler()
{
    static StoreMessageHandler handler = [](const std::string& message) {
        std::cerr << message << '\n';
    };
    return handler;
}

} // namespace

StoreMessageHandler SetStoreMessageHandler(StoreMessageHandler handler)
{
    return std::exchange(Handler(), std::move(handler));
}

void ShowStoreMessage(const std::string& message)
{
    if (Handler())
        Handler()(message);
}

void ShowFileError(FileErrorCause cause, const std::string& path)
{
    ShowStoreMessage(FileErrorMessage(cause, path));
}
