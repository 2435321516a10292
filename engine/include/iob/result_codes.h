// Result codes of a conversion: 0 for success, otherwise the number of the
// message that reports the failure.
#pragma once

#include <iob/string_table.h>

namespace iob {

enum ResultCode : int {
    kResultOk = 0,
    kResultOutOfMemory = kMsgOutOfMemory,
    kResultWriteError = kMsgWriteError,
    kResultReadError = kMsgReadError,
    kResultUnsupportedSetting = kMsgUnsupportedSetting,
    kResultTooManyElements = kMsgTooManyElements,
    kResultSemicolonInName = kMsgSemicolonInName,
    kResultInvalidUnitFactor = kMsgInvalidUnitFactor,
    kResultUnsupportedRecord = kMsgUnsupportedRecord,
    kResultNoStationPosition = kMsgNoStationPosition,
    kResultWeightsNotInvertible = kMsgWeightsNotInvertible,
    kResultNamesWrittenAlike = kMsgNamesWrittenAlike,
};

}  // namespace iob
