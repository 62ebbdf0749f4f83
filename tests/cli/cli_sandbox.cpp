#include "cli_sandbox.h"

#include <filesystem>
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

std::string CliSandbox::commandLine(const std::vector<std::string>& words) const {
    // exec, so that the process started is the program itself.
    std::string command = "cd " + quote(root.file("work")) + " && exec " + quote(program);
    for (const std::string& word : words) {
        command += " " + quote(word);
    }
    return command + " >" + quote(root.file("out")) + " 2>" + quote(root.file("err"));
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
    if (process < 0 || waitpid(process, &status, 0) != process) {
        return {};
    }
    return {exitCodeOf(status), readFile(root.file("out")), readFile(root.file("err"))};
}

} // namespace zorvik::test
