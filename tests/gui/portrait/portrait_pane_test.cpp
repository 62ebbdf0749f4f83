#include "gui/portrait/portrait_pane.h"

#include <fstream>
#include <unistd.h>

#include <QPainter>
#include <QTest>
#include <gmock/gmock.h>

#include "core/catalogue/columns.h"
#include "core/discovery/portrait_recapture.h"
#include "core/platform/folders.h"
#include "gui_support/right_pane_fixture.h"

namespace zorvik::test {
namespace {

const QColor kCanvas(1, 2, 3);

class PortraitPane : public RightPaneFixture {
protected:
    // The box painted over a canvas of a colour it never draws in.
    QImage painted() const {
        QImage canvas(img().size(), QImage::Format_ARGB32);
        canvas.fill(kCanvas);
        img().render(&canvas, QPoint(), QRegion(), QWidget::DrawChildren);
        return canvas;
    }

    // Where the box drew anything.
    QRect drawnArea() const {
        const QImage canvas = painted();
        QRect area;
        for (int y = 0; y < canvas.height(); ++y) {
            for (int x = 0; x < canvas.width(); ++x) {
                if (canvas.pixelColor(x, y) != kCanvas) {
                    area |= QRect(x, y, 1, 1);
                }
            }
        }
        return area;
    }

