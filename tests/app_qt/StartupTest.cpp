// The program started as a user would, in environments where no window can open.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

struct Outcome {
    int Status = -1; // exit status; -1 when killed or out of time
    std::string Out;
    std::string Err;
    std::chrono::milliseconds Took{};
};

// Runs Program with the current environment less Removed plus Added, killing it after Limit.
Outcome RunProgram(const char* Program, const std::vector<std::string>& Removed,
                   const std::vector<std::string>& Added, std::chrono::milliseconds Limit) {
    std::vector<std::string> Env;
    for (char** E = environ; *E != nullptr; ++E) {
        const std::string Entry(*E);
        bool Drop = false;
        for (const std::string& Name : Removed) Drop = Drop || Entry.rfind(Name + "=", 0) == 0;
        for (const std::string& Set : Added)
            Drop = Drop || Entry.rfind(Set.substr(0, Set.find('=') + 1), 0) == 0;
        if (!Drop) Env.push_back(Entry);
    }
    Env.insert(Env.end(), Added.begin(), Added.end());
    std::vector<char*> EnvP;
    for (std::string& E : Env) EnvP.push_back(E.data());
    EnvP.push_back(nullptr);

    int OutPipe[2], ErrPipe[2];
    if (pipe2(OutPipe, O_CLOEXEC) != 0 || pipe2(ErrPipe, O_CLOEXEC) != 0) return {};
    const auto Start = std::chrono::steady_clock::now();
    const pid_t Child = fork();
    if (Child == 0) {
        dup2(OutPipe[1], 1);
        dup2(ErrPipe[1], 2);
        char* Argv[] = {const_cast<char*>(Program), nullptr};
        execve(Program, Argv, EnvP.data());
        _exit(127);
    }
    close(OutPipe[1]);
    close(ErrPipe[1]);
    Outcome Result;
    pollfd Fds[2] = {{OutPipe[0], POLLIN, 0}, {ErrPipe[0], POLLIN, 0}};
    std::string* Sinks[2] = {&Result.Out, &Result.Err};
    int Open = 2;
    while (Open > 0) {
        const auto Left = Limit - (std::chrono::steady_clock::now() - Start);
        const int Wait =
            static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(Left).count());
        if (Wait <= 0 || poll(Fds, 2, Wait) <= 0) break;
        for (int I = 0; I < 2; ++I) {
            if (Fds[I].fd < 0 || Fds[I].revents == 0) continue;
            char Buffer[4096];
            const ssize_t Got = read(Fds[I].fd, Buffer, sizeof Buffer);
            if (Got > 0) {
                Sinks[I]->append(Buffer, static_cast<std::size_t>(Got));
                continue;
            }
            close(Fds[I].fd);
            Fds[I].fd = -1;
            --Open;
        }
    }
    int Status = 0;
    while (waitpid(Child, &Status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() - Start > Limit) {
            kill(Child, SIGKILL);
            waitpid(Child, &Status, 0);
            break;
        }
        usleep(1000);
    }
    Result.Took =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - Start);
    for (const pollfd& F : Fds)
        if (F.fd >= 0) close(F.fd);
    if (WIFEXITED(Status)) Result.Status = WEXITSTATUS(Status);
    return Result;
}

struct NoWindowCase {
    const char* Name;
    std::vector<std::string> Added;
    const char* Says; // part of the one line on standard error
};

} // namespace

// Without a display there is one line on standard error that says what to do, status 1 and no abort.
TEST(LivePlotStart, WithoutAWindowPlatformItSaysWhatToDoAndEndsWithStatusOne) {
    const NoWindowCase Cases[] = {
        {"no display", {}, "liveplot: no display found. "},
        {"unreachable display", {"DISPLAY=:77"}, "could not connect to display :77"},
        {"unknown platform", {"QT_QPA_PLATFORM=nosuchplatform"}, "\"nosuchplatform\""},
    };
    for (const NoWindowCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        const Outcome Result = RunProgram(LIVEPLOT_PATH, {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"},
                                          Case.Added, std::chrono::seconds(5));
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
    const Outcome Result = RunProgram(LIVEPLOT_PATH, {"DISPLAY", "WAYLAND_DISPLAY"},
                                      {"QT_QPA_PLATFORM=offscreen"}, std::chrono::milliseconds(700));
    EXPECT_EQ(Result.Status, -1) << Result.Err; // still running when it was stopped
    EXPECT_EQ(Result.Err.find("liveplot:"), std::string::npos) << Result.Err;
}
