// restwarden-report [--dir DIR] [--now EPOCH_SECONDS] [--json | --csv] [--lang ja|en]
//
// Prints the cumulative evaluation of a data folder as the program would show it right
// after its next start, and writes nothing. The text is Japanese unless --lang en asks for
// the English face; JSON and CSV keep the verdict's Japanese bytes whatever the language.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/data_files.h"
#include "platform/platform.h"
#include "platform/texts.h"
#include "records/compiled_state.h"
#include "tools/report/report_folder.h"
#include "tools/report/report_output.h"
#include "tools/report/text_convert.h"

namespace {

enum class Format { Text, Json, Csv };

struct Options {
    std::string directory = ".";
    bool haveNow = false;
    int64_t now = 0;
    Format format = Format::Text;
    texts::Language language = texts::Language::Japanese;
};

const char* const Usage = "usage: restwarden-report [--dir DIR] [--now EPOCH_SECONDS] [--json | --csv] [--lang ja|en]";

int fail(const std::string& message) {
    std::fprintf(stderr, "restwarden-report: %s\n", message.c_str());
    return 2;
}

// A whole number of seconds that a record's start time can hold.
bool parseEpoch(const char* text, int64_t& out) {
    if (!*text) return false;
    for (const char* p = text; *p; ++p)
        if (*p < '0' || *p > '9') return false;
    errno = 0;
    char* end = nullptr;
    const unsigned long long value = std::strtoull(text, &end, 10);
    if (errno != 0 || *end != '\0' || value > 0xFFFFFFFFull) return false;
    out = static_cast<int64_t>(value);
    return true;
}

// Empty on success, else the message.
std::string parse(int argc, char** argv, Options& options) {
    bool formatChosen = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--lang") {
            const std::string value = i + 1 < argc ? argv[++i] : "";
            if (value != "ja" && value != "en") return "--lang wants ja or en";
            options.language = value == "en" ? texts::Language::English : texts::Language::Japanese;
        } else if (arg == "--dir" || arg == "--now") {
            if (i + 1 >= argc) return arg + " needs a value";
            const char* value = argv[++i];
            if (arg == "--dir") {
                if (!*value) return "--dir needs a folder";
                options.directory = value;
            } else {
                if (!parseEpoch(value, options.now)) return std::string("--now wants seconds since 1970, not '") + value + "'";
                options.haveNow = true;
            }
        } else if (arg == "--json" || arg == "--csv") {
            if (formatChosen) return "choose one of --json and --csv";
            formatChosen = true;
            options.format = arg == "--json" ? Format::Json : Format::Csv;
        } else {
            return "unknown argument '" + arg + "'; " + Usage;
        }
    }
    return {};
}

void print(const std::string& text) { std::fwrite(text.data(), 1, text.size(), stdout); }

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::printf("%s\n", Usage);
        return 0;
    }
    Options options;
    const std::string error = parse(argc, argv, options);
    if (!error.empty()) return fail(error);
    if (!folderReadable(argumentToUtf8(options.directory)))
        return fail("cannot read the folder '" + options.directory + "'");

    datafiles::setDirectory(argumentToUtf8(options.directory));
    texts::setLanguage(options.language);
    const int64_t now = options.haveNow ? options.now : platform::currentTime();
    ReportFolder folder = readFolder(now);

    CompiledState compiled(folder.today);
    const bool wasCompiled = compiled.evaluate(&folder.pending);

    switch (options.format) {
    case Format::Json: print(formatJson(compiled, wasCompiled)); break;
    case Format::Csv: print(formatCsv(folder.lines())); break;
    case Format::Text: {
        const std::string text = formatText(compiled);
        print(consoleIsCp932() ? text : cp932ToUtf8(text));
        break;
    }
    }
    return std::fflush(stdout) == 0 ? 0 : 2;
}
