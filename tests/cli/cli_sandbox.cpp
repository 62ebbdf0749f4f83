#include "cli_sandbox.h"

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zorvik::test {

namespace fs = std::filesystem;

namespace {

int exitCodeOf(int status) {
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

CliSandbox::CliSandbox()
    : program(root.makeFolder("app") + "/zorvik-cli"), characters(root.makeFolder("chars")),
      temporary(root.makeFolder("tmp")), catalogue(root.makeFolder("work") + "/db.sqlite3") {
    fs::copy_file(ZORVIK_CLI, program);
    fs::copy(ZORVIK_PLUGIN_DIR, root.makeFolder("app/ArchiverDLLs"));
    root.write("app/Settings.ini", "[General]\r\nTempDir=" + temporary + "/\r\n");
}

std::string CliSandbox::quote(const std::string& word) {
    std::string quoted = "'";
    for (const char c : word) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

std::string CliSandbox::invocation(const std::vector<std::string>& words) const {
    // exec, so that the process started is the program itself.
    std::string command = "cd " + quote(root.file("work")) + " && export LANGUAGE= LC_ALL=" +
                          quote(locale) + " LC_MESSAGES= LANG= && exec " + quote(program);
    for (const std::string& word : words) {
        command += " " + quote(word);
    }
    return command;
}

std::string CliSandbox::commandLine(const std::vector<std::string>& words) const {
    return invocation(words) + " >" + quote(root.file("out")) + " 2>" + quote(root.file("err"));
}

CliRun CliSandbox::run(const std::vector<std::string>& words) const {
    return finish(start(words));
}

pid_t CliSandbox::start(const std::vector<std::string>& words) const {
    const std::string command = commandLine(words);
    const pid_t process = fork();
    if (process == 0) {
        execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    return process;
}

CliRun CliSandbox::finish(pid_t process) const {
    int status = 0;
    struct rusage usage {};
    if (process < 0 || wait4(process, &status, 0, &usage) != process) {
        return {};
    }
    return {exitCodeOf(status), readFile(root.file("out")), readFile(root.file("err")), usage.ru_maxrss};
}

CliRun CliSandbox::runOnTerminal(const std::vector<std::string>& words) const {
    const int terminal = posix_openpt(O_RDWR | O_NOCTTY);
    if (terminal < 0 || grantpt(terminal) != 0 || unlockpt(terminal) != 0) {
        return {};
    }
    const std::string sideName = ptsname(terminal);
    const std::string command = invocation(words);
    const pid_t process = fork();
    if (process == 0) {
        setsid();
        const int programSide = open(sideName.c_str(), O_RDWR);
        dup2(programSide, STDOUT_FILENO);
        dup2(programSide, STDERR_FILENO);
        execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    if (process < 0) {
        close(terminal);
        return {};
    }
    // Read until the program's side is closed (EIO), then collect it.
    std::string shown;
    char buffer[4096];
    ssize_t got = 0;
    while ((got = read(terminal, buffer, sizeof buffer)) > 0) {
        shown.append(buffer, static_cast<std::size_t>(got));
    }
    close(terminal);
    int status = 0;
    if (waitpid(process, &status, 0) != process) {
        return {};
    }
    return {exitCodeOf(status), shown, "", -1};
}

} // namespace zorvik::test
