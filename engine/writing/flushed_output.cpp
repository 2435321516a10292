#include "writing/flushed_output.h"

namespace iob {

bool FlushedOutput::Flush(ConversionOutcome& outcome) {
    ConversionReport& report = outcome.report;
    if (output_.Flush()) {
        titleLines_ = report.titleLines;
        stations_ = report.stations;
        vectors_ = report.vectors;
        groups_ = report.groups;
        return true;
    }
    if (outcome.result == kResultOk) outcome.result = kResultWriteError;
    report.titleLines = titleLines_;
    report.stations = stations_;
    report.vectors = vectors_;
    report.groups = groups_;
    return false;
}

}  // namespace iob
