// The string table: every text the program shows, under its number.
#pragma once

namespace iob {

// Message numbers that double as conversion result codes.
enum MessageNumber : unsigned {
    kMsgAboutMenuEntry = 101,
    kMsgOutOfMemory = 5001,
    kMsgWriteError = 5013,
    kMsgReadError = 5014,
    kMsgEnterOutputName = 5022,
    kMsgEnterIobName = 5023,
    kMsgCannotOpen = 5031,
    kMsgSameFile = 5032,
    kMsgSuccess = 5041,
    kMsgReplaceFile = 5051,
    kMsgReplaceIobFile = 5052,
    kMsgUnsupportedSetting = 5111,
    kMsgTooManyElements = 5112,
    kMsgSemicolonInName = 5113,
    kMsgInvalidUnitFactor = 5114,
    kMsgUnsupportedRecord = 5115,
    kMsgNoStationPosition = 5116,
    kMsgWeightsNotInvertible = 5117,
    kMsgNamesWrittenAlike = 5118,
    // The conversion report, in pieces; singular and plural each have their own.
    kReportStation = 6001,
    kReportStations = 6002,
    kReportVector = 6003,
    kReportVectors = 6004,
    kReportGroup = 6005,
    kReportGroups = 6006,
    kReportSummary = 6007,
    kReportNotConverted = 6008,
    kReportRecord = 6009,
    kReportRecords = 6010,
    kReportIncompleteGroup = 6011,
    kReportIncompleteGroupOfOne = 6012,
    kReportUnknownRecord = 6013,
    kReportUnknownRecords = 6014,
    kReportUnknownType = 6015,
    kReportCutLine = 6016,
    kReportCutLines = 6017,
    kReportIncludeLine = 6018,
    kReportIncludeLines = 6019,
    kReportLineAfterEnd = 6020,
    kReportLinesAfterEnd = 6021,
    kReportNothingConverted = 6022,
    kReportDatumCarriedOver = 6023,
    kMsgIobFilter = 7001,
    kMsgIobBrowseTitle = 7002,
    kMsgOutputFilter = 7011,
    kMsgOutputBrowseTitle = 7012,
    kMsgProgressTitle = 7021,
    kMsgConverting = 7022,
};

// The text of entry `number`; the empty text for a number the table does not hold.
const char* LoadString(unsigned number);

}  // namespace iob