    bool showsNoImage() const {
        const QImage canvas = painted();
        const QPalette& colours = img().palette();
        return !img().HasImage() && canvas.pixelColor(0, 0) == colours.color(QPalette::Highlight) &&
               canvas.pixelColor(3, 3) == colours.color(QPalette::Base);
    }
};

// Real portraits come in every shape: none is squashed or stretched.
TEST_F(PortraitPane, ImagesKeepTheirProportionsCentredAndAreOnlyEverScaledDown) {
    const std::vector<std::pair<QSize, QRect>> drawnAt = {
        {{120, 100}, {84, 20, 120, 100}},  // fits: its own size, centred
        {{480, 560}, {84, 0, 120, 140}},   // too tall: 140 * 480 / 560
        {{320, 320}, {74, 0, 140, 140}},   // square stays square
        {{120, 649}, {132, 0, 25, 140}},   // a tall strip stays a strip, not a sliver
        {{600, 100}, {0, 46, 289, 48}},    // too wide: 289 * 100 / 600
        {{289, 140}, {0, 0, 289, 140}},    // exactly the box
    };
    for (std::size_t i = 0; i < drawnAt.size(); ++i) {
        const QSize image = drawnAt[i].first;
        addRecord({static_cast<std::int64_t>(i + 1), "c" + std::to_string(i), "",
                   encodedImage(image.width(), image.height())});
    }
    open();
    EXPECT_EQ(img().size(), QSize(289, 140));
    for (std::size_t i = 0; i < drawnAt.size(); ++i) {
        selectRow(static_cast<int>(i));
        EXPECT_EQ(drawnArea(), drawnAt[i].second) << "image " << i;
    }
}

// An indexed portrait as the sprite file gives it: colour 0 (magenta) round
// a blue figure. The pane shows what is behind it where colour 0 is.
TEST_F(PortraitPane, PaletteColourZeroIsDrawnTransparentAndStoredAsItIs) {
    QImage indexed(40, 40, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(255, 0, 255), qRgb(0, 0, 255)});
    indexed.fill(0);
    for (int y = 10; y < 30; ++y) {
        for (int x = 10; x < 30; ++x) {
            indexed.setPixel(x, y, 1);
        }
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(indexed.save(&buffer, "PNG"));
    addRecord({1, "indexed", "", png.toStdString()});
    open();
    selectRow(0);
    // Only the figure is drawn, centred: (289 - 40) / 2 + 10, (140 - 40) / 2 + 10.
    EXPECT_EQ(drawnArea(), QRect(134, 60, 20, 20));
    EXPECT_EQ(painted().pixelColor(140, 70), QColor(Qt::blue));
    EXPECT_EQ(img().PortraitImage().color(0), qRgb(255, 0, 255));
    EXPECT_EQ(stored(1, kImageColumn), png.toStdString());
}

TEST_F(PortraitPane, NullEmptyAndUndecodableValues) {
    addRecord({1, "with image", "", encodedImage(50, 50)});
    addRecord({2, "null image", "", std::nullopt});
    addRecord({3, "empty image", "", std::string()});
    addRecord({4, "broken image", "", std::string("\x89PNG not really")});
    open();
    EXPECT_TRUE(img().HasImage());

    EXPECT_FALSE(detail().LoadCharDetail(2));
    EXPECT_TRUE(showsNoImage());
    EXPECT_EQ(value(0), "null image"); // the fields are shown all the same

    EXPECT_TRUE(detail().LoadCharDetail(1));
    EXPECT_TRUE(detail().LoadCharDetail(3));
    EXPECT_TRUE(showsNoImage());

    // Bytes no plug-in decodes: neither an image nor "No Image".
    EXPECT_TRUE(detail().LoadCharDetail(4));
    EXPECT_TRUE(img().HasImage());
    EXPECT_TRUE(drawnArea().isEmpty());
    EXPECT_EQ(messages.shown().size(), 1u); // the first-run text only
}

TEST_F(PortraitPane, NoImageIsWrittenInTheMiddleInTheHighlightColour) {
    addRecord({1, "null image", "", std::nullopt});
    open();
    ASSERT_TRUE(showsNoImage());
    // The same words drawn where and how the box should draw them.
    const QPalette& colours = img().palette();
    QImage expected(img().size(), QImage::Format_ARGB32);
    expected.fill(colours.color(QPalette::Base));
    {
        QPainter painter(&expected);
        painter.setFont(img().font());
        painter.setPen(colours.color(QPalette::Highlight));
        painter.drawText(expected.rect(), Qt::AlignCenter, QStringLiteral("No Image"));
    }
    const QImage shown = painted();
    QRect inked;
    int differing = 0;
    // Inside the one-pixel frame only.
    for (int y = 1; y < shown.height() - 1; ++y) {
        for (int x = 1; x < shown.width() - 1; ++x) {
            differing += shown.pixelColor(x, y) != expected.pixelColor(x, y) ? 1 : 0;
            if (shown.pixelColor(x, y) != colours.color(QPalette::Base)) {
                inked |= QRect(x, y, 1, 1);
            }
        }
    }
    EXPECT_EQ(differing, 0);
    ASSERT_FALSE(inked.isEmpty()); // there are words at all
    EXPECT_NEAR(inked.center().x(), img().width() / 2, 2);
    EXPECT_NEAR(inked.center().y(), img().height() / 2, 4);
}

// Overwrites the start of the database page that holds bytes, so that a
// chain of pages through it is broken.
void breakPageHolding(const std::string& databaseFile, const std::string& bytes) {
    const std::string file = readFile(databaseFile);
    const std::size_t at = file.find(bytes);
    ASSERT_NE(at, std::string::npos);
    constexpr std::size_t kPageSize = 4096;
    std::fstream stream(databaseFile, std::ios::in | std::ios::out | std::ios::binary);
    stream.seekp(static_cast<std::streamoff>(at / kPageSize * kPageSize));
    stream.write("\x7f\xff\xff\xff", 4); // the next overflow page: far past the file's end
}

TEST_F(PortraitPane, AnImageThatCannotBeReadToItsEndSaysSo) {
    // A large value spans a chain of overflow pages; one of them is broken.
    std::string image(200000, '\0');
    std::uint32_t noise = 12345;
    for (char& byte : image) {
        noise = noise * 1103515245u + 12345u;
        byte = static_cast<char>(noise >> 24);
    }
    addRecord({1, "broken chain", "", image});
    breakPageHolding(temp.file("db.sqlite3"), image.substr(100000, 16));
    open();
    EXPECT_EQ(value(0), "broken chain"); // the other fields read as ever
    // Shown while the window opens on the record, before the first-run text.
    EXPECT_THAT(messages.shown(), ::testing::Contains("データ読み込みエラー"));
}

// The chooser opens where a character's own pictures are: its folder as it
// is on disk, or for an archive the folder the archive lies in.
TEST_F(PortraitPane, TheImageChooserOpensInTheCharactersOwnFolder) {
    const std::string chars = temp.makeFolder("chars");
    temp.makeFolder("chars/KOF/Kyo");
    temp.write("chars/Capcom/ryu.zip", "");
    writeSettings("[General]\nFirstRun=0\nMainDir=" + chars + "/\n");
    addStoredCharacter("Kyo", "KOF/kyo", 0); // found ignoring letter case
    addStoredCharacter("Ryu", "Capcom/ryu.zip", 2);
    addStoredCharacter("Gone", "gone", 0);
    open();
    for (const int row : {0, 1, 2}) {
        selectRow(row);
        choosers.cancelNext();
        QTest::mouseClick(&img(), Qt::LeftButton);
    }
    ASSERT_EQ(choosers.calls().size(), 3u);
    EXPECT_EQ(choosers.calls()[0].start.toStdString(), chars + "/KOF/Kyo/");
    EXPECT_EQ(choosers.calls()[1].start.toStdString(), chars + "/Capcom/");
    EXPECT_TRUE(choosers.calls()[2].start.isEmpty()); // gone: the chooser's own start
}

// A window on a record with a 120 x 100 portrait, whose temporary folder is "scratch".
class ReplacePortrait : public PortraitPane {
protected:
    void SetUp() override {
        scratch = temp.makeFolder("scratch");
        writeSettings("[General]\nTempDir=" + scratch + "/\n");
        addRecord({1, "Ryu", "", original});
        addRecord({2, "Ken", "", std::nullopt});
        open();
        selectRow(0);
    }

