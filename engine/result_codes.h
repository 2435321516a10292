// Result codes of a conversion: 0 for success, otherwise the number of the
// message that reports the failure.
#pragma once

enum ResultCode : int {
    kResultOk = 0,
    kResultOutOfMemory = 5001,
    kResultWriteError = 5013,
    kResultReadError = 5014,
    kResultUnsupportedSetting = 5111,
    kResultTooManyElements = 5112,
};
