#pragma once
// The store never shows a window: every message it has for the user goes to
// one handler, installed by the program at start-up (message box) or by a
// test (recorder). The default writes to standard error.

#include <functional>
#include <string>

using StoreMessageHandler = std::function<void(const std::string&)>;

// Installs the handler and returns the previous one.
StoreMessageHandler SetStoreMessageHandler(StoreMessageHandler handler);

// Shows a message through the installed handler.
void ShowStoreMessage(const std::string& message);
