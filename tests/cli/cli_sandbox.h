#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

#include "support/temp_folder.h"

namespace zorvik::test {

struct CliRun {
    int exitCode = -1; // -1: ended by a signal
    std::string out;
    std::string err;
    long peakKilobytes = -1; // the program's largest resident memory, as the kernel counts it
};

// The companion installed in a temporary folder: app/ holds the program,
// its Settings.ini (TempDir tmp/) and a copy of the bundled plug-in in
// ArchiverDLLs/; it runs from work/, where its db.sqlite3 lands; chars/
// is the character folder.
class CliSandbox {
public:
    CliSandbox();

    // Runs the program with words and waits for it.
    CliRun run(const std::vector<std::string>& words) const;

    // Starts the program with words and returns at once; output goes to
    // the files out and err of the root folder.
    pid_t start(const std::vector<std::string>& words) const;
    // Waits for a started program; its exit code and output.
    CliRun finish(pid_t process) const;

    // Runs the program with standard output and standard error on one
    // pseudo-terminal, as in a terminal window; out gets what the terminal
    // shows, err stays empty.
    CliRun runOnTerminal(const std::vector<std::string>& words) const;

    // A word as the shell reads it literally.
    static std::string quote(const std::string& word);

    TempFolder root;
    // The program's locale (LC_ALL): a Settings.ini without Language
    // follows it, so it is fixed rather than taken from the test's own.
    std::string locale = "C";
    std::string program;
    std::string characters;
    std::string temporary;
    std::string catalogue;

private:
    // The shell command that runs the program in work/.
    std::string invocation(const std::vector<std::string>& words) const;
    std::string commandLine(const std::vector<std::string>& words) const;
};

} // namespace zorvik::test
