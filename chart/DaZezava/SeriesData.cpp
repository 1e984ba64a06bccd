// The stored points of a series, "Data": a flags byte (bit 0 positions, bit 1
// colours, bit 2 labels, bit 3 mark placements follow), the point count, and
// one record per point in index order: [position] value [colour] [label]
// further values [placement], little-endian. Positions are the
// NotMandatoryValueList's values, values the MandatoryValueList's.
#include "chart/DaZezava/Series.h"
#include "framework/Exceptions.h"
#include "framework/Streams.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <vector>

namespace vur {

namespace {

enum TDataFlag : std::uint8_t { dfPositions = 1, dfColors = 2, dfLabels = 4, dfMarks = 8 };

// ArrowStart, FixArrowStart, ArrowEnd, IsCustom, Height, MarkLeftTop, Width.
constexpr std::size_t PlacementSize = 8 + 1 + 8 + 1 + 4 + 8 + 4;

static_assert(std::endian::native == std::endian::little, "the stored layout is the machine's own");

// Gathers values in a block and hands the stream whole blocks: a stream
// write per value would cost more than the values themselves.
class TDataWriter {
public:
    // Blocks of BlockSize bytes at least, and room for one record of RecordSize.
    TDataWriter(TStream& Stream, std::size_t RecordSize)
        : FStream(Stream), FBlock(std::max(BlockSize, RecordSize)) {}
    ~TDataWriter() = default;
    TDataWriter(const TDataWriter&) = delete;
    TDataWriter& operator=(const TDataWriter&) = delete;

    // Makes room for the next Size bytes, which Put may then write unchecked.
    void Reserve(std::size_t Size) {
        if (FUsed + Size > FBlock.size()) Flush();
    }
    template <class T>
    void Put(T Value) {
        std::memcpy(FBlock.data() + FUsed, &Value, sizeof(T));
        FUsed += sizeof(T);
    }
    void PutPoint(const TPoint& P) {
        Put<std::int32_t>(P.X);
        Put<std::int32_t>(P.Y);
    }
    void PutLabel(const std::string& Text) {
        // A label is one length byte long at most.
        const std::size_t Length = std::min<std::size_t>(Text.size(), MaxLabel);
        Put<std::uint8_t>(static_cast<std::uint8_t>(Length));
        std::memcpy(FBlock.data() + FUsed, Text.data(), Length);
        FUsed += Length;
    }
    void Flush() {
        FStream.WriteBuffer(FBlock.data(), FUsed);
        FUsed = 0;
    }

