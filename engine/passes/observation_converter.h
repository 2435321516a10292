// The terrestrial observations of the single-line syntax: DIST, AZIM, ZANG
// and ANGL records become observation lines as they are read, with the
// instrument and target heights of the HI and HT records read before them.
#pragma once

#include <optional>
#include <string>
#include <unordered_map>

#include <iob/conversion_outcome.h>
#include <iob/conversion_settings.h>
#include <iob/text_stream.h>

#include "passes/name_checks.h"
#include "reading/record_view.h"
#include "writing/records.h"

namespace iob {

// Whether the single-line syntax converts records of `recordType`, as
// RunPass hands it over: DIST, AZIM, ZANG, ANGL, HI and HT.
bool IsObservationOrHeightRecord(const char* recordType);

class ObservationConverter {
public:
    ObservationConverter(const ConversionSettings& settings, WrittenNames& names, TextWriter& output,
                         ConversionOutcome& outcome)
        : settings_(settings), names_(names), output_(output), outcome_(outcome) {}

    // Converts `record` when it is an observation or a height record, and
    // returns whether it was one. An observation that cannot be converted
    // whole (its standard deviation names a sigma record, a negative zenith
    // angle, an angle of a file whose ANGT record is not read) is counted
    // in the report instead. Sets the result to 5013 on a write error, 5113
    // for a name holding ';' and 5118 for a name written like an earlier,
    // different one.
    bool OnRecord(const RecordView& record);

    // The lines written next follow other lines than observations (a GPS
    // group's): they open with a comment line of their own.
    void EndRun() { inRun_ = false; }

    // Whether any azimuth, zenith angle or horizontal angle was written.
    bool WroteAngles() const { return wroteAngles_; }

private:
    void OnHeight(const RecordView& record, std::unordered_map<std::string, double>& heights);
    // Why `record`, an observation of `kind`, is not converted; false when it is.
    bool Refuse(const RecordView& record, ObservationRecord::Kind kind);
    bool RefuseNames(const RecordView& record, const ObservationRecord& observation, const Field (&names)[3]);
    // The empty line and the comment that open a run of observation lines, once.
    void OpenRun();
    void Write(const ObservationRecord& observation);

    const ConversionSettings& settings_;
    WrittenNames& names_;
    TextWriter& output_;
    ConversionOutcome& outcome_;
    // The instrument (HI) and target (HT) heights read so far, in metres, by
    // the written name of their station: each holds until the next for it.
    std::unordered_map<std::string, double> instrumentHeights_;
    std::unordered_map<std::string, double> targetHeights_;
    std::optional<double> refraction_;  // the coefficient written last
    bool inRun_ = false;
    bool wroteAngles_ = false;
};

}  // namespace iob
