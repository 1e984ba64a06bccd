// The program's stored form TFORM1: its bytes, what reading it builds, and
// the writer giving the same bytes back from the form the reader built.
#include "app/Unit1.h"
#include "framework/Application.h"
#include "framework/Exceptions.h"
#include "framework/Resources.h"
#include "framework/TextForm.h"
#include "framework/Writer.h"
#include "platform/ui/headless/HeadlessWindowSystem.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

using namespace vur;

namespace {

std::vector<std::uint8_t> StoredForm() {
    const auto Data = FindResource("TFORM1");
    if (!Data) return {};
    return {Data->begin(), Data->end()};
}

struct StoredFormTest : ::testing::Test {
    ui::HeadlessWindowSystem WS;
    std::unique_ptr<TApplication> App = std::make_unique<TApplication>(WS);

    TForm1* Create() {
        App->CreateForm(Form1);
        return Form1;
    }
    void TearDown() override {
        App.reset();
        Form1 = nullptr;
    }
};

std::vector<std::uint8_t> Bytes(std::initializer_list<int> List) {
    std::vector<std::uint8_t> Out;
    for (const int B : List) Out.push_back(static_cast<std::uint8_t>(B));
    return Out;
}

std::vector<std::uint8_t> Text(std::string_view S) { return {S.begin(), S.end()}; }

// Short string: length byte, then the characters.
std::vector<std::uint8_t> Short(std::string_view S) {
    std::vector<std::uint8_t> Out;
    Out.push_back(static_cast<std::uint8_t>(S.size()));
    for (const char C : S) Out.push_back(static_cast<std::uint8_t>(C));
    return Out;
}

std::vector<std::uint8_t> Join(std::initializer_list<std::vector<std::uint8_t>> Parts) {
    std::vector<std::uint8_t> Out;
    for (const auto& Part : Parts) Out.insert(Out.end(), Part.begin(), Part.end());
    return Out;
}

bool Contains(const std::vector<std::uint8_t>& Haystack, const std::vector<std::uint8_t>& Needle) {
    return std::search(Haystack.begin(), Haystack.end(), Needle.begin(), Needle.end()) != Haystack.end();
}

} // namespace

TEST_F(StoredFormTest, TheResourceIsTheStatedStreamOf901Bytes) {
    const std::vector<std::uint8_t> Form = StoredForm();
    ASSERT_EQ(Form.size(), 901u);
    // The worked start: signature, class, name, then Left, Top, Width, Height, Caption, Color.
    const std::vector<std::uint8_t> Start =
        Join({Text("TPF0"), Short("TForm1"), Short("Form1"), Short("Left"), Bytes({0x03, 0xC0, 0x00}),
              Short("Top"), Bytes({0x03, 0xC6, 0x00}), Short("Width"), Bytes({0x03, 0xE3, 0x02}),
              Short("Height"), Bytes({0x03, 0x56, 0x01}), Short("Caption"), Bytes({0x06}), Short("Form1"),
              Short("Color"), Bytes({0x07}), Short("clBtnFace")});
    EXPECT_TRUE(std::equal(Start.begin(), Start.end(), Form.begin()));
    // -11 as one byte, the empty set, False.
    EXPECT_TRUE(Contains(Form, Join({Short("Font.Height"), Bytes({0x02, 0xF5})})));
    EXPECT_TRUE(Contains(Form, Join({Short("Font.Style"), Bytes({0x0B, 0x00})})));
    EXPECT_TRUE(Contains(Form, Join({Short("OldCreateOrder"), Bytes({0x08})})));
    // The chart's title, flat view and tab order, then the series record starts.
    EXPECT_TRUE(
        Contains(Form, Join({Short("Title.Text.Strings"), Bytes({0x01, 0x06}), Short("TChart"), Bytes({0x00}),
                             Short("View3D"), Bytes({0x08}), Short("TabOrder"), Bytes({0x02, 0x00, 0x00}),
                             Short("TLineSeries"), Short("Series1"), Short("Marks.Callout.Brush.Color"),
                             Bytes({0x07}), Short("clBlack"), Short("Marks.Visible"), Bytes({0x08})})));
    // The end: Timer1's Top (280), the ends of its properties and children and of the form's children.
    const std::vector<std::uint8_t> End = Join({Short("Top"), Bytes({0x03, 0x18, 0x01, 0x00, 0x00, 0x00})});
    EXPECT_TRUE(std::equal(End.rbegin(), End.rend(), Form.rbegin()));
}

