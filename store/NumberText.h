#pragma once
// Numbers as text the way the diary shows and prints them: C-locale "%0.1f"
// style, a decimal point whatever the user's locale, ties rounded as printf
// rounds them (36.25 -> "36.2").

#include <string>

std::string FormatFixed(double value, int decimals);
