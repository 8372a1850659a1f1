#include "learning/KtgTool.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <optional>
#include <sstream>
#include <system_error>
#include <vector>

#include "learning/Lesson.h"
#include "learning/Tango.h"
#include "learning/TextLines.h"
#include "learning/WordsTsv.h"
#include "platform/Cp932.h"

namespace zelpa {
namespace {

constexpr std::string_view kUsage = R"(usage: ktgtool COMMAND ARGUMENTS
Teaching materials (.ktg) and lesson codes on the command line. Text read and written is UTF-8;
words travel as TSV: a header line "korean<TAB>japanese<TAB>explanation<TAB>link", then one line
per word, with \\ \t \n \r in any field, \u{X} for a Korean element that is not UTF-16 text and
\xHH for a byte that is not a code page 932 character.

commands:
  export FILE.ktg
      writes the words of the material as TSV to standard output.
  import WORDS.tsv -o FILE.ktg [--title TITLE]
      creates the material from the words, or, when FILE.ktg exists, adds the words it does not
      contain yet, keeping its header and learning histories. --title sets the title (default
      for a new material: the file name without .ktg). Nothing is written when the TSV has an
      error.
  info FILE.ktg
      prints the title, the word count and, per quiz direction (j2k, k2j), whether a run is
      open, its size, its position and the finished runs as correct/size.
  lesson WORDS.tsv --title TITLE [--head1 TEXT] [--head3 TEXT] [--show-only]
      writes one lesson code per word to standard output, separated by an empty line.
  read-lesson [FILE|-]
      reads one lesson code (standard input by default) and prints its header fields and its
      word as TSV; an invalid code ends with status 1 and its failure code, e.g. (-2).

A file name "-" reads standard input. Exit status: 0 done, 1 failed, 2 bad arguments.
)";

// A failure that ends the command with one line on standard error.
struct TToolError {
    int status;
    std::string message;
};

TToolError Failure(std::string message) {
    return {kToolFailed, std::move(message)};
}

std::string ReadInput(const std::string& name, std::istream& in) {
    std::istream* source = &in;
    std::ifstream file;
    if (name != "-") {
        std::error_code error;
        if (!std::filesystem::exists(name, error)) {
            throw Failure("no such file: " + name);
        }
        file.open(name, std::ios::binary);
        if (!file || std::filesystem::is_directory(name, error)) {
            throw Failure("cannot read " + name);
        }
        source = &file;
    }
    std::string text{std::istreambuf_iterator<char>(*source), std::istreambuf_iterator<char>()};
    if (source->bad()) {
        throw Failure("cannot read " + name);
    }
    return text;
}

std::vector<TTango> ReadWords(const std::string& name, std::istream& in) {
    std::vector<TTango> words;
    if (const auto error = ReadWordsTsv(ReadInput(name, in), words)) {
        throw Failure(name + ": line " + std::to_string(error->line) + ": " + error->message);
    }
    return words;
}

std::string_view DamageOf(TReadOutcome outcome) {
    switch (outcome) {
        case TReadOutcome::DamagedHeader:
            return "its header is cut short or fails its check";
        case TReadOutcome::DamagedWords:
            return "its word list is cut short or fails its check";
        case TReadOutcome::DamagedHistories:
            return "its learning histories are cut short or fail their check";
        default:
            return "";
    }
}

// Loads a whole, undamaged material; false when no file exists.
bool LoadMaterial(const std::filesystem::path& path, TTangoList& material) {
    TReadOutcome outcome{};
    try {
        outcome = material.LoadFromFile(path);
    } catch (const std::system_error& error) {
        throw Failure("cannot read material " + path.string() + ": " + error.code().message());
    }
    if (outcome == TReadOutcome::NoFile) {
        return false;
    }
    if (outcome != TReadOutcome::Complete) {
        throw Failure("damaged material " + path.string() + ": " + std::string(DamageOf(outcome)));
    }
    return true;
}

void LoadExistingMaterial(const std::filesystem::path& path, TTangoList& material) {
    if (!LoadMaterial(path, material)) {
        throw Failure("no such file: " + path.string());
    }
}

std::string ToCp932(std::string_view text, std::string_view what) {
    auto bytes = Utf8ToCp932(text);
    if (!bytes) {
        throw TToolError{kToolBadArguments, std::string(what) + " is not code page 932 text"};
    }
    return std::move(*bytes);
}

// The arguments of one command: positional ones and options by name.
struct TArguments {
    std::vector<std::string> positional;
    std::map<std::string, std::string, std::less<>> options;