TEST_F(StoredFormTest, ReadingBuildsTheStatedComponentsAndValues) {
    TForm1* Form = Create();
    EXPECT_EQ(Form->GetName(), "Form1");
    EXPECT_EQ(Form->GetCaption(), "Form1");
    EXPECT_EQ(Form->BoundsRect(), (TRect{192, 198, 192 + 739, 198 + 342}));
    EXPECT_EQ(Form->GetColor(), clBtnFace);
    EXPECT_EQ(Form->GetFont()->GetName(), "MS Sans Serif");
    EXPECT_EQ(Form->GetFont()->GetHeight(), -11);
    EXPECT_EQ(Form->GetFont()->GetColor(), clWindowText);
    EXPECT_EQ(Form->GetFont()->GetStyle(), 0);
    ASSERT_NE(Form->Chart1, nullptr);
    ASSERT_NE(Form->Series1, nullptr);
    ASSERT_NE(Form->Button1, nullptr);
    ASSERT_NE(Form->Button2, nullptr);
    ASSERT_NE(Form->Timer1, nullptr);
    // Owner: the form; the series' parent: the chart, which gave it the first palette colour.
    EXPECT_EQ(Form->Series1->GetOwner(), Form);
    EXPECT_EQ(Form->Series1->GetParentChart(), Form->Chart1);
    EXPECT_EQ(Form->Series1->GetSeriesColor(), clRed);
    EXPECT_FALSE(Form->Chart1->GetLegend()->GetVisible());
    EXPECT_FALSE(Form->Chart1->GetView3D());
    EXPECT_EQ(Form->Chart1->GetTitle()->GetCaption(), "TChart");
    EXPECT_EQ(Form->Chart1->GetBottomAxis()->GetDateTimeFormat(), "hh:nn:ss");
    EXPECT_EQ(Form->Series1->GetValueFormat(), "hh:nn:ss");
    EXPECT_TRUE(Form->Series1->GetXValues()->GetDateTime());
    EXPECT_EQ(Form->Series1->GetXValues()->GetOrder(), loAscending);
    EXPECT_FALSE(Form->Series1->GetPointer()->GetVisible());
    EXPECT_FALSE(Form->Series1->GetMarks()->GetVisible());
    EXPECT_EQ(Form->Series1->GetMarks()->GetCallout()->GetBrush()->GetColor(), clBlack);
    EXPECT_EQ(Form->Button2->GetCaption(), "Stop");
    EXPECT_EQ(Form->Button2->GetTabOrder(), 2);
    // Interval is not stored: the constructor's 1000 stays. Left and Top only record the design place.
    EXPECT_FALSE(Form->Timer1->GetEnabled());
    EXPECT_EQ(Form->Timer1->GetInterval(), 1000u);
    EXPECT_EQ(Form->Timer1->GetDesignLeft(), 216);
    EXPECT_EQ(Form->Timer1->GetDesignTop(), 280);
    // Nothing is left loading once the form is read.
    for (int Index = 0; Index < Form->ComponentCount(); ++Index)
        EXPECT_FALSE(Form->Components(Index)->HasState(csLoading)) << Form->Components(Index)->GetName();
}

TEST_F(StoredFormTest, StoredEventsCallThePublishedMethodsOfTheForm) {
    TForm1* Form = Create();
    Form->Button1->Click();
    EXPECT_TRUE(Form->Timer1->GetEnabled());
    Form->Button2->Click();
    EXPECT_FALSE(Form->Timer1->GetEnabled());
    Form->Timer1->GetOnTimer()(Form->Timer1);
    EXPECT_EQ(Form->Series1->Count(), 1);
}

TEST_F(StoredFormTest, TheWriterGivesBackTheStoredBytesFromTheFormRead) {
    TForm1* Form = Create();
    TMemoryStream Written;
    WriteComponentToStream(Written, *Form);
    const std::vector<std::uint8_t> Stored = StoredForm();
    if (Written.Data() != Stored) {
        // The two as text show where they part.
        EXPECT_EQ(BinaryToText(Written.Data()), BinaryToText(Stored));
        FAIL() << "written " << Written.Data().size() << " bytes, stored " << Stored.size();
    }
}

TEST_F(StoredFormTest, AFormClassWithoutAStoredDescriptionRaisesEResNotFound) {
    struct TForm2 : TForm {
        explicit TForm2(TComponent* AOwner) : TForm(AOwner) { InitInheritedComponent(); }
        std::string ClassName() const override { return "TForm2"; }
    };
    try {
        TForm2 Form(App.get());
        FAIL() << "no exception";
    } catch (const EResNotFound& E) {
        EXPECT_EQ(E.Message(), "Resource TForm2 not found");
    }
    // The plain framework form has none and needs none.
    struct TPlain : TForm {
        explicit TPlain(TComponent* AOwner) : TForm(AOwner) { InitInheritedComponent(); }
    };
    EXPECT_NO_THROW(TPlain Plain(App.get()));
}

TEST_F(StoredFormTest, ASecondFormTakesAUniqueName) {
    TForm1* First = Create();
    TForm1* Second = nullptr;
    App->CreateForm(Second);
    EXPECT_EQ(First->GetName(), "Form1");
    EXPECT_EQ(Second->GetName(), "Form1_1");
    EXPECT_NE(Second->Chart1, First->Chart1);
}
