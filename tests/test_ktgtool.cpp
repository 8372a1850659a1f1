// ktgtool as users and outside tools run it: the built executable with files and pipes.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "learning/Tango.h"
#include "learning/TextLines.h"
#include "learning/WordsTsv.h"
#include "temp_folder.h"

namespace zelpa {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;

std::string Content(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::filesystem::path& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

struct TRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Words with every kind of escape: control characters, code page 932 bytes that do not convert
// both ways, Korean elements that are not UTF-16 text.
const std::string kTsv =
    "korean\tjapanese\texplanation\tlink\n"
    "\xEC\x95\x88\xEB\x85\x95\xED\x95\x98\xEC\x84\xB8\xEC\x9A\x94\t"
    "\xE3\x81\x93\xE3\x82\x93\xE3\x81\xAB\xE3\x81\xA1\xE3\x81\xAF\t"
    "\xE6\x98\xBC\xE3\x81\xAE\xE3\x81\x82\xE3\x81\x84\xE3\x81\x95\xE3\x81\xA4\\n2\xE8\xA1\x8C\t"
    "https://example.org/a\\tb\n"
    "\\u{0}\xEC\x82\xAC\\u{d800}\\\\\t\\x87\\x90\xEF\xBD\xB1\t\\r\\x82\t\\xff\n"
    "\xEA\xB0\x80 \xEB\x82\x98\t\xE3\x81\x82\t\t\n";

class KtgToolTest : public ::testing::Test {
  protected:
    TTempFolder folder;

    TRun Run(const std::string& arguments, const std::string& input = "") {
        WriteFile(folder / "stdin", input);
        const std::string command =
            std::string(KTGTOOL_PATH) + " " + arguments + " <" + (folder / "stdin").string() +
            " >" + (folder / "stdout").string() + " 2>" + (folder / "stderr").string();
        const int raw = std::system(command.c_str());
        TRun run;
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        run.out = Content(folder / "stdout");
        run.err = Content(folder / "stderr");
        return run;
    }
    std::string Path(const std::string& name) { return (folder / name).string(); }
};

TEST_F(KtgToolTest, ExportGivesBackWhatImportTook) {
    WriteFile(folder / "words.tsv", kTsv);
    const TRun import = Run("import " + Path("words.tsv") + " -o " + Path("m.ktg"));
    ASSERT_EQ(import.status, 0) << import.err;
    EXPECT_EQ(import.out, "added\t3\nwords\t3\n");
    const TRun exported = Run("export " + Path("m.ktg"));
    ASSERT_EQ(exported.status, 0) << exported.err;
    EXPECT_EQ(exported.out, kTsv);

    TTangoList material;
    ASSERT_EQ(material.LoadFromFile(folder / "m.ktg"), TReadOutcome::Complete);
    EXPECT_EQ(material.Title, "m");
    ASSERT_EQ(material.Count(), 3);
    EXPECT_EQ(material.Objects(1)->Japan, "\x87\x90\xB1");
    EXPECT_THAT(material.Objects(1)->Hangul, ElementsAre(0, 0xC0AC, 0xD800, '\\'));
    EXPECT_EQ(material.Objects(1)->Setsumei, "\r\x82");
}

TEST_F(KtgToolTest, ImportIntoAnExistingMaterialAddsOnlyNewWords) {
    TTangoList material;
    material.Title = "old";
    material.HeadText1 = "h1";
    std::vector<TTango> words;
    ASSERT_FALSE(ReadWordsTsv(kTsv, words));
    material.AddWordCopy(words[2]);
    material.RirekiJ2K.StartRun(1, 1, false, false);
    material.RirekiK2J.Records = {{1, 1}};
    material.SaveToFile(folder / "m.ktg");

    WriteFile(folder / "words.tsv", kTsv);
    const TRun run = Run("import " + Path("words.tsv") + " -o " + Path("m.ktg"));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "added\t2\nwords\t3\n");
    const TRun info = Run("info " + Path("m.ktg"));
    ASSERT_EQ(info.status, 0) << info.err;
    EXPECT_EQ(info.out,
              "title\told\nwords\t3\n"
              "j2k\trunning=1\trun-size=1\tposition=0\truns=\n"
              "k2j\trunning=0\trun-size=0\tposition=0\truns=1/1\n");

    TTangoList reloaded;
    ASSERT_EQ(reloaded.LoadFromFile(folder / "m.ktg"), TReadOutcome::Complete);
    EXPECT_EQ(reloaded.HeadText1, "h1");
    EXPECT_TRUE(reloaded.Objects(0)->SameWord(words[2]));

    const TRun retitled =
        Run("import - -o " + Path("m.ktg") + " --title '\xE5\x9F\xBA\xE6\x9C\xAC'",
            "korean\tjapanese\texplanation\tlink\n");
    ASSERT_EQ(retitled.status, 0) << retitled.err;
    EXPECT_THAT(Run("info " + Path("m.ktg")).out, StartsWith("title\t\xE5\x9F\xBA\xE6\x9C\xAC\n"));
}

TEST_F(KtgToolTest, WordsWithoutKoreanAndJapaneseAreNeitherAddedNorCounted) {
    const TRun run = Run("import - -o " + Path("e.ktg"),
                         "korean\tjapanese\texplanation\tlink\n"
                         "\t\tonly an explanation\t\n"
                         "\xEA\xB0\x80\t\t\t\n");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "added\t1\nwords\t1\n");
}