    std::optional<std::string> Option(std::string_view name) const {
        const auto found = options.find(name);
        return found == options.end() ? std::nullopt : std::optional(found->second);
    }
    bool Flag(std::string_view name) const { return options.contains(name); }
};

struct TCommandContext {
    const TArguments& arguments;
    std::istream& in;
    std::ostream& out;
};

void Export(const TCommandContext& context) {
    TTangoList material;
    LoadExistingMaterial(context.arguments.positional[0], material);
    WriteWordsTsv(context.out, material);
}

void Import(const TCommandContext& context) {
    const TArguments& arguments = context.arguments;
    std::vector<TTango> words = ReadWords(arguments.positional[0], context.in);
    // A word without Korean and Japanese is never stored, so it is neither added nor counted.
    std::erase_if(words,
                  [](const TTango& word) { return word.Hangul.empty() && word.Japan.empty(); });
    const std::filesystem::path target = *arguments.Option("-o");
    std::optional<std::string> title;
    if (const auto text = arguments.Option("--title")) {
        title = ToCp932(*text, "the title");
    }
    TTangoList material;
    if (!LoadMaterial(target, material) && !title) {
        title = ToCp932(target.stem().string(), "the file name, the title without --title,");
    }
    if (title) {
        material.Title = *title;
    }
    const std::size_t added = AddMissingWords(material, words);
    try {
        material.SaveToFile(target);
    } catch (const std::system_error& error) {
        throw Failure("cannot save " + target.string() + ": " + error.code().message());
    }
    context.out << "added\t" << added << "\nwords\t" << material.Count() << '\n';
}

void PrintHistory(std::ostream& out, std::string_view name, const TRirekiList& history) {
    out << name << "\trunning=" << (history.Running ? 1 : 0) << "\trun-size=" << history.RunSize
        << "\tposition=" << history.Position << "\truns=";
    for (std::size_t i = 0; i < history.Records.size(); ++i) {
        out << (i > 0 ? "," : "") << history.Records[i].CorrectCount << '/'
            << history.Records[i].RunSize;
    }
    out << '\n';
}

void Info(const TCommandContext& context) {
    TTangoList material;
    LoadExistingMaterial(context.arguments.positional[0], material);
    context.out << "title\t" << EscapeBytes(material.Title) << "\nwords\t" << material.Count()
                << '\n';
    PrintHistory(context.out, "j2k", material.RirekiJ2K);
    PrintHistory(context.out, "k2j", material.RirekiK2J);
}

void Lesson(const TCommandContext& context) {
    const TArguments& arguments = context.arguments;
    std::vector<TTango> words = ReadWords(arguments.positional[0], context.in);
    const TLessonHeader header{ToCp932(arguments.Option("--head1").value_or(""), "--head1"),
                               ToCp932(*arguments.Option("--title"), "the title"),
                               ToCp932(arguments.Option("--head3").value_or(""), "--head3")};
    std::string codes;
    for (std::size_t i = 0; i < words.size(); ++i) {
        words[i].ShowOnly = arguments.Flag("--show-only");
        const auto code = WriteLessonCode(header, words[i]);
        if (!code) {
            // Line 1 is the header line.
            throw Failure(arguments.positional[0] + ": line " + std::to_string(i + 2) +
                          ": a Korean element lies outside 0.." +
                          std::to_string(kLargestLessonCode) + " and has no lesson code form");
        }
        codes += (i > 0 ? "\n" : "") + *code;
    }
    context.out << codes;
}

void ReadLesson(const TCommandContext& context) {
    const auto& positional = context.arguments.positional;
    TTextLines lines = SplitLines(ReadInput(positional.empty() ? "-" : positional[0], context.in));
    TTangoList material;
    if (const int result = material.ParseLessonHeader(lines); result != 0) {
        throw Failure("invalid lesson code in the header (" + std::to_string(result) + ")");
    }
    TTango word;
    if (const int result = word.ParseLessonCode(lines); result != 0) {
        throw Failure("invalid lesson code in the word (" + std::to_string(result) + ")");
    }
    context.out << "title\t" << EscapeBytes(material.Title) << "\nhead1\t"
                << EscapeBytes(material.HeadText1) << "\nhead3\t" << EscapeBytes(material.HeadText3)
                << "\nshow-only\t" << (word.ShowOnly ? 1 : 0) << '\n'
                << kWordsTsvHeader << '\n'
                << WordToTsvLine(word) << '\n';
}

// What a command accepts: its positional count, options with a value, flags, required options.
struct TCommand {
    std::string_view name;
    std::size_t fewestPositional;
    std::size_t mostPositional;
    std::vector<std::string_view> valueOptions;
    std::vector<std::string_view> flags;
    std::vector<std::string_view> required;
    std::function<void(const TCommandContext&)> run;
};

const std::vector<TCommand>& Commands() {
    static const std::vector<TCommand> commands = {
        {"export", 1, 1, {}, {}, {}, Export},
        {"import", 1, 1, {"-o", "--title"}, {}, {"-o"}, Import},
        {"info", 1, 1, {}, {}, {}, Info},
        {"lesson", 1, 1, {"--title", "--head1", "--head3"}, {"--show-only"}, {"--title"}, Lesson},
        {"read-lesson", 0, 1, {}, {}, {}, ReadLesson},
    };
    return commands;
}

TToolError BadArguments(std::string message) {
    return {kToolBadArguments, message + " (see ktgtool --help)"};
}

bool Contains(const std::vector<std::string_view>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

TArguments ParseArguments(const TCommand& command, std::span<const std::string> words) {
    TArguments arguments;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word.size() < 2 || word[0] != '-') {
            arguments.positional.push_back(word);
        } else if (Contains(command.flags, word)) {
            arguments.options[word] = "";
        } else if (!Contains(command.valueOptions, word)) {
            throw BadArguments(std::string(command.name) + ": unknown option " + word);
        } else if (i + 1 == words.size()) {
            throw BadArguments(std::string(command.name) + ": " + word + " needs a value");
        } else {
            arguments.options[word] = words[++i];
        }
    }
    const std::size_t count = arguments.positional.size();
    if (count < command.fewestPositional || count > command.mostPositional) {
        throw BadArguments(std::string(command.name) + ": wrong number of file arguments");
    }
    for (const std::string_view name : command.required) {
        if (!arguments.Flag(name)) {
            throw BadArguments(std::string(command.name) + ": " + std::string(name) +
                               " is required");
        }
    }
    return arguments;
}

