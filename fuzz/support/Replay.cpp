// The main of the fuzz programs in builds without libFuzzer: runs the target
// once on each file given, or on each file of a folder given, in name order.
// Options in libFuzzer's "-name=value" form are accepted and ignored, so the
// same command line replays seeds in either kind of build.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size);
// Optional, as in libFuzzer: set-up before the first input.
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

void RunFile(const std::filesystem::path& File) {
    std::ifstream In(File, std::ios::binary);
    const std::vector<char> Bytes{std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>()};
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(Bytes.data()), Bytes.size());
}

} // namespace

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    if (LLVMFuzzerInitialize != nullptr) LLVMFuzzerInitialize(&argc, &argv);
    int Runs = 0;
    for (int I = 1; I < argc; ++I) {
        if (argv[I][0] == '-') continue;
        std::vector<fs::path> Files;
        if (fs::is_directory(argv[I])) {
            for (const fs::directory_entry& Entry : fs::directory_iterator(argv[I]))
                if (Entry.is_regular_file()) Files.push_back(Entry.path());
            std::sort(Files.begin(), Files.end());
        } else {
            Files.emplace_back(argv[I]);
        }
        for (const fs::path& File : Files) {
            RunFile(File);
            ++Runs;
        }
    }
    std::printf("%d inputs run\n", Runs);
    // No input at all is a broken command line or an empty corpus.
    return Runs > 0 ? 0 : 1;
}
