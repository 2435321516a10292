#include "writing/flushed_output.h"

namespace iob {

bool FlushedOutput::Flush(ConversionOutcome& outcome) {
    ConversionReport& report = outcome.report;
    if (output_.Flush()) {
        flushed_ = report.written;
        return true;
    }
    if (outcome.result == kResultOk) outcome.result = kResultWriteError;
    report.written = flushed_;
    return false;
}

}  // namespace iob
