// A stand-in archiver plug-in for the manager's tests, built in several
// variants. TEST_PREFIX names its exports; TEST_CHECK_RESULT is what
// CheckArchive answers; TEST_NO_QUERY, TEST_NO_CHECK and TEST_NO_COMMAND
// leave the respective export out.
//
// The command function writes "<prefix>|<owner window>|<command line>" and
// succeeds, unless the command line holds "fail" (failure with a text) or
// "flood" (fills the whole buffer without a terminator).

#include <cstdio>
#include <cstring>

#include "core/archive/archiver_abi.h"

#define TEST_CONCAT2(a, b) a##b
#define TEST_CONCAT(a, b) TEST_CONCAT2(a, b)
#define TEST_EXPORT_NAME(suffix) TEST_CONCAT(TEST_PREFIX, suffix)
#define TEST_STRING2(a) #a
#define TEST_STRING(a) TEST_STRING2(a)

#ifndef TEST_NO_COMMAND
ZORVIK_ARCHIVER_EXPORT int ZORVIK_ARCHIVER_CALL TEST_PREFIX(void* ownerWindow,
                                                            const char* commandLine, char* output,
                                                            int outputSize) {
    if (std::strstr(commandLine, "flood") != nullptr) {
        std::memset(output, 'x', static_cast<std::size_t>(outputSize));
        return 0;
    }
    if (std::strstr(commandLine, "fail") != nullptr) {
        std::snprintf(output, static_cast<std::size_t>(outputSize), "failed: %s", commandLine);
        return 7;
    }
    std::snprintf(output, static_cast<std::size_t>(outputSize), "%s|%p|%s",
                  TEST_STRING(TEST_PREFIX), ownerWindow, commandLine);
    return 0;
}
#endif

#ifndef TEST_NO_CHECK
ZORVIK_ARCHIVER_EXPORT int ZORVIK_ARCHIVER_CALL TEST_EXPORT_NAME(CheckArchive)(const char*, int) {
    return TEST_CHECK_RESULT;
}
#endif

#ifndef TEST_NO_QUERY
ZORVIK_ARCHIVER_EXPORT int ZORVIK_ARCHIVER_CALL TEST_EXPORT_NAME(QueryFunctionList)(int) {
    return 1;
}
#endif

ZORVIK_ARCHIVER_EXPORT int ZORVIK_ARCHIVER_CALL TEST_EXPORT_NAME(GetVersion)() {
    return 100;
}
ZORVIK_ARCHIVER_EXPORT int ZORVIK_ARCHIVER_CALL TEST_EXPORT_NAME(GetRunning)() {
    return 0;
}
