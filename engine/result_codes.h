// Result codes of a conversion: 0 for success, otherwise the number of the
// message that reports the failure.
#pragma once

#include "string_table.h"

enum ResultCode : int {
    kResultOk = 0,
    kResultOutOfMemory = kMsgOutOfMemory,
    kResultWriteError = kMsgWriteError,
    kResultReadError = kMsgReadError,
    kResultUnsupportedSetting = kMsgUnsupportedSetting,
    kResultTooManyElements = kMsgTooManyElements,
};
