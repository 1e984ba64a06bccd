// Stored points ("Data"): any bytes read into a series, with or without a
// further value list (the first byte decides). A stream may be refused with
// EReadError, which leaves the series empty; one that is read must write back
// to bytes that read to the same points, and those bytes must write again
// unchanged.
#include "chart/Series/LineSeries.h"
#include "framework/Exceptions.h"
#include "framework/Streams.h"

#include <cstdlib>
#include <cstring>
#include <span>
#include <vector>

namespace {

using namespace vur;

std::vector<std::uint8_t> Write(TChartSeries& Series) {
    TMemoryStream Stream;
    Series.WriteData(Stream);
    return Stream.Data();
}

void Read(TChartSeries& Series, std::span<const std::uint8_t> Bytes) {
    TCustomMemoryStream Stream(Bytes);
    Series.ReadData(Stream);
}

bool SameBits(double A, double B) { return std::memcmp(&A, &B, sizeof A) == 0; }

void Check(bool Condition, const char* What) {
    if (Condition) return;
    std::fputs(What, stderr);
    std::fputc('\n', stderr);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    if (Size == 0) return 0;
    const bool Further = (Data[0] & 1) != 0;
    const std::span<const std::uint8_t> Bytes(Data + 1, Size - 1);
    TLineSeries Series(nullptr);
    if (Further) new TChartValueList(&Series, "Extra");
    try {
        Read(Series, Bytes);
    } catch (const EReadError&) {
        Check(Series.Count() == 0, "a refused stream left points");
        Check(Series.GetUpdateCount() == 0, "a refused stream left the series updating");
        return 0;
    }
    const std::vector<std::uint8_t> First = Write(Series);
    TLineSeries Copy(nullptr);
    if (Further) new TChartValueList(&Copy, "Extra");
    Read(Copy, First);
    Check(Copy.Count() == Series.Count(), "written points read back to another count");
    for (int I = 0; I < Series.Count(); ++I) {
        Check(SameBits(Copy.GetxValue(I), Series.GetxValue(I)), "a position changed");
        Check(SameBits(Copy.GetyValue(I), Series.GetyValue(I)), "a value changed");
        Check(Copy.GetXLabel(I) == Series.GetXLabel(I), "a label changed");
        Check(Copy.GetValueColor(I) == Series.GetValueColor(I), "a colour changed");
    }
    Check(Write(Copy) == First, "written twice, the bytes differ");
    return 0;
}
