#pragma once

namespace tessera {

class Context;

// Every error number the program uses, one operation each.
namespace err {
enum : int {
    CreateBooksDat = 1,
    ReadSharedBooksForStats = 2,
    ReadGlobalStat = 3,
    ReadUserDetails = 4,
    ReadBookDetails = 5,
    ReadRecords = 6,
    AddBookFile = 7,
    AddComputer = 8,
    CreateRegisters = 9,
    ReadUserRegister = 14,
    DownloadNews = 15,
    Login1 = 16,
    Login2 = 17,
    DefaultParameters = 18,
    ParamDialogOpen = 19,
    ParamDialogClose = 20,
    ParamDialogDefaults = 21,
    ParamDialogWrite = 22,
    ParamDialogCancel = 23,
    ReadNewsFile = 24,
    CheckBooksDat = 25,
    ReadBooksDat = 26,
    ReadNetDat = 27,
    WriteNetDat = 28,
    ReadUserDat = 29,
    WriteUserDat = 30,
    ReadParamDb = 31,
    History = 32,
    CloseBook = 33,
    GridLoadParameters = 34,
    GridWriteParameters = 35,
    PageDefaultParameters = 36,
    AutoSave1 = 37,
    AutoSave2 = 38,
    RefreshConsole = 39,
    ResetStatistics = 40,
    Logout = 41,
    RegisterBooksUser = 42,
    RegisterComputers = 43,
    RegisterNetBooks = 44,
    RegisterUsers = 45,
    RegisterUsers2 = 46,
    CreateUser1 = 47,
    CreateUser2 = 48,
    CreateUser3 = 49,
    ReadSuggestions = 50,
    ReadTip = 51,
    CountTips = 52,
    ReadLanguageFile = 53,
    HistoryFile = 58,
    DatabaseFirst = 59,
    WriteBackRewrite = 59,
    WriteBackReopen = 60,
    ExtractPicture = 61,
    ReplaceReadPicture = 62,
    ReplaceReopen = 63,
    ReplaceRewrite = 64,
    InsertRewrite = 65,
    InsertReopen = 66,
    DeleteReopen = 67,
    DeleteRewrite = 68,
    DatabaseLast = 68,
    PackFirst = 70,
    PackReadMemberFirst = 70,   // + member index 0..6
    PackAppendMemberFirst = 77, // + member index 0..6
    PackOther = 84,
    PackLast = 84,
    ReadMagic = 85,
    UnpackFirst = 86,
    UnpackRead = 92,
    UnpackNotepad = 93,
    UnpackLast = 93,
    SaveLibrary = 94,
    CopyFile = 95,
    DeleteWorkingFirst = 97,
    DeleteWorkingLast = 103,
};
} // namespace err

// How far the error convention goes: all the way (the message, then the
// program stops), only into the log, or only into the error number.
enum class ErrorMode { Fatal, LogOnly, RecordOnly };

// The error convention: record the number, log "ERR n", show language entry 1
// + ": " + n as an error, terminate and set the fatal-error flag.
void reportError(Context& ctx, int number, ErrorMode mode = ErrorMode::Fatal);

} // namespace tessera