    void clickImg() { QTest::mouseClick(&img(), Qt::LeftButton); }
    bool temporaryFileLeft() const {
        for (const std::string& folder : {scratch, programFolder, temp.path()}) {
            if (access((folder + "/tempimage.png").c_str(), F_OK) == 0) {
                return true;
            }
        }
        return false;
    }
    // The settings with another TempDir, as the settings dialog's OK
    // stores them; the list is rebuilt, so row 0 is selected again.
    void storeTempDir(const std::string& folder) {
        AppSettings changed = form->settings().settings();
        changed.TempDir = folder;
        form->settings().store(changed);
        selectRow(0);
    }
    std::string storedImage(std::int64_t id) { return stored(id, kImageColumn).value_or(""); }

    const std::string original = encodedImage(120, 100);
    std::string scratch;
};

TEST_F(ReplacePortrait, NothingHappensWithoutASelectedRowOrWhenTheChooserIsCancelled) {
    list()->selectionModel()->clearSelection();
    clickImg();
    EXPECT_TRUE(choosers.calls().empty());

    selectRow(0);
    choosers.cancelNext();
    clickImg();
    QTest::keyClick(&img(), Qt::Key_Space); // the keyboard's way to the same chooser
    ASSERT_EQ(choosers.calls().size(), 2u);
    EXPECT_EQ(choosers.calls()[0].kind, ScriptedChoosers::Kind::FileToOpen);
    EXPECT_EQ(choosers.calls()[0].filter.toStdString(),
              "Image|*.bmp;*.png;*.jpg;*.tif;*.emf;*.gif;|all|*.*");
    EXPECT_TRUE(img().HasImage());
    EXPECT_EQ(img().PortraitImage().size(), QSize(120, 100));
    EXPECT_EQ(storedImage(1), original);
}

TEST_F(ReplacePortrait, AFileThatIsNoImageIsRefusedAndTheStoredPortraitStays) {
    choosers.answer(QString::fromStdString(temp.write("notes.tif", "plain text, not a picture")));
    clickImg();
    EXPECT_EQ(messages.shown().back(), "ファイルの読み込みに失敗しました。");
    // The stored portrait stays on show: "No Image" is only for a row without one.
    EXPECT_FALSE(showsNoImage());
    EXPECT_EQ(drawnArea(), QRect(84, 20, 120, 100));
    EXPECT_EQ(storedImage(1), original);
    EXPECT_FALSE(temporaryFileLeft());
}

// Marked in the catalogue, so that a re-capture from the character's
// files keeps it, also after a restart; a refused file marks nothing.
TEST_F(ReplacePortrait, AStoredChoiceIsMarkedAsSetByHand) {
    choosers.answer(QString::fromStdString(temp.write("notes.tif", "plain text, not a picture")));
    clickImg();
    selectRow(1);
    choosers.answer(QString::fromStdString(temp.write("new.png", encodedImage(60, 60))));
    clickImg();
    Kel_CharacterDb reopened(temp.file("db.sqlite3"));
    const RecaptureChoice choice = ChooseRecaptureRows(reopened, {});
    ASSERT_EQ(choice.rows.size(), 2u);
    EXPECT_FALSE(choice.rows[0].handSet); // Ryu
    EXPECT_TRUE(choice.rows[1].handSet);  // Ken
}

TEST_F(ReplacePortrait, AChosenImageIsStoredAsPngThroughTheTemporaryFolder) {
    selectRow(1);
    choosers.answer(QString::fromStdString(
        temp.write("portrait.tif", encodedImage(200, 280, "TIFF", Qt::blue))));
    clickImg();
    const std::string png = storedImage(2);
    EXPECT_EQ(png.substr(0, 4), "\x89PNG");
    EXPECT_EQ(QImage::fromData(QByteArray::fromStdString(png)).size(), QSize(200, 280));
    EXPECT_EQ(storedImage(1), original);
    EXPECT_EQ(drawnArea(), QRect(94, 0, 100, 140));
    EXPECT_FALSE(temporaryFileLeft());
    EXPECT_EQ(platform::currentFolder(), temp.path());
    EXPECT_EQ(messages.shown().size(), 1u);
}

TEST_F(ReplacePortrait, AFailedWriteIsReportedAndTheNewImageStaysOnShow) {
    execute("DROP TABLE CHARACTER_TABLE");
    choosers.answer(QString::fromStdString(temp.write("new.png", encodedImage(60, 60))));
    clickImg();
    EXPECT_EQ(messages.shown().back().rfind("書き込みに失敗しました : ", 0), 0u);
    EXPECT_NE(messages.shown().back().find("CHARACTER_TABLE"), std::string::npos);
    EXPECT_EQ(img().PortraitImage().size(), QSize(60, 60));
    EXPECT_FALSE(temporaryFileLeft());
    EXPECT_EQ(platform::currentFolder(), temp.path());
}

TEST_F(ReplacePortrait, ATemporaryFolderThatCannotBeEnteredStoresNothingAnywhere) {
    storeTempDir(temp.file("missing") + "/");
    choosers.answer(QString::fromStdString(temp.write("new.png", encodedImage(60, 60))));
    clickImg();
    EXPECT_EQ(messages.shown().back(),
              "書き込みに失敗しました : " + temp.file("missing") + "/tempimage.png");
    EXPECT_TRUE(img().HasImage());
    EXPECT_EQ(img().PortraitImage().size(), QSize(120, 100)); // the stored one, still on show
    EXPECT_EQ(storedImage(1), original);
    EXPECT_FALSE(temporaryFileLeft());
    EXPECT_EQ(platform::currentFolder(), temp.path());
}

// An emptied TempDir means the system's temporary folder (TMPDIR here),
// at once, not from the next start on.
TEST_F(ReplacePortrait, AnEmptyTempDirGoesThroughTheSystemsTemporaryFolder) {
    const std::string system = temp.makeFolder("system");
    const ScopedEnvironment tmpdir("TMPDIR", system);
    storeTempDir("");
    const std::string file = temp.write("new.png", encodedImage(60, 60, "PNG", Qt::green));
    choosers.answer(QString::fromStdString(file));
    clickImg();
    EXPECT_EQ(messages.shown().size(), 1u); // the first-run text only
    const std::string png = storedImage(1);
    EXPECT_EQ(QImage::fromData(QByteArray::fromStdString(png)).pixelColor(0, 0), QColor(Qt::green));
    EXPECT_TRUE(img().HasImage());
    EXPECT_EQ(access((system + "/tempimage.png").c_str(), F_OK), -1);
    EXPECT_FALSE(temporaryFileLeft());
    EXPECT_EQ(access("/tempimage.png", F_OK), -1);
}

} // namespace
} // namespace zorvik::test