TEST_F(KtgToolTest, ImportWritesNothingWhenTheTsvHasAnError) {
    WriteFile(folder / "bad.tsv", kTsv + "only\tthree\tfields\n");
    const TRun run = Run("import " + Path("bad.tsv") + " -o " + Path("m.ktg"));
    EXPECT_EQ(run.status, 1);
    EXPECT_THAT(run.err, HasSubstr("line 5"));
    EXPECT_FALSE(std::filesystem::exists(folder / "m.ktg"));
}

TEST_F(KtgToolTest, DamagedMaterialIsNamedAndLeftAlone) {
    WriteFile(folder / "words.tsv", kTsv);
    ASSERT_EQ(Run("import " + Path("words.tsv") + " -o " + Path("m.ktg")).status, 0);
    std::string bytes = Content(folder / "m.ktg");
    bytes.resize(bytes.size() - 10);
    WriteFile(folder / "m.ktg", bytes);
    for (const std::string& command : {"export " + Path("m.ktg"), "info " + Path("m.ktg"),
                                       "import " + Path("words.tsv") + " -o " + Path("m.ktg")}) {
        const TRun run = Run(command);
        EXPECT_EQ(run.status, 1) << command;
        EXPECT_THAT(run.err, HasSubstr("damaged material"));
        EXPECT_THAT(run.err, HasSubstr("histories"));
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1);
    }
    EXPECT_EQ(Content(folder / "m.ktg"), bytes);
}

