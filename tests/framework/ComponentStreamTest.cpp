// The component stream: value tags, the reading rules and their error texts,
// the writer, and streams that are truncated or hostile.
#include "framework/Exceptions.h"
#include "framework/Filer.h"
#include "framework/Reader.h"
#include "framework/Writer.h"
#include "tests/framework/StreamTestSupport.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <filesystem>
#include <limits>
#include <memory>
#include <sys/stat.h>

namespace vur {
namespace {

using test::StreamLog;
using test::TBytes;
using test::TTestRoot;
using test::TThing;

struct ComponentStream : ::testing::Test {
    TTestRoot Root{nullptr};
    std::vector<std::string> Errors;

    void SetUp() override {
        test::DeclareTestClasses();
        StreamLog().clear();
    }

    // Reads Bytes into Root; with Tolerant, errors are noted and skipped.
    void Read(const std::vector<std::uint8_t>& Bytes, bool Tolerant = false) {
        TCustomMemoryStream Stream(Bytes);
        TReader Reader(Stream);
        if (Tolerant)
            Reader.OnError = [this](TReader&, const std::string& Message, bool& Handled) {
                Errors.push_back(Message);
                Handled = true;
            };
        Reader.ReadRootComponent(&Root);
    }
    std::string ReadError(const std::vector<std::uint8_t>& Bytes) {
        try {
            Read(Bytes);
        } catch (const Exception& E) {
            return E.Message();
        }
        return "no error";
    }
    static std::vector<std::uint8_t> Write(TComponent& Component) {
        TMemoryStream Stream;
        WriteComponentToStream(Stream, Component);
        return Stream.Data();
    }
    // A root record with one thing, Thing1, carrying the property bytes Props.
    static TBytes ThingStream(const TBytes& Props) {
        TBytes B;
        B.Signature().Record("TTestRoot", "Root").End().Record("TTestThing", "Thing1");
        B.Data.insert(B.Data.end(), Props.Data.begin(), Props.Data.end());
        return B.End().End().End();
    }
    TThing* Thing(const std::string& Name) { return dynamic_cast<TThing*>(Root.FindComponent(Name)); }
};

// ---- values

TEST_F(ComponentStream, IntegersTakeTheSmallestTagAndAnyTagReadsBack) {
    struct Case {
        std::int64_t Value;
        std::vector<std::uint8_t> Bytes;
    };
    const Case Cases[] = {
        {0, {2, 0}},
        {-11, {2, 0xF5}},
        {127, {2, 0x7F}},
        {-128, {2, 0x80}},
        {128, {3, 0x80, 0}},
        {192, {3, 0xC0, 0}},
        {-129, {3, 0x7F, 0xFF}},
        {32767, {3, 0xFF, 0x7F}},
        {32768, {4, 0, 0x80, 0, 0}},
        {-2147483648LL, {4, 0, 0, 0, 0x80}},
        {std::int64_t{1} << 40, {19, 0, 0, 0, 0, 0, 1, 0, 0}},
    };
    for (const Case& C : Cases) {
        TMemoryStream Stream;
        {
            TWriter Writer(Stream);
            Writer.WriteInteger(C.Value);
        }
        EXPECT_EQ(Stream.Data(), C.Bytes) << C.Value;
        Stream.SetPosition(0);
        TReader Reader(Stream);
        EXPECT_EQ(Reader.ReadInt64(), C.Value);
    }
    // The reader takes a wider tag than needed, wherever an integer goes.
    Read(ThingStream(TBytes().Property("Count").Bytes({4, 0xC0, 0, 0, 0})).Data);
    EXPECT_EQ(Thing("Thing1")->Count, 192);
}

TEST_F(ComponentStream, ExtendedFloatsHoldEveryDoubleExactly) {
    // 1.0: integer bit set, exponent 0x3FFF.
    EXPECT_EQ(DoubleToExtended(1.0), (TExtended80{0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}));
    EXPECT_EQ(DoubleToExtended(-2.0), (TExtended80{0, 0, 0, 0, 0, 0, 0, 0x80, 0x00, 0xC0}));
    // The smallest subnormal double is 2^-1074, a normal extended.
    EXPECT_EQ(DoubleToExtended(std::numeric_limits<double>::denorm_min()),
              (TExtended80{0, 0, 0, 0, 0, 0, 0, 0x80, 0xCD, 0x3B}));
    const double Values[] = {0.0,
                             -0.0,
                             0.1,
                             -1234.5678,
                             1e300,
                             std::numeric_limits<double>::max(),
                             std::numeric_limits<double>::min(),
                             std::numeric_limits<double>::denorm_min(),
                             3 * std::numeric_limits<double>::denorm_min(),
                             std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity()};
    for (const double V : Values)
        EXPECT_EQ(std::bit_cast<std::uint64_t>(ExtendedToDouble(DoubleToExtended(V))),
                  std::bit_cast<std::uint64_t>(V))
            << V;
    EXPECT_TRUE(std::isnan(ExtendedToDouble(DoubleToExtended(std::nan("")))));
}

TEST_F(ComponentStream, ExtendedFloatsBeyondADoubleRoundToNearestEven) {
    const auto Make = [](std::uint64_t Significand, unsigned Exponent) {
        TExtended80 E{};
        for (int I = 0; I < 8; ++I)
            E[static_cast<std::size_t>(I)] = static_cast<std::uint8_t>(Significand >> (8 * I));
        E[8] = static_cast<std::uint8_t>(Exponent);
        E[9] = static_cast<std::uint8_t>(Exponent >> 8);
        return E;
    };
    constexpr std::uint64_t One = std::uint64_t{1} << 63;
    // 1 + 2^-53 lies halfway between 1 and the next double: ties go to the even 1.
    EXPECT_EQ(ExtendedToDouble(Make(One | (std::uint64_t{1} << 10), 0x3FFF)), 1.0);
    // 1 + 3 * 2^-54 is nearer the next double.
    EXPECT_EQ(ExtendedToDouble(Make(One | (std::uint64_t{3} << 9), 0x3FFF)), std::nextafter(1.0, 2.0));
    // Too large for a double; too small even for a subnormal; half the smallest subnormal ties to 0.
    EXPECT_EQ(ExtendedToDouble(Make(One, 0x7FFE)), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ExtendedToDouble(Make(One, 1)), 0.0);
    EXPECT_EQ(ExtendedToDouble(Make(One, 16383 - 1075)), 0.0);
    EXPECT_EQ(ExtendedToDouble(Make(One | 1, 16383 - 1075)), std::numeric_limits<double>::denorm_min());
    // Without the integer bit the value is read as it stands: 0.5 * 2^1 = 1.
    EXPECT_EQ(ExtendedToDouble(Make(One >> 1, 0x3FFF + 1)), 1.0);
}

TEST_F(ComponentStream, SetsAreNamesEndedByAnEmptyNameAndStrangersAreLeftOut) {
    Read(ThingStream(
             TBytes().Property("Styles").Byte(11).Short("stWide").Short("stSmall").Short("stTall").Byte(0))
             .Data);
    EXPECT_EQ(Thing("Thing1")->Styles, 0b110);
    // Written back: the members in order, then the single 0 byte; the empty set is 11 0.
    const std::vector<std::uint8_t> Written = Write(Root);
    const TBytes Expected = TBytes().Property("Styles").Byte(11).Short("stWide").Short("stTall").Byte(0);
    EXPECT_NE(std::search(Written.begin(), Written.end(), Expected.Data.begin(), Expected.Data.end()),
              Written.end());
    TMemoryStream Empty;
    {
        TWriter Writer(Empty);
        Writer.WriteValue(vaSet);
        Writer.WriteStr("");
    }
    EXPECT_EQ(Empty.Data(), (std::vector<std::uint8_t>{11, 0}));
}

TEST_F(ComponentStream, StringsOfEveryTagReadAsCodePageText) {
    // "é" is 0xE9 in the code page, U+00E9 in UTF-16 and C3 A9 in UTF-8; "€" is 0x80, U+20AC.
    Read(ThingStream(TBytes().Property("Text").Bytes({18, 2, 0, 0, 0, 0xE9, 0, 0xAC, 0x20})).Data);
    EXPECT_EQ(Thing("Thing1")->Text, "\xE9\x80");
    Root.DestroyComponents();
    Read(ThingStream(TBytes().Property("Text").Bytes({20, 3, 0, 0, 0, 'a', 0xC3, 0xA9})).Data);
    EXPECT_EQ(Thing("Thing1")->Text, "a\xE9");
    Root.DestroyComponents();
    Read(ThingStream(TBytes().Property("Text").Bytes({12, 2, 0, 0, 0, 'o', 'k'})).Data);
    EXPECT_EQ(Thing("Thing1")->Text, "ok");
}

// ---- reading rules

TEST_F(ComponentStream, PropertyErrorsCarryTheStatedTexts) {
    struct Case {
        TBytes Props;
        std::string Message;
    };
    const Case Cases[] = {
        {TBytes().Property("Count.Size").Int8(1), "Error reading Thing1.Count.Size: Invalid property path"},
        {TBytes().Property("Nope").Int8(5), "Error reading Thing1.Nope: Property Nope does not exist"},
        {TBytes().Property("Nope.Size").Int8(5),
         "Error reading Thing1.Nope.Size: Property Nope does not exist"},
        {TBytes().Property("Part.Width").Int8(5),
         "Error reading Thing1.Part.Width: Property Width does not exist"},
        {TBytes().Property("Count").String("many"), "Error reading Thing1.Count: Invalid property value"},
        {TBytes().Property("Kind").Ident("kdMore"), "Error reading Thing1.Kind: Invalid property value"},
        {TBytes().Property("Color").Ident("clNothing"), "Error reading Thing1.Color: Invalid property value"},
        {TBytes().Property("Letter").String("ab"), "Error reading Thing1.Letter: Invalid property value"},
        {TBytes().Property("Ratio").Byte(15).Bytes({0, 0, 0x80, 0x3F}),
         "Error reading Thing1.Ratio: Invalid property value"},
        {TBytes().Property("OnPing").Ident("Pong"), "Error reading Thing1.OnPing: Invalid property value"},
        {TBytes().Property("Part").Int8(1), "Error reading Thing1.Part: Invalid property value"},
        {TBytes().Property("Flag").Int8(1), "Error reading Thing1.Flag: Invalid property value"},
    };
    for (const Case& C : Cases) {
        Root.DestroyComponents();
        EXPECT_EQ(ReadError(ThingStream(C.Props).Data), C.Message);
    }
}

TEST_F(ComponentStream, AnErrorHandlerSkipsTheBadValueAndReadingGoesOn) {
    Read(ThingStream(TBytes()
                         .Property("Nope")
                         .Bytes({1, 2, 7, 6})
                         .Short("deep")
                         .Bytes({0})
                         .Property("Count")
                         .String("many")
                         .Property("Text")
                         .String("after"))
             .Data,
         true);
    EXPECT_EQ(Errors, (std::vector<std::string>{"Error reading Thing1.Nope: Property Nope does not exist",
                                                "Error reading Thing1.Count: Invalid property value"}));
    ASSERT_NE(Thing("Thing1"), nullptr);
    EXPECT_EQ(Thing("Thing1")->Text, "after");
}

TEST_F(ComponentStream, ChildrenAreReadAfterTheirParentsPropertiesAndLoadedAfterEverything) {
    TBytes B;
    B.Signature().Record("TTestRoot", "Root").End();
    B.Record("TTestThing", "Outer").Property("Count").Int8(1).End();
    B.Record("TTestThing", "Inner").Property("Count").Int8(2).End().End();
    B.End();
    B.Record("TTestThing", "Next").Property("Count").Int8(3).End().End();
    B.End();
    Read(B.Data);
    EXPECT_EQ(StreamLog(),
              (std::vector<std::string>{"create", "count 1", "create", "count 2", "create", "count 3",
                                        "loaded Outer", "loaded Inner", "loaded Next"}));
    // Owner: the root; parent: the record around.
    ASSERT_NE(Thing("Inner"), nullptr);
    EXPECT_EQ(Thing("Inner")->GetOwner(), &Root);
    EXPECT_EQ(Thing("Inner")->Parent, Thing("Outer"));
    EXPECT_FALSE(Thing("Inner")->HasState(csLoading));
}

TEST_F(ComponentStream, NamesFillTheRootsFieldsAndEventsBindToItsMethods) {
    Read(TBytes()
             .Signature()
             .Record("TTestRoot", "Root")
             .End()
             .Record("TTestThing", "First")
             .Property("OnPing")
             .Ident("Ping")
             .End()
             .End()
             .End()
             .Data);
    ASSERT_NE(Root.First, nullptr);
    EXPECT_EQ(Root.First->GetName(), "First");
    EXPECT_EQ(Root.Second, nullptr);
    Root.First->OnPing(Root.First);
    EXPECT_EQ(Root.Pings, 1);
    EXPECT_EQ(Root.LastSender, Root.First);
    // A rename moves the component to the other field; destruction clears it.
    Root.First->SetName("Second");
    EXPECT_EQ(Root.First, nullptr);
    ASSERT_NE(Root.Second, nullptr);
    delete Root.Second;
    EXPECT_EQ(Root.Second, nullptr);
}

TEST_F(ComponentStream, ReferencesAreAssignedAfterTheWholeRead) {
    TBytes B;
    B.Signature().Record("TTestRoot", "Root").End();
    B.Record("TTestThing", "A").Property("Buddy").Ident("B").End().End();
    B.Record("TTestThing", "B").Property("Buddy").Ident("Root").End().End();
    B.Record("TTestThing", "C").Property("Buddy").Ident("Nobody").End().End();
    B.End();
    Read(B.Data);
    EXPECT_EQ(Thing("A")->Buddy, Thing("B"));
    EXPECT_EQ(Thing("C")->Buddy, nullptr);
    // The root is no thing: the reference takes nothing of another class.
    EXPECT_EQ(Thing("B")->Buddy, nullptr);
}

TEST_F(ComponentStream, AnUnknownClassRaisesEClassNotFoundOrIsSkipped) {
    TBytes B;
    B.Signature().Record("TTestRoot", "Root").End();
    B.Record("TNoSuchThing", "Ghost").Property("Count").Int8(1).End();
    B.Record("TTestThing", "Inside").End().End().End();
    B.Record("TTestThing", "After").End().End();
    B.End();
    EXPECT_EQ(ReadError(B.Data), "Class TNoSuchThing not found");
    EXPECT_EQ(Root.ComponentCount(), 0);
    Read(B.Data, true);
    EXPECT_EQ(Errors, std::vector<std::string>{"Class TNoSuchThing not found"});
    ASSERT_EQ(Root.ComponentCount(), 1);
    EXPECT_EQ(Root.Components(0)->GetName(), "After");
}

TEST_F(ComponentStream, AComponentThatFailsHalfWayLeavesNothingBehind) {
    // First gets a kid, then a property the stream cannot read: both go, and the field is cleared.
    TBytes B;
    B.Signature().Record("TTestRoot", "Root").End();
    B.Record("TTestThing", "Kept").End().End();
    B.Record("TTestThing", "First").End();
    B.Record("TTestThing", "Kid").End().End();
    B.Record("TTestThing", "Broken").Property("Count").String("x").End().End();
    B.End().End();
    EXPECT_EQ(ReadError(B.Data), "Error reading Broken.Count: Invalid property value");
    ASSERT_EQ(Root.ComponentCount(), 1);
    EXPECT_EQ(Root.Components(0)->GetName(), "Kept");
    EXPECT_EQ(Root.First, nullptr);
    // Nothing was told it had loaded.
    EXPECT_EQ(std::count_if(StreamLog().begin(), StreamLog().end(),
                            [](const std::string& Line) { return Line.starts_with("loaded"); }),
              0);
    // A child that cannot be named goes at once; with a handler the next record is read.
    Root.DestroyComponents();
    TBytes Named;
    Named.Signature().Record("TTestRoot", "Root").End();
    Named.Record("TTestPickyThing", "Bad").Property("Count").Int8(1).End().End();
    Named.Record("TTestPickyThing", "Good").End().End().End();
    Read(Named.Data, true);
    EXPECT_EQ(Errors, std::vector<std::string>{"No thing is called Bad"});
    ASSERT_EQ(Root.ComponentCount(), 1);
    EXPECT_EQ(Root.Components(0)->GetName(), "Good");
}

TEST_F(ComponentStream, CollectionsAreClearedThenFilledItemByItem) {
    auto* Existing = new TThing(&Root);
    Existing->SetName("Thing1");
    Existing->Parts.push_back(std::make_unique<test::TPart>());
    TBytes B;
    B.Signature().Record("TTestRoot", "Root").End();
    B.Byte(0xF1).Record("TTestThing", "Thing1").Property("Parts").Byte(14);
    B.Byte(1).Property("Size").Int8(3).End();
    B.Int8(7).Byte(1).Property("Label").String("second").End();
    B.End().End().End().End();
    Read(B.Data);
    // The inherited flag read into the existing thing.
    ASSERT_EQ(Root.ComponentCount(), 1);
    ASSERT_EQ(Existing->Parts.size(), 2u);
    EXPECT_EQ(Existing->Parts[0]->Size, 3);
    EXPECT_EQ(Existing->Parts[1]->Label, "second");
}

TEST_F(ComponentStream, TheWriterStoresWhatTheReaderReadsBack) {
    auto* A = new TThing(&Root);
    A->SetName("First");
    auto* Kid = new TThing(&Root);
    Kid->SetName("Kid");
    Kid->SetParentComponent(A);
    A->Count = 70000;
    A->Ratio = 0.1;
    A->Light = 0.25;
    A->Money = 12.3456;
    A->When = 45429.375;
    A->Text = std::string(300, 'x');
    A->Styles = 0b101;
    A->Kind = test::kdAll;
    A->Flag = true;
    A->Big = std::int64_t{1} << 40;
    A->Color = clBtnFace;
    A->Letter = 'Q';
    A->Part.Size = 9;
    A->Part.Label = "p";
    A->Parts.push_back(std::make_unique<test::TPart>());
    A->Parts.back()->Size = 4;
    A->Buddy = Kid;
    A->Notes = {"one", "two"};
    A->OnPing = [](TPersistent*) {};
    Kid->OnPing = PublishedMethod<void(TPersistent*)>(Root, "Ping");
    const std::vector<std::uint8_t> Stored = Write(Root);

    TTestRoot Copy(nullptr);
    TCustomMemoryStream Stream(Stored);
    TReader(Stream).ReadRootComponent(&Copy);
    const auto* B = dynamic_cast<TThing*>(Copy.FindComponent("First"));
    ASSERT_NE(B, nullptr);
    EXPECT_EQ(Copy.First, B);
    EXPECT_EQ(B->Count, 70000);
    EXPECT_EQ(B->Ratio, 0.1);
    EXPECT_EQ(B->Light, 0.25);
    EXPECT_EQ(B->Money, 12.3456);
    EXPECT_EQ(B->When, 45429.375);
    EXPECT_EQ(B->Text, A->Text);
    EXPECT_EQ(B->Styles, 0b101);
    EXPECT_EQ(B->Kind, test::kdAll);
    EXPECT_TRUE(B->Flag);
    EXPECT_EQ(B->Big, A->Big);
    EXPECT_EQ(B->Color, clBtnFace);
    EXPECT_EQ(B->Letter, 'Q');
    EXPECT_EQ(B->Part.Size, 9);
    EXPECT_EQ(B->Part.Label, "p");
    ASSERT_EQ(B->Parts.size(), 1u);
    EXPECT_EQ(B->Parts[0]->Size, 4);
    EXPECT_EQ(B->Notes, A->Notes);
    ASSERT_EQ(B->Kids.size(), 1u);
    EXPECT_EQ(B->Buddy, B->Kids[0]);
    // A handler that is no published method is not stored; one that is, is.
    EXPECT_FALSE(B->OnPing);
    ASSERT_TRUE(B->Kids[0]->OnPing);
    B->Kids[0]->OnPing(nullptr);
    EXPECT_EQ(Copy.Pings, 1);
    EXPECT_EQ(Write(Copy), Stored);
}

TEST_F(ComponentStream, DefaultsAreLeftOutAndTheRootWithoutOwnerIsMadeByClass) {
    auto* A = new TThing(&Root);
    A->SetName("First");
    EXPECT_EQ(Write(Root), TBytes()
                               .Signature()
                               .Record("TTestRoot", "")
                               .End()
                               .Record("TTestThing", "First")
                               .End()
                               .End()
                               .End()
                               .Data);
    RegisterClass("TTestRoot");
    const std::vector<std::uint8_t> Stored = Write(Root);
    TCustomMemoryStream Stream(Stored);
    std::unique_ptr<TComponent> Made(TReader(Stream).ReadRootComponent(nullptr));
    ASSERT_NE(dynamic_cast<TTestRoot*>(Made.get()), nullptr);
    EXPECT_NE(Made->FindComponent("First"), nullptr);
}

// ---- truncated and hostile streams

TEST_F(ComponentStream, EveryTruncationOfAStreamFailsCleanly) {
    auto* A = new TThing(&Root);
    A->SetName("First");
    A->Text = "text";
    A->Notes = {"n"};
    A->Parts.push_back(std::make_unique<test::TPart>());
    auto* Kid = new TThing(&Root);
    Kid->SetName("Kid");
    Kid->SetParentComponent(A);
    Kid->Ratio = 2.5;
    const std::vector<std::uint8_t> Whole = Write(Root);
    for (std::size_t Length = 0; Length < Whole.size(); ++Length) {
        TTestRoot Target(nullptr);
        const std::vector<std::uint8_t> Part(Whole.begin(),
                                             Whole.begin() + static_cast<std::ptrdiff_t>(Length));
        TCustomMemoryStream Stream(Part);
        EXPECT_THROW(TReader(Stream).ReadRootComponent(&Target), EReadError) << Length;
        // Everything sits inside First, which failed half way and is gone, unless only the
        // root's own end is missing.
        if (Length + 1 < Whole.size()) {
            EXPECT_EQ(Target.ComponentCount(), 0) << Length;
        }
    }
}

TEST_F(ComponentStream, LengthsBeyondTheStreamAreRefusedBeforeAnyAllocation) {
    // 2^31 bytes claimed on a stream of a few dozen.
    // Read as a string, and skipped as the value of an unknown property.
    for (const int Tag : {vaLString, vaBinary, vaUTF8String, vaWString})
        for (const char* Name : {"Text", "Nope"}) {
            if (Tag == vaBinary && Name == std::string("Text")) continue;
            Root.DestroyComponents();
            const std::string Message =
                ReadError(ThingStream(TBytes().Property(Name).Bytes({Tag, 0, 0, 0, 0x80, 'x'})).Data);
            EXPECT_NE(Message.find("runs past the end of the stream"), std::string::npos)
                << Tag << ": " << Message;
        }
}

TEST_F(ComponentStream, NestingDeeperThanTheLimitIsRefused) {
    TBytes Lists;
    Lists.Property("Nope");
    for (int I = 0; I < 1000; ++I) Lists.Byte(vaList);
    EXPECT_NE(ReadError(ThingStream(Lists).Data).find("nests deeper than 64 levels"), std::string::npos);
    TBytes Records;
    Records.Signature().Record("TTestRoot", "Root").End();
    for (int I = 0; I < 1000; ++I) Records.Record("TTestThing", "T" + std::to_string(I)).End();
    EXPECT_NE(ReadError(Records.Data).find("nests deeper than 64 levels"), std::string::npos);
    EXPECT_EQ(Root.ComponentCount(), 0);
}

TEST_F(ComponentStream, AStreamWithoutTheSignatureIsNoComponentStream) {
    for (const std::vector<std::uint8_t>& Bytes :
         {std::vector<std::uint8_t>{}, std::vector<std::uint8_t>{'T', 'P', 'F'},
          std::vector<std::uint8_t>{'T', 'P', 'F', '1', 0, 0}})
        EXPECT_EQ(ReadError(Bytes), "Invalid stream format");
}

// ---- streams

TEST_F(ComponentStream, FilesHoldComponentsAndOnlyRegularFilesAreOpened) {
    const std::filesystem::path Dir = std::filesystem::temp_directory_path() / "vur_component_stream";
    std::filesystem::create_directories(Dir);
    auto* A = new TThing(&Root);
    A->SetName("First");
    A->Count = 5;
    WriteComponentToFile((Dir / "root.bin").string(), Root);
    TTestRoot Copy(nullptr);
    ReadComponentFromFile((Dir / "root.bin").string(), Copy);
    ASSERT_NE(Copy.First, nullptr);
    EXPECT_EQ(Copy.First->Count, 5);
    EXPECT_THROW(ReadComponentFromFile((Dir / "missing.bin").string(), Copy), EFOpenError);
    const std::string Fifo = (Dir / "fifo").string();
    std::filesystem::remove(Fifo);
    ASSERT_EQ(mkfifo(Fifo.c_str(), 0600), 0);
    EXPECT_THROW(ReadComponentFromFile(Fifo, Copy), EFOpenError);
    std::filesystem::remove_all(Dir);
}

// A binary value is written through the stream itself and read as its own
// stream: the bytes equal those written from a buffer, the reader goes on
// after the value however much of it was parsed, and a claimed length beyond
// the stream is refused before anything is parsed, on memory and on files.
TEST_F(ComponentStream, BinaryValuesStreamInPlaceOnMemoryAndFiles) {
    const std::string File = (std::filesystem::temp_directory_path() / "vur_binary_values.bin").string();
    const auto Open = [&](bool OnFile) -> std::unique_ptr<TStream> {
        if (OnFile) return std::make_unique<TFileStream>(File, fmCreate);
        return std::make_unique<TMemoryStream>();
    };
    for (const bool OnFile : {false, true}) {
        // Longer than the writer's and the reader's buffers.
        for (const std::size_t Length : std::initializer_list<std::size_t>{0, 3, 70000}) {
            SCOPED_TRACE(std::to_string(OnFile) + " " + std::to_string(Length));
            std::vector<std::uint8_t> Value(Length);
            for (std::size_t I = 0; I < Length; ++I) Value[I] = static_cast<std::uint8_t>(I * 7 + 1);
            TMemoryStream Expected;
            {
                TWriter Writer(Expected);
                Writer.WriteString("before");
                Writer.WriteBinary(Value);
                Writer.WriteString("after");
            }
            const std::unique_ptr<TStream> Stream = Open(OnFile);
            {
                TWriter Writer(*Stream);
                Writer.WriteString("before");
                Writer.WriteBinary([&](TStream& Out) { Out.WriteBuffer(Value.data(), Value.size()); });
                Writer.WriteString("after");
            }
            TMemoryStream Stored;
            Stored.LoadFromStream(*Stream);
            EXPECT_EQ(Stored.Data(), Expected.Data());

            Stream->SetPosition(0);
            TReader Reader(*Stream);
            EXPECT_EQ(Reader.ReadString(), "before");
            Reader.ReadBinary([&](TCustomMemoryStream& In) {
                EXPECT_EQ(In.Bytes().size(), Length);
                EXPECT_TRUE(std::equal(In.Bytes().begin(), In.Bytes().end(), Value.begin(), Value.end()));
                std::uint8_t First = 0;
                if (Length > 0) In.ReadBuffer(&First, 1);
            });
            EXPECT_EQ(Reader.ReadString(), "after");
        }
        const std::unique_ptr<TStream> Hostile = Open(OnFile);
        const std::uint8_t Claim[] = {vaBinary, 0, 0, 0, 0x80, 'x'};
        Hostile->WriteBuffer(Claim, sizeof Claim);
        Hostile->SetPosition(0);
        TReader Reader(*Hostile);
        bool Parsed = false;
        EXPECT_THROW(Reader.ReadBinary([&](TCustomMemoryStream&) { Parsed = true; }), EReadError);
        EXPECT_FALSE(Parsed);
    }
    std::filesystem::remove(File);
}

TEST_F(ComponentStream, MemoryStreamsReadWriteAndSeekWithinBounds) {
    TMemoryStream Stream;
    Stream.WriteBuffer("abcdef", 6);
    EXPECT_EQ(Stream.GetSize(), 6);
    Stream.SetPosition(4);
    char Out[4] = {};
    EXPECT_EQ(Stream.Read(Out, 4), 2u);
    EXPECT_EQ(std::string(Out, 2), "ef");
    EXPECT_THROW(Stream.ReadBuffer(Out, 1), EReadError);
    EXPECT_THROW(Stream.Seek(-1, soBeginning), EStreamError);
    // Writing past the end grows the buffer with zeros in the gap.
    Stream.SetPosition(8);
    Stream.WriteBuffer("z", 1);
    EXPECT_EQ(Stream.Data(), (std::vector<std::uint8_t>{'a', 'b', 'c', 'd', 'e', 'f', 0, 0, 'z'}));
    TCustomMemoryStream View(Stream.Data());
    EXPECT_THROW(View.WriteBuffer("x", 1), EStreamError);
}

} // namespace
} // namespace vur
