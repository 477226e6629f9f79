#include "GlycanTestSupport.h"

#include <cstdio>
#include <fstream>
#include <sys/wait.h>

namespace {

struct RunResult {
    int exitCode;
    std::string output;
};

RunResult RunTool(const std::string& arguments)
{
    const std::string command = std::string(GLYCAN_TRACE_TOOL) + " " + arguments + " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return {-1, ""};
    }
    std::string output;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        output.append(buffer, n);
    }
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

std::string ReadFile(const std::string& path)
{
    std::ifstream file(path);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

} // namespace

TEST(GlycanTraceTool, PrintsTheDrawingOfACodeWithTheDefaults)
{
    const RunResult run = RunTool("3100202");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.output, ReadFile(std::string(GLYCAN_TRACE_DIR) + "/3100202.trace"));
    EXPECT_EQ(RunTool("--set 1 --x 200 --y 100 --scale 10.0 3100202").output, run.output);
}

TEST(GlycanTraceTool, OptionsReachTheDrawing)
{
    const RunResult run = RunTool("--x 50 --y 60 --scale 18 --set 5 3000000");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(
        run.output.starts_with("ForeColor 100 100 100\nPenWidth 2\nDrawLine 50 60 14 60\n"));
    EXPECT_EQ(run.output.find("DrawObject"), std::string::npos); // set 5 draws no symbol
}

TEST(GlycanTraceTool, BadArgumentsFailWithoutDrawing)
{
    for (const char* arguments :
         {"", "--set", "--set x 3000000", "--x 1.5 3000000", "--y 3000000000 3000000",
          "--scale nan 3000000", "--colour 1 3000000", "3000000 4000000"}) {
        const RunResult run = RunTool(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments;
        EXPECT_TRUE(run.output.empty()) << arguments;
    }
}