TEST_F(KtgToolTest, ErrorsAreOneLineWithAStatus) {
    struct TCase {
        std::string arguments;
        int status;
        const char* message;
    };
    const std::vector<TCase> cases = {
        {"", 2, "no command"},
        {"frobnicate", 2, "unknown command"},
        {"export", 2, "wrong number"},
        {"export a b", 2, "wrong number"},
        {"import " + Path("x.tsv"), 2, "-o is required"},
        {"import x.tsv -o", 2, "needs a value"},
        {"lesson x.tsv", 2, "--title is required"},
        {"info --verbose x", 2, "unknown option"},
        {"export " + Path("missing.ktg"), 1, "no such file"},
        {"info " + Path(""), 1, "cannot read"},
        {"import " + Path("missing.tsv") + " -o " + Path("m.ktg"), 1, "no such file"},
        {"read-lesson " + Path("missing.txt"), 1, "no such file"},
        // Without --title a new material is named after its file, which must be code page 932.
        {"import " + Path("header.tsv") + " -o " + Path("\xEB\x8B\xA8.ktg"), 2,
         "not code page 932"},
    };
    WriteFile(folder / "header.tsv", "korean\tjapanese\texplanation\tlink\n");
    for (const TCase& c : cases) {
        const TRun run = Run(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments;
        EXPECT_THAT(run.err, HasSubstr(c.message)) << c.arguments;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << c.arguments;
    }
}

TEST_F(KtgToolTest, HelpNamesEveryCommand) {
    for (const char* arguments : {"--help", "-h", "import --help"}) {
        const TRun run = Run(arguments);
        EXPECT_EQ(run.status, 0) << arguments;
        for (const char* command : {"export", "import", "info", "lesson", "read-lesson"}) {
            EXPECT_THAT(run.out, HasSubstr(command)) << arguments;
        }
    }
}

TEST_F(KtgToolTest, HelpWordsAsOptionValuesAreValues) {
    WriteFile(folder / "words.tsv", kTsv);
    const TRun run = Run("import " + Path("words.tsv") + " -o " + Path("m.ktg") + " --title -h");
    ASSERT_EQ(run.status, 0) << run.err;
    TTangoList material;
    ASSERT_EQ(material.LoadFromFile(folder / "m.ktg"), TReadOutcome::Complete);
    EXPECT_EQ(material.Title, "-h");
}

TEST_F(KtgToolTest, LessonCodesReadBackAsTheirWords) {
    WriteFile(folder / "words.tsv", kTsv);
    const TRun lesson =
        Run("lesson " + Path("words.tsv") +
            " --title '\xE3\x82\xBF\xE3\x82\xA4\xE3\x83\x88\xE3\x83\xAB' --head1 one --show-only");
    ASSERT_EQ(lesson.status, 0) << lesson.err;
    // Codes are separated by one empty line.
    std::vector<std::string> codes(1);
    for (const std::string& line : SplitLines(lesson.out)) {
        if (line.empty()) {
            codes.emplace_back();
        } else {
            codes.back() += line + "\n";
        }
    }
    ASSERT_EQ(codes.size(), 3u);
    const TTextLines tsvLines = SplitLines(kTsv);
    for (std::size_t i = 0; i < codes.size(); ++i) {
        WriteFile(folder / "code.txt", codes[i]);
        const TRun read = Run("read-lesson " + Path("code.txt"));
        ASSERT_EQ(read.status, 0) << read.err;
        EXPECT_EQ(read.out,
                  "title\t\xE3\x82\xBF\xE3\x82\xA4\xE3\x83\x88\xE3\x83\xAB\n"
                  "head1\tone\nhead3\t\nshow-only\t1\n" +
                      tsvLines[0] + "\n" + tsvLines[i + 1] + "\n");
        EXPECT_EQ(Run("read-lesson", codes[i]).out, read.out);
    }
}

TEST_F(KtgToolTest, LessonRefusesKoreanWithoutACodeForm) {
    const TRun run = Run("lesson - --title t",
                         "korean\tjapanese\texplanation\tlink\n\t\t\t\n"
                         "\xEF\xBD\x9E\ta\t\t\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_THAT(run.err, HasSubstr("line 3"));
    EXPECT_TRUE(run.out.empty());
}

TEST_F(KtgToolTest, ReadLessonFailureEndsWithItsCode) {
    struct TCase {
        std::string text;
        const char* ending;
    };
    const std::vector<TCase> cases = {
        {"nothing here\n", "(-1)\n"},
        {"$001\n0x6\n$001\n$002\n$002\n$003\n$003\n", "(-2)\n"},
        {"$001\n03-\n$001\n$002\n$002\n$003\n$003\n", "(-3)\n"},
        {"$001\n$001\n$002\n$002\n$003\n$003\n$100\n$100\n$101\n$101\n$102\n$102\n$103\n$103\n",
         "(-4)\n"},
    };
    for (const TCase& c : cases) {
        const TRun run = Run("read-lesson -", c.text);
        EXPECT_EQ(run.status, 1);
        EXPECT_THAT(run.err, HasSubstr("invalid lesson code"));
        EXPECT_TRUE(run.err.ends_with(c.ending)) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1);
        EXPECT_TRUE(run.out.empty());
    }
}

// The sample materials of the program folder hold exactly the words of their TSV sources.
TEST(SampleMaterialsTest, MatchTheirSources) {
    std::size_t total = 0;
    for (const auto& entry : std::filesystem::directory_iterator(SAMPLE_SOURCES_DIR)) {
        if (entry.path().extension() != ".tsv") {
            continue;
        }
        const auto built = std::filesystem::path(SAMPLE_MATERIALS_DIR) /
                           entry.path().filename().replace_extension(".ktg");
        TTangoList material;
        ASSERT_EQ(material.LoadFromFile(built), TReadOutcome::Complete) << built;
        EXPECT_FALSE(material.Title.empty());
        std::ostringstream exported;
        WriteWordsTsv(exported, material);
        EXPECT_EQ(exported.str(), Content(entry.path())) << entry.path();
        total += static_cast<std::size_t>(material.Count());
    }
    EXPECT_GE(total, 150u);
}

}  // namespace
}  // namespace zelpa