// `ktgtool --help` or `ktgtool COMMAND --help`; further on, "-h" may be an option's value.
bool AsksForHelp(std::span<const std::string> arguments) {
    const auto isHelp = [](const std::string& word) { return word == "--help" || word == "-h"; };
    return std::any_of(arguments.begin(),
                       arguments.begin() + std::min<std::size_t>(arguments.size(), 2), isHelp);
}

void RunCommand(std::span<const std::string> arguments, std::istream& in, std::ostream& out) {
    if (arguments.empty()) {
        throw BadArguments("no command");
    }
    const auto& commands = Commands();
    const auto command =
        std::find_if(commands.begin(), commands.end(),
                     [&](const TCommand& candidate) { return candidate.name == arguments[0]; });
    if (command == commands.end()) {
        throw BadArguments("unknown command " + arguments[0]);
    }
    command->run({ParseArguments(*command, arguments.subspan(1)), in, out});
}

}  // namespace

int RunKtgTool(std::span<const std::string> arguments, std::istream& in, std::ostream& out,
               std::ostream& err) {
    try {
        if (AsksForHelp(arguments)) {
            out << kUsage;
        } else {
            RunCommand(arguments, in, out);
        }
        out.flush();
        if (!out) {
            throw Failure("cannot write to standard output");
        }
        return kToolOk;
    } catch (const TToolError& error) {
        err << "ktgtool: " << error.message << '\n';
        return error.status;
    } catch (const std::exception& error) {
        err << "ktgtool: " << error.what() << '\n';
        return kToolFailed;
    }
}

}  // namespace zelpa
