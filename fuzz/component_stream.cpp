// Component streams: any bytes read into a form (or, for a stored chart,
// into a chart), written back, and converted to the text form and back. A
// stream may be refused (a vur::Exception) but never crash, leak, read or
// allocate beyond its length, or nest without end; what the text form makes
// of a stream must read back to the same text.
#include "chart/Chart/Chart.h"
#include "framework/Application.h"
#include "framework/Exceptions.h"
#include "framework/Reader.h"
#include "framework/TextForm.h"
#include "framework/Writer.h"
#include "platform/ui/headless/HeadlessWindowSystem.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <span>

namespace {

vur::ui::HeadlessWindowSystem* WindowSystem = nullptr;
vur::TApplication* App = nullptr;

// The stream's root record names a chart (after the signature, without a prefix).
bool IsChartStream(std::span<const std::uint8_t> Bytes) {
    static constexpr std::uint8_t Chart[] = {6, 'T', 'C', 'h', 'a', 'r', 't'};
    return Bytes.size() > 4 + sizeof Chart && std::memcmp(Bytes.data() + 4, Chart, sizeof Chart) == 0;
}

void ReadAndWrite(std::span<const std::uint8_t> Bytes) {
    using namespace vur;
    std::unique_ptr<TComponent> Root;
    if (IsChartStream(Bytes))
        Root = std::make_unique<TChart>(nullptr);
    else
        Root = std::make_unique<TForm>(App);
    try {
        TCustomMemoryStream Stream(Bytes);
        ReadComponentFromStream(Stream, *Root);
    } catch (const Exception&) {
        // Refused, or partly read: what was read must still write.
    }
    TMemoryStream Written;
    try {
        WriteComponentToStream(Written, *Root);
    } catch (const EWriteError&) {
        // A name the stream allowed may be too long to write back with its path.
    }
}

void TextRoundTrip(std::span<const std::uint8_t> Bytes) {
    using namespace vur;
    std::string Text;
    try {
        Text = BinaryToText(Bytes);
    } catch (const Exception&) {
        return;
    }
    // Text the converter made always parses, and gives the same text again.
    if (BinaryToText(TextToBinary(Text)) != Text) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    WindowSystem = new vur::ui::HeadlessWindowSystem;
    App = new vur::TApplication(*WindowSystem);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    const std::span<const std::uint8_t> Bytes(Data, Size);
    ReadAndWrite(Bytes);
    TextRoundTrip(Bytes);
    return 0;
}
