// Trimming of NUL-ended byte buffers in place, for IOB fields and for the
// file names that browsing handles.
#pragma once

namespace iob {

// A blank byte is a byte value of 0 to 32 (control bytes and the space).
// Bytes 128-255 are ordinary, so names keep their UTF-8 or Latin-1 letters.
inline bool IsBlankByte(char byte) { return static_cast<unsigned char>(byte) <= 32; }

// "  ab c \t" -> TrimLeading "ab c \t", TrimTrailing "  ab c", TrimBoth "ab c".
char* TrimLeading(char* text);
char* TrimTrailing(char* text);
char* TrimBoth(char* text);
// "C:\\dir\\\\" with '\\' -> "C:\\dir".
char* TrimTrailingChar(char* text, char ch);

}  // namespace iob
