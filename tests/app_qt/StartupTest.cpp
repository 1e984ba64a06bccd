// The program started as a user would, in environments where no window can open.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>

namespace {

struct Outcome {
    int Status = -1; // the exit status; 124 when `timeout` had to stop it
    std::string Out;
    std::string Err;
    std::chrono::milliseconds Took{};
};

std::string Slurp(const std::string& Path) {
    std::ostringstream Text;
    Text << std::ifstream(Path).rdbuf();
    return Text.str();
}

// Runs the program with no display or platform in its environment but Settings,
// stopped after Limit seconds.
Outcome RunLivePlot(const std::string& Settings, const char* Limit) {
    // Files of the test's own: the tests run side by side in one folder.
    const std::string Name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    const std::string OutPath = Name + ".out", ErrPath = Name + ".err";
    const std::string Command = std::string("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ") +
                                Settings + " timeout " + Limit + " " LIVEPLOT_PATH " >" + OutPath + " 2>" +
                                ErrPath;
    const auto Start = std::chrono::steady_clock::now();
    const int Status = std::system(Command.c_str());
    Outcome Result;
    Result.Took =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - Start);
    Result.Status = WIFEXITED(Status) ? WEXITSTATUS(Status) : -1;
    Result.Out = Slurp(OutPath);
    Result.Err = Slurp(ErrPath);
    return Result;
}

} // namespace

// Without a display there is one line on standard error that says what to do, status 1 and no abort.
TEST(LivePlotStart, WithoutAWindowPlatformItSaysWhatToDoAndEndsWithStatusOne) {
    const struct {
        const char* Settings;
        const char* Says; // part of the one line on standard error
    } Cases[] = {
        {"", "liveplot: no display found. "},
        {"DISPLAY=:77", "could not connect to display :77"},
        {"QT_QPA_PLATFORM=nosuchplatform", "\"nosuchplatform\""},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Settings);
        const Outcome Result = RunLivePlot(Case.Settings, "5");
        EXPECT_EQ(Result.Status, 1);
        EXPECT_LT(Result.Took, std::chrono::seconds(1));
        EXPECT_EQ(Result.Out, "");
        EXPECT_NE(Result.Err.find(Case.Says), std::string::npos) << Result.Err;
        EXPECT_NE(Result.Err.find("QT_QPA_PLATFORM=offscreen"), std::string::npos) << Result.Err;
        EXPECT_NE(Result.Err.find("examples/render_chart"), std::string::npos) << Result.Err;
        // One line, ended.
        ASSERT_FALSE(Result.Err.empty());
        EXPECT_EQ(Result.Err.find('\n'), Result.Err.size() - 1) << Result.Err;
    }
}

// A platform chosen explicitly passes the check: the program starts and keeps running.
TEST(LivePlotStart, WithTheOffscreenPlatformItStartsWithoutAWord) {
    const Outcome Result = RunLivePlot("QT_QPA_PLATFORM=offscreen", "0.7");
    EXPECT_EQ(Result.Status, 124) << Result.Err; // still running when it was stopped
    EXPECT_EQ(Result.Err.find("liveplot:"), std::string::npos) << Result.Err;
}
