#include <cstdlib>
#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <optional>
#include <set>
#include <sys/inotify.h>
#include <unistd.h>

#include "cli_sandbox.h"
#include "core/text/encoding.h"
#include "support/archive_writer.h"
#include "support/standing_character.h"

namespace zorvik::test {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

// The names made directly inside a folder while the object lives.
class CreatedNames {
public:
    explicit CreatedNames(const std::string& folder) : fd_(inotify_init1(IN_NONBLOCK)) {
        inotify_add_watch(fd_, folder.c_str(), IN_CREATE);
    }
    ~CreatedNames() { close(fd_); }
    CreatedNames(const CreatedNames&) = delete;
    CreatedNames& operator=(const CreatedNames&) = delete;

    std::set<std::string> names() const {
        std::set<std::string> made;
        alignas(inotify_event) char buffer[4096];
        ssize_t got = 0;
        while ((got = read(fd_, buffer, sizeof buffer)) > 0) {
            for (ssize_t at = 0; at < got;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
                if (event->len > 0) {
                    made.insert(event->name);
                }
                at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            }
        }
        return made;
    }

private:
    int fd_;
};

bool anyStartsWith(const std::set<std::string>& names, const std::string& prefix) {
    for (const std::string& name : names) {
        if (name.rfind(prefix, 0) == 0) {
            return true;
        }
    }
    return false;
}

// TMPDIR for the programs the test runs, as it was afterwards.
class SystemTemporaryFolder {
public:
    explicit SystemTemporaryFolder(const std::string& folder) {
        if (const char* old = std::getenv("TMPDIR")) {
            old_ = old;
        }
        setenv("TMPDIR", folder.c_str(), 1);
    }
    ~SystemTemporaryFolder() {
        if (old_) {
            setenv("TMPDIR", old_->c_str(), 1);
        } else {
            unsetenv("TMPDIR");
        }
    }
    SystemTemporaryFolder(const SystemTemporaryFolder&) = delete;
    SystemTemporaryFolder& operator=(const SystemTemporaryFolder&) = delete;

private:
    std::optional<std::string> old_;
};

class FramesPaths : public ::testing::Test, public CliSandbox {
protected:
    CliRun framesOfFirst() const {
        return run({"frames", "--id", "1", "--main-dir", characters, root.file("frames")});
    }

    void registerZippedCharacter() {
        const StandingCharacter character;
        writeArchive(root.file("chars/stander.zip"), ArchiveFormat::Zip,
                     {FixtureEntry::file("stander/stand.def", character.defText()),
                      FixtureEntry::file("stander/stand.air", character.airText()),
                      FixtureEntry::file("stander/stand.sff", character.sffBytes())});
        ASSERT_EQ(run({"update", "--main-dir", characters}).exitCode, 0);
    }
};

TEST_F(FramesPaths, AnEmptyTempDirExtractsIntoTheSystemsTemporaryFolderNeverTheRoot) {
    registerZippedCharacter();
    root.write("app/Settings.ini", "[General]\r\nTempDir=\r\n");
    const SystemTemporaryFolder system(root.makeFolder("system-tmp"));
    const CreatedNames inRoot("/");
    const CreatedNames inSystem(root.file("system-tmp"));
    const CliRun frames = framesOfFirst();
    ASSERT_EQ(frames.exitCode, 0) << frames.err;
    EXPECT_FALSE(anyStartsWith(inRoot.names(), "zorvik-scratch-frames-"));
    EXPECT_TRUE(anyStartsWith(inSystem.names(), "zorvik-scratch-frames-"));
    EXPECT_TRUE(fs::is_empty(root.file("system-tmp")));
}

TEST_F(FramesPaths, AnExtractionFolderThatCannotBeMadeIsToldWithItsReason) {
    registerZippedCharacter();
    const std::string missing = root.file("missing");
    const CliRun frames =
        run({"frames", "--id", "1", "--main-dir", characters, "--temp-dir", missing, root.file("frames")});
    EXPECT_EQ(frames.exitCode, 1);
    EXPECT_THAT(frames.err, HasSubstr(missing));
    EXPECT_THAT(frames.err, HasSubstr("No such file or directory"));
}

TEST_F(FramesPaths, ACharacterBelowAGroupFolderNamedInShiftJisIsFound) {
    // キャラ written by a Windows tool: not UTF-8, stored decoded in FILENAME.
    const std::string group = text::utf8ToCp932("キャラ").value();
    StandingCharacter{}.writeTo(root.makeFolder("chars/" + group + "/Stander"));
    ASSERT_EQ(run({"update", "--main-dir", characters, "--subfolders", "1"}).exitCode, 0);
    const CliRun frames = framesOfFirst();
    ASSERT_EQ(frames.exitCode, 0) << frames.err;
    EXPECT_TRUE(fs::exists(root.file("frames/frames.json")));
}

} // namespace
} // namespace zorvik::test
