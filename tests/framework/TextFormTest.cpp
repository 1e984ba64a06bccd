// The readable text form of component streams: text to stream to text is the
// identity, streams the writer makes survive stream to text to stream, and
// text that does not parse names its line.
#include "framework/TextForm.h"
#include "framework/Exceptions.h"
#include "framework/Writer.h"
#include "tests/framework/StreamTestSupport.h"

#include <gtest/gtest.h>

namespace vur {
namespace {

// Every value form and record prefix the text knows.
const char* const Sample = R"(TTestRoot Root {
  Count = 70000
  Negative = -11
  Big = 1099511627776
  Ratio = 0.1
  Whole = 100.0
  Huge = 1e+300
  Odd = -inf
  Missing = nan
  Light = single(0.25)
  Money = currency(12.3456)
  When = date(45429.375)
  Text = "tab\t, quote \", backslash \\, break \r\n, byte \xE9, control \x01"
  Long = "0123456789012345678901234567890123456789012345678901234567890123456789012345678901234567890123456789012345678901234567890123456789012345678901234567890123456789012345678901234567890123456789012345678901234567890123456789012345678901234567890123456789012345678901234567890123456789"
  Wide = wide("caf\xE9 \u{20AC}")
  Utf8 = utf8("caf\xC3\xA9")
  Kind = kdAll
  Yes = True
  No = False
  Nothing = nil
  Strange = ident("nil")
  Styles = [stBold, stTall]
  NoStyles = []
  Strings = (
    "one"
    (
      2
      "nested"
    )
  )
  Empty = ()
  Data = {
    000102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F
    2021
  }
  NoData = {}
  Parts = <
    item {
      Size = 3
    }
    item 7 {
      Label = "second"
    }
  >
  NoParts = <>
  "odd name" = 1
  Part.Size = 2
  TTestThing First {
    Buddy = Second
    TTestThing Kid {
    }
  }
  inherited TTestThing Second index 2 {
  }
  inline TTestThing "" {
  }
  inherited inline "odd class" Third {
  }
}
)";

TEST(TextForm, TextToStreamToTextIsTheIdentity) { EXPECT_EQ(BinaryToText(TextToBinary(Sample)), Sample); }

TEST(TextForm, TheTextGivesTheStatedBytes) {
    const std::vector<std::uint8_t> Bytes = TextToBinary(R"(TTestRoot Root {
  Count = 192
  Kind = kdAll
  Set = []
  Flag = False
  Text = "\xE9"
  Item = ( 1 )
  TTestThing A index 3 {
  }
}
)");
    test::TBytes Expected;
    Expected.Signature().Record("TTestRoot", "Root");
    Expected.Property("Count")
        .Bytes({3, 0xC0, 0})
        .Property("Kind")
        .Ident("kdAll")
        .Property("Set")
        .Bytes({11, 0});
    Expected.Property("Flag")
        .Byte(8)
        .Property("Text")
        .Bytes({6, 1, 0xE9})
        .Property("Item")
        .Bytes({1, 2, 1, 0});
    Expected.End().Bytes({0xF2, 2, 3}).Record("TTestThing", "A").End().End().End();
    EXPECT_EQ(Bytes, Expected.Data);
}

TEST(TextForm, WrittenStreamsSurviveTheTextForm) {
    test::DeclareTestClasses();
    test::TTestRoot Root(nullptr);
    Root.SetName("Root");
    auto* Thing = new test::TThing(&Root);
    Thing->SetName("First");
    Thing->Text = "x\r\ny";
    Thing->Ratio = 1.0 / 3;
    Thing->Light = 0.1f;
    Thing->Money = -7.5;
    Thing->Styles = 2;
    Thing->Notes = {"a", "b"};
    Thing->Parts.push_back(std::make_unique<test::TPart>());
    TMemoryStream Stream;
    WriteComponentToStream(Stream, Root);
    EXPECT_EQ(TextToBinary(BinaryToText(Stream.Data())), Stream.Data());
}

TEST(TextForm, UnicodeTextBecomesCodePageText) {
    // "é" typed as UTF-8 into a plain string is the code page's 0xE9; \u{20AC} is its 0x80.
    const std::vector<std::uint8_t> Bytes =
        TextToBinary("TTestRoot R {\n  Text = \"caf\xC3\xA9 \\u{20AC}\"\n}\n");
    test::TBytes Expected;
    Expected.Signature().Record("TTestRoot", "R").Property("Text").String("caf\xE9 \x80").End().End();
    EXPECT_EQ(Bytes, Expected.Data);
}

TEST(TextForm, TextThatDoesNotParseNamesItsLine) {
    struct Case {
        const char* Text;
        const char* Message;
    };
    const Case Cases[] = {
        {"", "Line 1: Name expected"},
        {"TTestRoot R {\n  Count = \n}\n", "Line 3: Unexpected '}'"},
        {"TTestRoot R {\n  Count = 1\n", "Line 3: '}' expected"},
        {"TTestRoot R {\n  Text = \"open\n}\n", "Line 2: Unterminated string"},
        {"TTestRoot R {\n  Text = \"\\q\"\n}\n", "Line 2: Unknown escape \\q"},
        {"TTestRoot R {\n  Data = {\n    0A0\n  }\n}\n", "Line 4: Odd number of hex digits in binary data"},
        {"TTestRoot R {\n  Data = {\n    0G\n  }\n}\n", "Line 3: Hex digit expected in binary data"},
        {"TTestRoot R {\n  Count = 99999999999999999999\n}\n", "Line 2: Bad integer 99999999999999999999"},
        {"TTestRoot R {\n  Light = float(1)\n}\n", "Line 2: Unknown value form float("},
        {"TTestRoot R {\n  TTestThing A {\n  }\n  Count = 1\n}\n",
         "Line 4: Properties come before the components inside"},
        {"TTestRoot R {\n}\n}\n", "Line 3: Text after the end of the component"},
        {"TTestRoot R {\n  Count = 1 ; \n}\n", "Line 2: Unexpected character ';'"},
        {"TTestRoot R {\n  \"\" A {\n  }\n}\n", "Line 2: Class name expected"},
    };
    for (const Case& C : Cases) {
        try {
            TextToBinary(C.Text);
            ADD_FAILURE() << "no error for " << C.Text;
        } catch (const EParserError& E) {
            EXPECT_EQ(E.Message(), C.Message) << C.Text;
        }
    }
}

TEST(TextForm, ARecordWithoutAClassNameIsRefused) {
    // Behind a prefix the binary form can hold it, but the text form could
    // not be turned back into it.
    test::TBytes Stream;
    Stream.Signature().Record("TTestRoot", "R").End().Byte(0xF0).Short("").Short("A").End().End().End();
    EXPECT_THROW(BinaryToText(Stream.Data), EReadError);
}

TEST(TextForm, NestingBeyondTheLimitIsRefusedBothWays) {
    std::string Text = "TTestRoot R {\n  Deep = ";
    for (int I = 0; I < 200; ++I) Text += "( ";
    EXPECT_THROW(TextToBinary(Text), EParserError);
    test::TBytes Deep;
    Deep.Signature().Record("TTestRoot", "R").Property("Deep");
    for (int I = 0; I < 200; ++I) Deep.Byte(vaList);
    EXPECT_THROW(BinaryToText(Deep.Data), EReadError);
}

} // namespace
} // namespace vur
