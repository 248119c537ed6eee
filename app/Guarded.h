#pragma once
// Runs a command of the main window, showing a file error that escapes it
// once, centred on `parent`.

#include <functional>

class QWidget;

void Guarded(QWidget* parent, const std::function<void()>& command);
