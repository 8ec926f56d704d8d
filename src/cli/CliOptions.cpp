#include "cli/CliOptions.h"

#include "construction/ConfigurationText.h"

#include <charconv>

namespace {

bool ReadCount(const std::string& text, int low, int high, int& value)
{
    const char* end = text.data() + text.size();
    const auto [at, error] = std::from_chars(text.data(), end, value);
    return error == std::errc{} && at == end && value >= low && value <= high;
}

std::string ReadConfiguration(const std::string& text, TCliRequest& request)
{
    if (!text.empty() && text.front() == '(')
        return ParseConfigurationText(text, request.Config);
    if (!text.empty() && text.front() >= '0' && text.front() <= '9')
        return ParseCodeString(text, request.Config, request.Pick);
    return "a configuration is written like \"(3, 4, 5, 4)\" or as a code string of digits";
}

}  // namespace

std::string UsageText()
{
    return "usage: zenkari-cli build CONFIG [--limit N] [--steps N] [--continue N] [--pick I] [--dual]\n"
           "                        [--compound] [--json]\n"
           "  CONFIG  a vertex configuration, e.g. \"(3, 4, 5, 4)\", \"(3, 3, 3, 3, 3)/2\",\n"
           "          \"(4, 8, 4/3, 8/7 [,3])/0\", or a catalogue code string such as 01010019030103010301\n"
           "  --limit N     vertex limit, 10 ... 1000 in steps of 10 (default 200 or the code string's)\n"
           "  --steps N     a step build: start, then N-1 presses of continue\n"
           "  --continue N  N presses of continue after the build\n"
           "  --pick I      the solid shown: 0 the one under construction, I the I-th found\n"
           "                (default the code string's pick, or 1)\n"
           "  --dual        form the dual of that solid and append its edge-length report\n"
           "  --compound    form the compound of that solid and its dual\n"
           "  --json        one JSON object instead of text\n";
}

std::string ParseCommandLine(int argc, const char* const* argv, TCliRequest& request)
{
    if (argc >= 1 && (std::string(argv[0]) == "--help" || std::string(argv[0]) == "-h")) {
        request.Help = true;
        return "";
    }
    if (argc < 2 || std::string(argv[0]) != "build")
        return "expected: zenkari-cli build CONFIG [options] (see --help)";
    std::string error = ReadConfiguration(argv[1], request);
    if (!error.empty())
        return "bad configuration \"" + std::string(argv[1]) + "\": " + error;

    for (int i = 2; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--json" || option == "--dual" || option == "--compound") {
            (option == "--json" ? request.Json : option == "--dual" ? request.Dual : request.Compound) = true;
            continue;
        }
        if (option != "--limit" && option != "--steps" && option != "--continue" && option != "--pick")
            return "unknown option " + option;
        if (i + 1 >= argc)
            return option + " needs a number";
        const std::string value = argv[++i];
        if (option == "--limit") {
            int limit = 0;
            if (!ReadCount(value, 10, 1000, limit) || limit % 10 != 0)
                return "--limit must be 10 ... 1000 in steps of 10, not " + value;
            request.Config.VertexLimit = limit;
        } else if (option == "--pick") {
            if (!ReadCount(value, 0, 1000000, request.Pick))
                return "--pick must be 0 or more, not " + value;
        } else if (option == "--steps") {
            if (!ReadCount(value, 1, 10000000, request.Steps))
                return "--steps must be 1 ... 10000000, not " + value;
        } else if (!ReadCount(value, 0, 10000000, request.Continues)) {
            return "--continue must be 0 ... 10000000, not " + value;
        }
    }
    return "";
}
