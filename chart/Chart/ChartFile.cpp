#include "chart/Chart/ChartFile.h"

#include "chart/Chart/Chart.h"
#include "framework/Reader.h"
#include "framework/Streams.h"
#include "framework/TextForm.h"
#include "framework/Writer.h"

#include <algorithm>
#include <vector>

namespace vur {

namespace {
// Every series stores its points while the chart is written, then goes back to its own setting.
class TForcedSaveData {
public:
    explicit TForcedSaveData(TCustomChart& Chart) : FChart(Chart) {
        for (int Index = 0; Index < Chart.SeriesCount(); ++Index) {
            FForced.push_back(Chart.GetSeries(Index)->GetForceSaveData());
            Chart.GetSeries(Index)->SetForceSaveData(true);
        }
    }
    ~TForcedSaveData() {
        for (int Index = 0; Index < FChart.SeriesCount(); ++Index)
            FChart.GetSeries(Index)->SetForceSaveData(FForced[static_cast<std::size_t>(Index)]);
    }
    TForcedSaveData(const TForcedSaveData&) = delete;
    TForcedSaveData& operator=(const TForcedSaveData&) = delete;

private:
    TCustomChart& FChart;
    std::vector<bool> FForced;
};
} // namespace

void SaveChartToStream(TCustomChart& Chart, TStream& Stream, TChartFileFormat Format) {
    TMemoryStream Binary;
    {
        const TForcedSaveData Forced(Chart);
        WriteComponentToStream(Binary, Chart);
    }
    if (Format == cffBinary) {
        Stream.WriteBuffer(Binary.Data().data(), Binary.Data().size());
        return;
    }
    const std::string Text = BinaryToText(Binary.Data());
    Stream.WriteBuffer(Text.data(), Text.size());
}

void SaveChartToFile(TCustomChart& Chart, const std::string& FileName, TChartFileFormat Format) {
    TFileStream File(FileName, fmCreate);
    SaveChartToStream(Chart, File, Format);
}

void LoadChartFromStream(TCustomChart& Chart, TStream& Stream) {
    std::vector<std::uint8_t> Data(static_cast<std::size_t>(std::max<std::int64_t>(Stream.Remaining(), 0)));
    Stream.ReadBuffer(Data.data(), Data.size());
    const bool IsBinary = Data.size() >= FilerSignature.size() &&
                          std::equal(FilerSignature.begin(), FilerSignature.end(), Data.begin());
    // Text is turned into a stream before the chart is touched: a file that
    // is not a stored chart at all leaves the chart as it was.
    if (!IsBinary)
        Data = TextToBinary(std::string_view(reinterpret_cast<const char*>(Data.data()), Data.size()));
    TCustomMemoryStream Stored(Data);
    Chart.FreeAllSeries();
    try {
        ReadComponentFromStream(Stored, Chart);
    } catch (...) {
        // No series half read stays behind.
        Chart.FreeAllSeries();
        throw;
    }
}

void LoadChartFromFile(TCustomChart& Chart, const std::string& FileName) {
    TFileStream File(FileName, fmOpenRead);
    LoadChartFromStream(Chart, File);
}

} // namespace vur
