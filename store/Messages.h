#pragma once
// The store never shows a window: every message it has for the user goes to
// one handler, installed by the program at start-up (message box) or by a
// test (recorder). The default writes to standard error.

#include "store/FileError.h"

#include <functional>
#include <string>

using StoreMessageHandler = std::function<void(const std::string&)>;

// Installs the handler and returns the previous one.
StoreMessageHandler SetStoreMessageHandler(StoreMessageHandler handler);

// Shows a message through the installed handler.
void ShowStoreMessage(const std::string& message);

// Shows the file-error table's message for cause, naming path.
void ShowFileError(FileErrorCause cause, const std::string& path);