    static constexpr std::size_t MaxLabel = 255;

private:
    static constexpr std::size_t BlockSize = 64 * 1024;
    TStream& FStream;
    std::vector<std::uint8_t> FBlock;
    std::size_t FUsed = 0;
};

// Takes values from bytes in memory; running short raises EReadError.
class TDataReader {
public:
    explicit TDataReader(std::span<const std::uint8_t> Bytes) : FBytes(Bytes) {}
    std::size_t Remaining() const { return FBytes.size() - FPos; }
    template <class T>
    T Take() {
        Need(sizeof(T));
        T Value;
        std::memcpy(&Value, FBytes.data() + FPos, sizeof(T));
        FPos += sizeof(T);
        return Value;
    }
    TPoint TakePoint() {
        const std::int32_t X = Take<std::int32_t>();
        return TPoint{X, Take<std::int32_t>()};
    }
    std::string_view TakeLabel() {
        const std::size_t Length = Take<std::uint8_t>();
        Need(Length);
        const std::string_view Text(reinterpret_cast<const char*>(FBytes.data() + FPos), Length);
        FPos += Length;
        return Text;
    }

private:
    void Need(std::size_t Count) const {
        if (Count > Remaining()) throw EReadError("Stream read error");
    }
    std::span<const std::uint8_t> FBytes;
    std::size_t FPos = 0;
};

// The smallest record the flags allow, with Further values after the first two.
std::size_t SmallestRecord(std::uint8_t Flags, std::size_t Further) {
    return 8 + ((Flags & dfPositions) ? 8 : 0) + ((Flags & dfColors) ? 4 : 0) + ((Flags & dfLabels) ? 1 : 0) +
           8 * Further + ((Flags & dfMarks) ? PlacementSize : 0);
}

} // namespace

bool TChartSeries::IsDataStored() const { return FForceSaveData || (FDataLoaded && !FDontSaveData); }

std::uint8_t TChartSeries::DataFlags() const {
    const int N = Count();
    std::uint8_t Flags = 0;
    // Compared by bits: a position of -0 at index 0 equals 0 but would come back as +0.
    for (int Index = 0; Index < N; ++Index)
        if (std::bit_cast<std::uint64_t>(FNotMandatoryValueList->GetValue(Index)) !=
            std::bit_cast<std::uint64_t>(static_cast<double>(Index))) {
            Flags |= dfPositions;
            break;
        }
    if (FColors) {
        const TColor Own = GetSeriesColor();
        for (const TColor Color : *FColors)
            if (Color != clDefault && Color != Own) {
                Flags |= dfColors;
                break;
            }
    }
    for (int Index = 0; Index < FLabels.Count(); ++Index)
        if (!FLabels.Get(Index).empty()) {
            Flags |= dfLabels;
            break;
        }
    if (FMarks->Positions().ExistCustom()) Flags |= dfMarks;
    return Flags;
}

void TChartSeries::WriteData(TStream& Stream) {
    const int N = Count();
    const std::uint8_t Flags = DataFlags();
    const std::size_t Further = static_cast<std::size_t>(FValueLists.Count() - 2);
    // The longest a record can be; each record is written whole into the block.
    const std::size_t RecordSize = 8 + 8 + 4 + 1 + TDataWriter::MaxLabel + 8 * Further + PlacementSize;
    // Exact without labels; a memory stream grows once, not by doubling through fresh pages.
    Stream.Expect(5 + static_cast<std::size_t>(N) * SmallestRecord(Flags, Further));
    TDataWriter Out(Stream, RecordSize);
    Out.Reserve(5);
    Out.Put(Flags);
    Out.Put<std::int32_t>(N);
    for (int Index = 0; Index < N; ++Index) {
        Out.Reserve(RecordSize);
        if (Flags & dfPositions) Out.Put(FNotMandatoryValueList->GetValue(Index));
        Out.Put(FMandatoryValueList->GetValue(Index));
        if (Flags & dfColors)
            Out.Put<std::uint32_t>(Index < static_cast<int>(FColors->size())
                                       ? (*FColors)[static_cast<std::size_t>(Index)]
                                       : clDefault);
        if (Flags & dfLabels) Out.PutLabel(FLabels.Get(Index));
        for (int List = 2; List < FValueLists.Count(); ++List)
            Out.Put(FValueLists.Get(List)->GetValue(Index));
        if (Flags & dfMarks) {
            // A point without a placement of its own is stored as an empty automatic one.
            static const TSeriesMarkPosition None{};
            const TSeriesMarkPosition* Placement = FMarks->Positions().Get(Index);
            const TSeriesMarkPosition& P = Placement != nullptr ? *Placement : None;
            Out.PutPoint(P.ArrowStart);
            Out.Put<std::uint8_t>(P.FixArrowStart ? 1 : 0);
            Out.PutPoint(P.ArrowEnd);
            Out.Put<std::uint8_t>(P.IsCustom ? 1 : 0);
            Out.Put<std::int32_t>(P.Height);
            Out.PutPoint(P.MarkLeftTop);
            Out.Put<std::int32_t>(P.Width);
        }
    }
    Out.Flush();
}

void TChartSeries::ReadData(TStream& Stream) {
    Clear();
    std::vector<std::uint8_t> Spare;
    TDataReader In(Stream.ReadView(static_cast<std::size_t>(Stream.Remaining()), Spare));
    const auto Flags = In.Take<std::uint8_t>();
    const auto N = In.Take<std::int32_t>();
    // A count that cannot fit is refused before anything is read.
    if (N < 0 ||
        static_cast<std::size_t>(N) >
            In.Remaining() / SmallestRecord(Flags, static_cast<std::size_t>(FValueLists.Count() - 2)))
        throw EReadError("Stream read error");
    try {
        WithinUpdate([&] {
            for (int Index = 0; Index < N; ++Index) {
                double Position = (Flags & dfPositions) ? In.Take<double>() : Index;
                double Value = In.Take<double>();
                const TColor Color = (Flags & dfColors) ? In.Take<std::uint32_t>() : clDefault;
                const std::string_view Label = (Flags & dfLabels) ? In.TakeLabel() : std::string_view();
                for (int List = 2; List < FValueLists.Count(); ++List)
                    FValueLists.Get(List)->SetPendingValue(In.Take<double>());
                if (FMandatoryValueList != FYValues) std::swap(Position, Value);
                AddXY(Position, Value, Label, Color);
                if (Flags & dfMarks) {
                    TSeriesMarkPosition P;
                    P.ArrowStart = In.TakePoint();
                    P.FixArrowStart = In.Take<std::uint8_t>() != 0;
                    P.ArrowEnd = In.TakePoint();
                    P.IsCustom = In.Take<std::uint8_t>() != 0;
                    P.Height = In.Take<std::int32_t>();
                    P.MarkLeftTop = In.TakePoint();
                    P.Width = In.Take<std::int32_t>();
                    // Whole, flags and all: Put would mark every stored placement custom.
                    FMarks->Positions().Ensure(Index) = P;
                }
            }
        });
    } catch (const Exception& E) {
        // Nothing half read stays.
        Clear();
        if (dynamic_cast<const EReadError*>(&E) != nullptr) throw;
        throw EReadError(E.Message());
    }
    FDataLoaded = true;
}

} // namespace vur
