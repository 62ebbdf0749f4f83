#pragma once

// The call contract between the archiver plug-in manager and an archiver
// plug-in library. Every export of a plug-in is named by the plug-in's prefix:
// the command function is the prefix alone, the others are the prefix
// followed by one of the suffixes below. This header is plain C so that a
// plug-in may be written in C or C++ without the rest of the program.

#if defined(_WIN32)
#define ZORVIK_ARCHIVER_CALL __stdcall
#define ZORVIK_ARCHIVER_VISIBLE __declspec(dllexport)
#else
#define ZORVIK_ARCHIVER_CALL
#define ZORVIK_ARCHIVER_VISIBLE __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
#define ZORVIK_ARCHIVER_EXPORT extern "C" ZORVIK_ARCHIVER_VISIBLE
#else
#define ZORVIK_ARCHIVER_EXPORT ZORVIK_ARCHIVER_VISIBLE
#endif

#define ZORVIK_ARCHIVER_CHECK_ARCHIVE "CheckArchive"
#define ZORVIK_ARCHIVER_QUERY_FUNCTION_LIST "QueryFunctionList"
#define ZORVIK_ARCHIVER_GET_VERSION "GetVersion"
#define ZORVIK_ARCHIVER_GET_RUNNING "GetRunning"

// The output buffer size the manager always passes to the command function.
#define ZORVIK_ARCHIVER_OUTPUT_SIZE 8192

// Function numbers a plug-in's QueryFunctionList answers for.
enum ZorvikArchiverFunction {
    ZORVIK_ARCHIVER_FUNCTION_COMMAND = 0,
    ZORVIK_ARCHIVER_FUNCTION_CHECK_ARCHIVE = 1,
    ZORVIK_ARCHIVER_FUNCTION_GET_VERSION = 2,
    ZORVIK_ARCHIVER_FUNCTION_GET_RUNNING = 3,
    ZORVIK_ARCHIVER_FUNCTION_QUERY_FUNCTION_LIST = 4,
    // The command function also understands the listing command below.
    ZORVIK_ARCHIVER_FUNCTION_LIST_COMMAND = 5
};

// The listing command, for plug-ins that answer 1 for
// ZORVIK_ARCHIVER_FUNCTION_LIST_COMMAND (plug-ins without it are never asked):
//   l "<archive>" [-from:<n>]
// The output lists the archive's files, as an extraction keeping folders
// would write them, in the archive's order and with '/' between folders:
//   files: <count>        followed by count lines, one file each
//   next: <n>             only when more files follow; ask again with -from:<n>
// A failure returns non-zero with the output "error: <why>".

// Runs a command line (UTF-8, zero-terminated). The plug-in writes its own
// zero-terminated output text of at most outputSize bytes into output.
// Returns 0 on success, anything else on failure.
typedef int(ZORVIK_ARCHIVER_CALL* ZorvikArchiverCommandFunction)(void* ownerWindow,
                                                                 const char* commandLine,
                                                                 char* output, int outputSize);

// Returns exactly 1 when the plug-in handles the archive at path; mode is 0.
typedef int(ZORVIK_ARCHIVER_CALL* ZorvikArchiverCheckArchiveFunction)(const char* path, int mode);

// Returns 1 when the plug-in offers the numbered function (ZorvikArchiverFunction).
typedef int(ZORVIK_ARCHIVER_CALL* ZorvikArchiverQueryFunctionListFunction)(int function);

// The plug-in's version times 100 (1.00 is 100).
typedef int(ZORVIK_ARCHIVER_CALL* ZorvikArchiverGetVersionFunction)(void);

// 1 while a command of the plug-in is running, else 0.
typedef int(ZORVIK_ARCHIVER_CALL* ZorvikArchiverGetRunningFunction)(void);
