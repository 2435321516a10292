// Writers of whole output lines. Each tests the output's error indicator
// after writing and then sets the result code to 5013; the indicator stays
// set, so every later writer reports 5013 again.
#pragma once

#include "convert.h"

// Writes `text` and a line end; the empty text is written as one blank.
// Sets `result` to 0 first.
void WriteTextLine(TextWriter& output, const char* text, int& result);

// Writes the 13 lines of $DATUM, $UNITS and $NETTYP. Sets `result` to 0 first.
void WriteHeaderBlock(const ConversionSettings& settings, TextWriter& output, int& result);
