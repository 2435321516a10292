// The two syntaxes of QUORVANE input that a conversion can write.
#pragma once

namespace iob {

enum class OutputSyntax : unsigned char {
    // $DATUM, $GEO_COMPACT and $GPS_COMPACT: the stations and GPS vectors of
    // a network. The default.
    kCompact,
    // One line a record (_DATUM, _STA_COORD, _OBS_GPS_SET, ...): also the
    // fixed components of stations and the terrestrial observations (DIST,
    // AZIM, ZANG, ANGL with the HI and HT heights).
    kSingleLine,
};

}  // namespace iob
