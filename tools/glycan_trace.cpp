// Draws one glycan code on a recording surface and prints the surface calls, one per line.

#include "CodeDigits.h"
#include "Glycan.h"
#include "RecordingGraphics.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

namespace {

constexpr std::string_view usage =
    "usage: glycan_trace [--set N] [--x X] [--y Y] [--scale S] CODE\n"
    "Draws the glycan CODE once on a recording surface and prints its calls, one per line.\n"
    "  --set N     symbol set: 1 CFG, 2 UOXF, 3 text, 4 CFG greyscale (default 1)\n"
    "  --x X       x of the reducing-end anchor in pixels (default 200)\n"
    "  --y Y       y of the reducing-end anchor in pixels (default 100)\n"
    "  --scale S   size unit (default 10.0)\n";

struct Options {
    std::int32_t set = Glycan::SymbolSetCFG;
    std::int32_t x = 200;
    std::int32_t y = 100;
    double scale = 10.0;
    std::optional<std::string> code;
};

template <typename Number> std::optional<Number> ParseNumber(std::string_view text)
{
    Number value{};
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end) {
        return std::nullopt;
    }
    return value;
}

int Fail(const std::string& message)
{
    std::cerr << "glycan_trace: " << message << "\n" << usage;
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-h" || arg == "--help") {
            std::cout << usage;
            return 0;
        }
        if (!arg.starts_with("--")) {
            if (options.code) {
                return Fail("more than one CODE given");
            }
            options.code = std::string(arg);
            continue;
        }
        if (arg != "--set" && arg != "--x" && arg != "--y" && arg != "--scale") {
            return Fail("unknown option " + std::string(arg));
        }
        if (i + 1 >= argc) {
            return Fail("option " + std::string(arg) + " needs a value");
        }
        const std::string_view value = argv[++i];
        if (arg == "--scale") {
            const std::optional<double> scale = ParseNumber<double>(value);
            if (!scale || !std::isfinite(*scale)) {
                return Fail("--scale needs a finite number, not \"" + std::string(value) + "\"");
            }
            options.scale = *scale;
            continue;
        }
        const std::optional<std::int32_t> number = ParseNumber<std::int32_t>(value);
        if (!number) {
            return Fail(std::string(arg) + " needs a 32-bit integer, not \"" + std::string(value) +
                        "\"");
        }
        (arg == "--set" ? options.set : arg == "--x" ? options.x : options.y) = *number;
    }
    if (!options.code) {
        return Fail("no CODE given");
    }

    Glycan::SetCodeDigits(*options.code);
    Glycan::symbolSet = options.set;
    RecordingGraphics g;
    Glycan::BuildStructure(&g, options.x, options.y, options.scale);
    for (const std::string& call : g.calls()) {
        std::cout << call << '\n';
    }
    return std::cout.good() ? 0 : 1;
}
