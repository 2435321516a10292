#include "conversion_run.h"

#include <iob/show_message.h>

namespace iob {

Conversion Convert(MemoryFile& input, MemoryFile& output, ConversionSettings& settings, OutputSyntax syntax) {
    Conversion run;
    MessagePresenter previous =
        SetMessagePresenter([&run](unsigned number, unsigned, const std::string& text, const std::string&) {
            run.messages.push_back({number, text});
            return kButtonOk;
        });
    std::FILE* in = input.Open("rb");
    std::FILE* out = output.Open("wb");
    {
        TextReader reader(in);
        TextWriter writer(out);
        ConversionOutcome outcome = RunConversion(settings, reader, writer, syntax);
        ShowConversionFailure(outcome);
        run.result = outcome.result;
        run.lineCounter = outcome.failingLine;
        run.report = outcome.report;
#ifdef IOB_FAILING_STREAMS
        run.refusedWrites = output.failedWrites;
#endif
        writer.Flush();
    }
    input.Close(in);
    output.Close(out);
    SetMessagePresenter(previous);
    run.output = output.data;
    return run;
}

Conversion Convert(const std::string& iob, ConversionSettings& settings) {
    MemoryFile input{iob};
    MemoryFile output;
    return Convert(input, output, settings);
}

Conversion Convert(const std::string& iob, OutputSyntax syntax) {
    ConversionSettings settings;
    MemoryFile input{iob};
    MemoryFile output;
    return Convert(input, output, settings, syntax);
}

std::string IobLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

std::string OutputLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

std::string FirstLine(const std::string& output) {
    const std::size_t end = output.find("\r\n");
    return end == std::string::npos ? output : output.substr(0, end + 2);
}

std::vector<std::string> OutputFields(const std::string& line) {
    const std::string text = line.substr(0, line.find("\r\n"));
    std::vector<std::string> fields;
    std::size_t start = 0;
    std::size_t end = 0;
    while ((end = text.find("; ", start)) != std::string::npos) {
        fields.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    fields.push_back(text.substr(start));
    return fields;
}

std::string DefaultHeader() {
    return OutputLines({" ", "$DATUM", "  NAD 83", "  6378137.0000", "  298.2572221", "", "$UNITS", "M", "D", "1", "",
                        "$NETTYP", "3", "", "! IOB-File Record Type PLH or PLO"});
}

}  // namespace iob
