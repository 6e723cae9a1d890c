#pragma once

// Conversion of package text stored in the IBM PC code page 437 (packages of
// type 1) to the Windows code page 1252 the program works in.

#include <string>

// The code page 1252 byte for one byte of code page 437 text. Bytes below
// 0x80 are the same in both; a character code page 1252 lacks becomes 0xA4.
unsigned char OemToAnsi(unsigned char byte);

// Converts every byte of text in place.
void ConvertOemToAnsi(std::string &text);
