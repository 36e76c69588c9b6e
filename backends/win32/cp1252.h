#pragma once
// The program's texts are code page 1252 bytes; dialog templates hold UTF-16.
#include <string_view>
#include <string>

// UTF-16 code units of the code page 1252 text (no terminator). The five
// bytes that code page leaves undefined map to the code point of equal value.
std::u16string Cp1252ToUtf16(std::string_view text);
