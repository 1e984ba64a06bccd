#include "platform/ui/qt/QtStartup.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <utility>
#include <vector>

namespace vur::ui {

namespace {

const char* const Remedy =
    "Run it under X11 or Wayland, or with QT_QPA_PLATFORM=offscreen to run it without "
    "showing anything; examples/render_chart draws the chart to a PNG without any display.";

bool Named(const char* Variable) {
    const char* Value = std::getenv(Variable);
    return Value != nullptr && *Value != '\0';
}

std::string ProgramName(int argc, char** argv) {
    if (argc < 1 || argv[0] == nullptr || *argv[0] == '\0') return "liveplot";
    return std::filesystem::path(argv[0]).filename().string();
}

// What the toolkit says while its application starts, held back so that a
// failure ends in one line; replayed when the start succeeds.
struct StartMessages {
    std::string Program;
    std::vector<std::string> Said;
};
StartMessages* Starting = nullptr;

// Runs of white space become one space, so the toolkit's paragraphs fit one line.
void AppendFlat(std::string& Line, const std::string& Text) {
    for (const char C : Text) {
        const bool Space = C == ' ' || C == '\n' || C == '\t' || C == '\r';
        if (Space && (Line.empty() || Line.back() == ' ')) continue;
        Line += Space ? ' ' : C;
    }
    while (!Line.empty() && Line.back() == ' ') Line.pop_back();
}

void HoldStartMessage(QtMsgType Type, const QMessageLogContext& Context, const QString& Message) {
    std::string Text;
    if (Context.category != nullptr && std::string_view(Context.category) != "default")
        Text = std::string(Context.category) + ": ";
    Text += Message.toStdString();
    if (Type != QtFatalMsg) {
        Starting->Said.push_back(std::move(Text));
        return;
    }
    std::string Line = Starting->Program + ": the window system could not start: ";
    for (const std::string& Earlier : Starting->Said) {
        AppendFlat(Line, Earlier);
        Line += Line.back() == '.' ? " " : "; ";
    }
    AppendFlat(Line, Text);
    if (Line.back() != '.') Line += '.';
    Line += ' ';
    Line += Remedy;
    std::fprintf(stderr, "%s\n", Line.c_str());
    std::fflush(stderr);
    // The toolkit is half started; nothing of it may run on the way out.
    std::_Exit(1);
}

} // namespace

std::string MissingPlatformMessage(const std::string& Program) {
    if (Named("QT_QPA_PLATFORM") || Named("DISPLAY") || Named("WAYLAND_DISPLAY")) return {};
    return Program + ": no display found. " + Remedy;
}

std::unique_ptr<QApplication> StartApplication(int& argc, char** argv) {
    StartMessages Messages{ProgramName(argc, argv), {}};
    if (const std::string Missing = MissingPlatformMessage(Messages.Program); !Missing.empty()) {
        std::fprintf(stderr, "%s\n", Missing.c_str());
        std::exit(1);
    }
    Starting = &Messages;
    const QtMessageHandler Previous = qInstallMessageHandler(HoldStartMessage);
    auto App = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(Previous);
    Starting = nullptr;
    for (const std::string& Text : Messages.Said) std::fprintf(stderr, "%s\n", Text.c_str());
    return App;
}

} // namespace vur::ui
