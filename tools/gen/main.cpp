// vorlant-gen: writes a generated congregation into a folder.
//
//   vorlant-gen --out DIR [--plain] [--max] [--publishers N] [--groups N]
//               [--password TEXT] [--date YYYY-MM-DD] [--seed N]
//               [--old-current-month]
//   vorlant-gen --out DIR --garbage N
//
// --old-current-month leaves in the slot of today's month the figures of
// two years before, as real records do until the month's report is in.
// --garbage writes bad congregation number N for the soak test instead.
//
// Prints one line on success (exit code 0); bad arguments give exit code 2,
// a failure to write exit code 1.
#include <charconv>
#include <cstdio>
#include <ctime>
#include <exception>
#include <optional>
#include <string>
#include <string_view>

#include "congregation.h"
#include "garbage.h"

namespace {

constexpr const char* kUsage =
    "usage: vorlant-gen --out DIR [--plain] [--max] [--publishers N] [--groups N]\n"
    "                   [--password TEXT] [--date YYYY-MM-DD] [--seed N]\n"
    "                   [--old-current-month]\n"
    "       vorlant-gen --out DIR --garbage N\n";

struct Arguments {
    vorlant::gen::GeneratorOptions options;
    std::string folder;
    std::optional<unsigned> garbage;
};

template <typename Number>
bool ParseNumber(std::string_view text, Number& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

bool ParseDate(std::string_view text, vorlant::gen::GeneratorOptions& options) {
    return text.size() == 10 && text[4] == '-' && text[7] == '-' && ParseNumber(text.substr(0, 4), options.year) &&
           ParseNumber(text.substr(5, 2), options.month) && ParseNumber(text.substr(8, 2), options.day);
}

void SetToday(vorlant::gen::GeneratorOptions& options) {
    const std::time_t now = std::time(nullptr);
    if (const std::tm* local = std::localtime(&now)) {
        options.year = local->tm_year + 1900;
        options.month = local->tm_mon + 1;
        options.day = local->tm_mday;
    }
}

// The arguments, or nothing after a message on the error stream.
std::optional<Arguments> Parse(int argc, char** argv) {
    Arguments args;
    SetToday(args.options);
    for (int i = 1; i < argc; ++i) {
        const std::string_view name = argv[i];
        const bool hasValue = i + 1 < argc;
        const std::string_view value = hasValue ? argv[i + 1] : "";
        bool ok = true;
        if (name == "--plain") {
            args.options.scrambled = false;
        } else if (name == "--max") {
            args.options.maximum = true;
        } else if (name == "--old-current-month") {
            args.options.oldCurrentMonth = true;
        } else if (name == "--out" && hasValue) {
            args.folder = value;
            ++i;
        } else if (name == "--password" && hasValue) {
            args.options.password = value;
            ++i;
        } else if (name == "--publishers" && hasValue) {
            ok = ParseNumber(value, args.options.publishers);
            ++i;
        } else if (name == "--groups" && hasValue) {
            ok = ParseNumber(value, args.options.groups);
            ++i;
        } else if (name == "--seed" && hasValue) {
            ok = ParseNumber(value, args.options.seed);
            ++i;
        } else if (name == "--garbage" && hasValue) {
            unsigned number = 0;
            ok = ParseNumber(value, number);
            args.garbage = number;
            ++i;
        } else if (name == "--date" && hasValue) {
            ok = ParseDate(value, args.options);
            ++i;
        } else {
            ok = false;
        }
        if (!ok) {
            std::fprintf(stderr, "vorlant-gen: bad argument %s\n%s", argv[i], kUsage);
            return std::nullopt;
        }
    }
    if (args.folder.empty()) {
        std::fprintf(stderr, "vorlant-gen: --out DIR is required\n%s", kUsage);
        return std::nullopt;
    }
    if (const std::string problem = vorlant::gen::CheckOptions(args.options); !problem.empty()) {
        std::fprintf(stderr, "vorlant-gen: %s\n%s", problem.c_str(), kUsage);
        return std::nullopt;
    }
    return args;
}

void PrintSummary(const Arguments& args, const vorlant::gen::Congregation& congregation) {
    const auto& o = args.options;
    std::printf("vorlant-gen: %d publishers, %d groups, %d extended details, %d remarks (%s, %s), "
                "date %04d-%02d-%02d, seed %u -> %s\n",
                static_cast<int>(congregation.publishers.size()), static_cast<int>(congregation.groupTexts.size()), congregation.detailsRecords - 1,
                congregation.usableRemarks, o.scrambled ? "scrambled" : "plain",
                o.password.empty() ? "no password" : "password", o.year, o.month, o.day, o.seed,
                args.folder.c_str());
}

}  // namespace

int main(int argc, char** argv) {
    const std::optional<Arguments> args = Parse(argc, argv);
    if (!args) return 2;
    try {
        if (args->garbage) {
            const vorlant::gen::GarbageCongregation bad = vorlant::gen::GenerateGarbage(*args->garbage);
            if (!vorlant::gen::WriteCongregation(bad.congregation, args->folder)) {
                std::fprintf(stderr, "vorlant-gen: cannot write the files into %s\n", args->folder.c_str());
                return 1;
            }
            std::printf("vorlant-gen: bad congregation %u (%s) -> %s\n", *args->garbage, bad.damage.c_str(),
                        args->folder.c_str());
            return 0;
        }
        const vorlant::gen::Congregation congregation = vorlant::gen::Generate(args->options);
        if (!vorlant::gen::WriteCongregation(congregation, args->folder)) {
            std::fprintf(stderr, "vorlant-gen: cannot write the files into %s\n", args->folder.c_str());
            return 1;
        }
        PrintSummary(*args, congregation);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "vorlant-gen: %s\n", error.what());
        return 1;
    }
    return 0;
}
