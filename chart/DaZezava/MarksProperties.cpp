// What the marks store, and their per-point items as the binary "Items": a
// 32-bit item count, then each item's properties as a property list.
#include "chart/ChartClasses.h"
#include "chart/DaZezava/Marks.h"
#include "framework/Exceptions.h"
#include "framework/Published.h"
#include "framework/Reader.h"
#include "framework/Writer.h"

#include <cstdint>

namespace vur {

namespace {
constexpr const char* MarksStyleNames[] = {
    "smsValue",      "smsPercent", "smsLabel",        "smsLabelPercent",
    "smsLabelValue", "smsLegend",  "smsPercentTotal", "smsLabelPercentTotal",
    "smsXValue",     "smsXY"};
constexpr TTypeInfo TypeMarksStyle = EnumTypeInfo("TSeriesMarksStyle", MarksStyleNames);

void WriteItems(TStream& Stream, TSeriesMarks& Marks) {
    TMarksItems& Items = Marks.Items();
    const auto Count = static_cast<std::uint32_t>(Items.Count());
    const std::uint8_t CountBytes[4] = {
        static_cast<std::uint8_t>(Count), static_cast<std::uint8_t>(Count >> 8),
        static_cast<std::uint8_t>(Count >> 16), static_cast<std::uint8_t>(Count >> 24)};
    Stream.WriteBuffer(CountBytes, sizeof CountBytes);
    TWriter Writer(Stream);
    for (int Index = 0; Index < Items.Count(); ++Index) {
        Writer.WriteListBegin();
        // A point without an item of its own stores an empty list.
        if (TMarksItem* Item = Items.Find(Index)) Writer.WriteProperties(*Item);
        Writer.WriteListEnd();
    }
    Writer.FlushBuffer();
}

void ReadItems(TStream& Stream, TSeriesMarks& Marks) {
    std::uint8_t CountBytes[4];
    Stream.ReadBuffer(CountBytes, sizeof CountBytes);
    const std::uint32_t Count = CountBytes[0] | (std::uint32_t{CountBytes[1]} << 8) |
                                (std::uint32_t{CountBytes[2]} << 16) | (std::uint32_t{CountBytes[3]} << 24);
    // Every item takes at least its two list bytes.
    if (std::uint64_t{Count} * 2 > static_cast<std::uint64_t>(Stream.Remaining()))
        throw EReadError("Stream read error: more items than the data holds");
    Marks.Items().Clear();
    Marks.SetLoadingItems(true);
    try {
        TReader Reader(Stream);
        for (std::uint32_t Index = 0; Index < Count; ++Index) {
            Reader.ReadListBegin();
            if (Reader.EndOfList()) {
                Reader.ReadListEnd();
                continue;
            }
            Reader.ReadProperties(*Marks.Items().Get(static_cast<int>(Index)));
        }
    } catch (...) {
        Marks.SetLoadingItems(false);
        throw;
    }
    Marks.SetLoadingItems(false);
}
} // namespace

void DeclareMarksProperties() {
    TDeclare<TMarksItem>("TMarksItem", "TVurCustomShape")
        .Color("Color", &TMarksItem::GetColor, &TMarksItem::SetColor)
        .Default(clInfoBk)
        .DefineProperty(
            "Text",
            [](TReader& R, TMarksItem& Item) {
                R.ReadListBegin();
                Item.Text.clear();
                while (!R.EndOfList()) Item.Text.push_back(R.ReadString());
                R.ReadListEnd();
            },
            [](TWriter& W, TMarksItem& Item) {
                W.WriteListBegin();
                for (const std::string& Line : Item.Text) W.WriteString(Line);
                W.WriteListEnd();
            },
            [](TMarksItem& Item) { return !Item.Text.empty(); });
    using M = TSeriesMarks;
    TDeclare<TSeriesMarksSymbol>("TSeriesMarksSymbol", "TVurCustomShape")
        .Bool("Visible", &TSeriesMarksSymbol::GetVisible, &TSeriesMarksSymbol::SetVisible)
        .Default(false);
    TDeclare<M>("TSeriesMarks", "TVurCustomShape")
        .Int("Angle", &M::GetAngle, &M::SetAngle)
        .Default(0)
        .Object("Callout", &M::GetCallout)
        .Bool("Clip", &M::GetClip, &M::SetClip)
        .Default(false)
        .Color("Color", &M::GetColor, &M::SetColor)
        .Default(clInfoBk)
        .Int("DrawEvery", &M::GetDrawEvery, &M::SetDrawEvery)
        .Default(1)
        .Bool("MultiLine", &M::GetMultiLine, &M::SetMultiLine)
        .Default(false)
        .Enum<TSeriesMarksStyle>("Style", TypeMarksStyle, &M::GetStyle, &M::SetStyle)
        .Default(smsLabel)
        .Object("Symbol", &M::GetSymbol, &M::FindSymbol)
        // Stored in every case, as the stored form has it.
        .Bool("Visible", &M::GetVisible, &M::SetVisible)
        .DefineBinaryProperty("Items", ReadItems, WriteItems,
                              [](M& Marks) { return Marks.Items().Count() > 0; });
}

} // namespace vur
