#include "output_lines.h"

#include <cmath>
#include <cstring>

#include "number_text.h"

void WriteTextLine(TextWriter& output, const char* text, int& result) {
    result = kResultOk;
    // The text is right-aligned in a field of width 1: never an empty line.
    if (text[0] == '\0') {
        output.Write(" \n", 2);
    } else {
        output.Write(text, std::strlen(text));
        output.Write("\n", 1);
    }
    if (output.Failed()) result = kResultWriteError;
}

void WriteHeaderBlock(const ConversionSettings& settings, TextWriter& output, int& result) {
    result = kResultOk;
    std::string datum = "$DATUM\n  " + settings.datumName + "\n  ";
    AppendFixed(datum, settings.semiMajorAxis, 4);
    datum += "\n  ";
    // A sphere (a equal to b) has no finite inverse flattening; 0 is its usual notation.
    double inverseFlattening = std::isfinite(settings.inverseFlattening) ? settings.inverseFlattening : 0.0;
    AppendFixed(datum, inverseFlattening, 7);
    datum += "\n";
    const char* sections[] = {"\n$UNITS\nM\nD\n1\n", "\n$NETTYP\n3\n\n"};

    output.Write(datum.data(), datum.size());
    for (const char* section : sections) {
        if (output.Failed()) break;
        output.Write(section, std::strlen(section));
    }
    if (output.Failed()) result = kResultWriteError;
}
