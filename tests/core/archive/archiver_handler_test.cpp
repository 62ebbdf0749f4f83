#include "core/archive/archiver_handler.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "core/platform/folders.h"
#include "plugin_folder.h"
#include "support/temp_folder.h"

namespace zorvik {
namespace {

using test::PluginFolder;

std::string chosenFileName(const KelArchiverHandler& handler) {
    return handler.plugins().at(static_cast<std::size_t>(handler.selectedPlugin())).fileName();
}

// What the stand-in plug-in answers for a command line.
std::string echoed(const char* prefix, void* ownerWindow, const std::string& commandLine) {
    std::vector<char> text(commandLine.size() + 64);
    std::snprintf(text.data(), text.size(), "%s|%p|%s", prefix, ownerWindow, commandLine.c_str());
    return text.data();
}

// Runs action with standard output captured and returns what it printed.
template <typename Action> std::string traceOf(Action action) {
    testing::internal::CaptureStdout();
    action();
    return testing::internal::GetCapturedStdout();
}

TEST(KelArchiverHandler, LoadsTheUsableLibrariesInNameOrderIgnoringCase) {
    PluginFolder folder({"refuses", "Bravo", "noquery", "abcdefghijklmnopq", "sixteen", "alpha"});
    folder.write("ArchiverDLLs/readme.txt", "not a library");
    folder.write("ArchiverDLLs/broken.so", "not a library either");
    folder.writeInfo("[sixteen.so]\nPrefixStr=SixteenCharsPfxA\n"
                     "[ALPHA.SO]\nCommandL=x -a\nCommandR=*.def *.sff\n");
    const std::string before = platform::currentFolder();
    KelArchiverHandler handler(folder.path());

    EXPECT_EQ(platform::currentFolder(), before);
    ASSERT_EQ(handler.plugins().size(), 4u);
    EXPECT_EQ(handler.plugins()[0].fileName(), "alpha.so");
    EXPECT_EQ(handler.plugins()[0].commandL(), "x -a");
    EXPECT_EQ(handler.plugins()[0].commandR(), "*.def *.sff");
    EXPECT_EQ(handler.plugins()[1].fileName(), "Bravo.so");
    EXPECT_EQ(handler.plugins()[1].commandL(), "");
    EXPECT_EQ(handler.plugins()[3].prefix(), "SixteenCharsPfxA");

    // A 17-byte prefix stays refused when PrefixStr names it; loading again replaces the list.
    folder.writeInfo("[abcdefghijklmnopq.so]\nPrefixStr=abcdefghijklmnopq\n");
    EXPECT_TRUE(handler.LoadDLLs());
    EXPECT_EQ(handler.plugins().size(), 3u);
}

TEST(KelArchiverHandler, PluginFolderChoiceAndMissingFolders) {
    test::TempFolder temp;
    KelArchiverHandler handler(temp.file("absent"));
    EXPECT_FALSE(handler.LoadDLLs());
    EXPECT_FALSE(handler.OpenArchive(temp.write("a.zip", "zip")));
    handler.SetDLLDir(temp.path());
    EXPECT_FALSE(handler.LoadDLLs()); // no library in it
    handler.SetDLLDir(std::string(512, 'a'));
    EXPECT_EQ(handler.DLLDir(), temp.path());

    const std::string trace = traceOf([] { KelArchiverHandler beside; });
    EXPECT_TRUE(trace.starts_with("SetDLLDir called (NewDir = \"(null)\")DLLDir : " +
                                  platform::executableFolder() + "/ArchiverDLLs\n"))
        << trace;
}

TEST(KelArchiverHandler, TheFirstListedPluginThatAnswersExactlyOneIsChosen) {
    PluginFolder both({"Bravo", "alpha"});
    KelArchiverHandler handler(both.path());
    ASSERT_TRUE(handler.OpenArchive(both.write("chara.zip", "")));
    EXPECT_EQ(chosenFileName(handler), "alpha.so");

    PluginFolder refusing({"refuses", "nocheck"});
    KelArchiverHandler none(refusing.path());
    const std::string trace = traceOf([&] { EXPECT_FALSE(none.OpenArchive("a.zip")); });
    EXPECT_FALSE(none.isOpen());
    EXPECT_TRUE(trace.ends_with("Err:適合するアーカイバが見つからない\n")) << trace;
}

TEST(KelArchiverHandler, SecondOpenWithoutCloseIsRefused) {
    PluginFolder folder({"alpha"});
    KelArchiverHandler handler(folder.path());
    ASSERT_TRUE(handler.OpenArchive("first.zip"));

    EXPECT_FALSE(handler.OpenArchive("second.zip"));
    EXPECT_EQ(handler.output(), "Err:既に別ファイルがオープンされている");
    EXPECT_EQ(handler.archivePath(), "first.zip");
    // The refused call dropped the choice, so nothing is extracted by mistake.
    EXPECT_FALSE(handler.Extract("out/"));

    handler.CloseArchive();
    EXPECT_TRUE(handler.OpenArchive("second.zip"));
}

TEST(KelArchiverHandler, ArchivePathsOf512BytesAreRefusedAfterTheCheck) {
    PluginFolder folder({"alpha"});
    KelArchiverHandler handler(folder.path());
    const std::string trace =
        traceOf([&] { EXPECT_FALSE(handler.OpenArchive("/" + std::string(511, 'p'))); });
    EXPECT_FALSE(handler.isOpen());
    EXPECT_TRUE(trace.ends_with("TRUE\nErr:ファイル名が長すぎる\n")) << trace;
    EXPECT_TRUE(handler.OpenArchive("/" + std::string(510, 'p')));
}

TEST(KelArchiverHandler, ExtractRunsTheCommandLineOfTheChosenPlugin) {
    PluginFolder folder({"alpha"});
    folder.writeInfo("[alpha.so]\nCommandL=x -size:1k\nCommandR=*.def *.sff\n");
    KelArchiverHandler handler(folder.path());
    void* owner = &handler;
    handler.SetOwnerWindow(owner);
    ASSERT_TRUE(handler.OpenArchive("my chara.zip"));
    ASSERT_TRUE(handler.Extract("/tmp/my chara.zip/"));
    EXPECT_EQ(
        handler.output(),
        echoed("alpha", owner, "x -size:1k \"my chara.zip\" \"/tmp/my chara.zip/\" *.def *.sff"));

    // Without DLLinfo.ini the parts are empty, so the line starts with a blank.
    PluginFolder plain({"alpha"});
    KelArchiverHandler bare(plain.path());
    ASSERT_TRUE(bare.OpenArchive("a.zip"));
    ASSERT_TRUE(bare.Extract("out/"));
    EXPECT_EQ(bare.output(), echoed("alpha", nullptr, " \"a.zip\" \"out/\" "));
}

TEST(KelArchiverHandler, CommandLinePartsMayAddUpTo8192Bytes) {
    PluginFolder folder({"alpha"});
    folder.writeInfo("[alpha.so]\nCommandL=" + std::string(1100, 'l') +
                     "\nCommandR=" + std::string(5000, 'r') + "\n");
    KelArchiverHandler handler(folder.path());
    ASSERT_EQ(handler.plugins().at(0).commandL().size(), 1023u);
    ASSERT_EQ(handler.plugins().at(0).commandR().size(), 4095u);
    ASSERT_TRUE(handler.OpenArchive("a.zip"));

    const std::size_t room = 8192 - 1023 - 4095 - 5;
    EXPECT_TRUE(handler.Extract(std::string(room, 'd')));
    EXPECT_FALSE(handler.Extract(std::string(room + 1, 'd')));
}

TEST(KelArchiverHandler, ExtractFailsWithoutOpenArchiveCommandFunctionOrSuccess) {
    PluginFolder folder({"nocommand"});
    KelArchiverHandler withoutCommand(folder.path());
    EXPECT_FALSE(withoutCommand.Extract("out/"));
    ASSERT_TRUE(withoutCommand.OpenArchive("a.zip"));
    EXPECT_FALSE(withoutCommand.Extract("out/"));

    PluginFolder echoing({"alpha"});
    KelArchiverHandler handler(echoing.path());
    ASSERT_TRUE(handler.OpenArchive("a.zip"));
    const std::string trace = traceOf([&] { EXPECT_FALSE(handler.Extract("fail/")); });
    EXPECT_EQ(handler.output(), "failed:  \"a.zip\" \"fail/\" ");
    EXPECT_TRUE(trace.ends_with(handler.output())) << trace;
    // A plug-in that fills the whole buffer still yields a terminated text.
    EXPECT_TRUE(handler.Extract("flood/"));
    EXPECT_EQ(handler.output(), std::string(8191, 'x'));
}

TEST(KelArchiverHandler, ListingNeedsAnOpenArchiveAndAListingAnswer) {
    PluginFolder withoutCommand({"nocommand"});
    KelArchiverHandler silent(withoutCommand.path());
    std::vector<std::string> names = {"stale"};
    EXPECT_FALSE(silent.CanListEntries());
    ASSERT_TRUE(silent.OpenArchive("a.zip"));
    EXPECT_FALSE(silent.CanListEntries());
    EXPECT_FALSE(silent.ListEntries(names));
    EXPECT_TRUE(names.empty());

    // The stand-in claims every function but answers with an echo, which is no listing.
    PluginFolder echoing({"alpha"});
    KelArchiverHandler handler(echoing.path());
    ASSERT_TRUE(handler.OpenArchive("my chara.zip"));
    EXPECT_TRUE(handler.CanListEntries());
    EXPECT_FALSE(handler.ListEntries(names));
    EXPECT_EQ(handler.output(), echoed("alpha", nullptr, "l \"my chara.zip\" -from:0"));
    handler.CloseArchive();
    ASSERT_TRUE(handler.OpenArchive("quote\".zip"));
    EXPECT_FALSE(handler.ListEntries(names));
}

TEST(KelArchiverHandler, TraceFollowsTheSteps) {
    PluginFolder folder({"abcdefghijklmnopq", "nocheck", "noquery", "refuses", "sixteen"});
    folder.writeInfo("[sixteen.so]\nPrefixStr=SixteenCharsPfxA\nCommandL=e\nCommandR=*.def\n");
    const std::string trace = traceOf([&] {
        KelArchiverHandler handler(folder.path());
        handler.OpenArchive("k.zip");
        handler.Extract("t/");
    });
    const std::string& dir = folder.path();
    EXPECT_EQ(trace, "SetDLLDir called (NewDir = \"" + dir + "\")DLLDir : " + dir + "\n" +
                         "DLL found : abcdefghijklmnopq.so\n"
                         "DLL found : nocheck.so\n"
                         "Prefix Assumed : nocheck\n"
                         "nocheck.so is added successfully\n"
                         "DLL found : noquery.so\n"
                         "Prefix Assumed : noquery\n"
                         "DLL found : refuses.so\n"
                         "Prefix Assumed : refuses\n"
                         "refuses.so is added successfully\n"
                         "DLL found : sixteen.so\n"
                         "Prefix Assumed : SixteenCharsPfxA\n"
                         "sixteen.so is added successfully\n"
                         "\nk.zipに適合するアーカイバを\n3個のDLLから検索\n"
                         "調査開始-nocheck.so\n"
                         "CheckArchive function unsupported\n"
                         "調査開始-refuses.so\n"
                         "CheckArchive called - FALSEn"
                         "調査開始-sixteen.so\n"
                         "CheckArchive called - TRUE\n"
                         "return true\n"
                         "CommandL:e, CommandR:*.def\n"
                         "Commandline : e \"k.zip\" \"t/\" *.def\n");
}

} // namespace
} // namespace zorvik
