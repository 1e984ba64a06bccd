#include "framework/Strings.h"
#include "framework/Exceptions.h"

#include <gtest/gtest.h>

using namespace vur;

TEST(StringList, TextJoinsEveryLineWithALineBreakAndSplitsAnyBreak) {
    TStringList L;
    L.SetText("one\r\ntwo\nthree\rfour");
    ASSERT_EQ(L.Count(), 4);
    EXPECT_EQ(L[2], "three");
    EXPECT_EQ(L.GetText(), "one\r\ntwo\r\nthree\r\nfour\r\n");
    L.SetText("a\r\n\r\nb\r\n");
    EXPECT_EQ(L.Count(), 3); // an empty middle line stays, the final break adds none
    EXPECT_EQ(L[1], "");
    L.SetText("");
    EXPECT_EQ(L.Count(), 0);
    EXPECT_EQ(L.GetText(), "");
}

TEST(StringList, IndexErrorsNameTheIndex) {
    TStringList L;
    L.Add("x");
    try {
        (void)L.Get(1);
        FAIL();
    } catch (const EStringListError& E) {
        EXPECT_EQ(E.Message(), "List index out of bounds (1)");
    }
    EXPECT_THROW(L.Delete(-1), EListError);
    EXPECT_THROW(L.Insert(3, "y"), EStringListError);
    L.Insert(1, "y"); // inserting at the end is allowed
    EXPECT_EQ(L[1], "y");
}

TEST(StringList, SortedListKeepsOrderAndHonoursDuplicates) {
    TStringList L;
    L.SetSorted(true);
    for (const char* S : {"pear", "Apple", "fig", "apple"}) L.Add(S);
    // Case-insensitive by default: "apple" is a duplicate of "Apple" and is ignored.
    ASSERT_EQ(L.Count(), 3);
    EXPECT_EQ(L[0], "Apple");
    EXPECT_EQ(L[1], "fig");
    EXPECT_EQ(L[2], "pear");
    EXPECT_EQ(L.IndexOf("FIG"), 1);
    EXPECT_EQ(L.IndexOf("kiwi"), -1);
    EXPECT_THROW(L.Insert(0, "z"), EStringListError);
    L.SetDuplicates(dupError);
    EXPECT_THROW(L.Add("PEAR"), EStringListError);
    L.SetDuplicates(dupAccept);
    L.Add("PEAR");
    EXPECT_EQ(L.Count(), 4);
    L.SetCaseSensitive(true);
    for (int I = 1; I < L.Count(); ++I) EXPECT_LE(L[I - 1], L[I]);
}

TEST(StringList, ChangeEventsFireOncePerUpdateBlock) {
    TStringList L;
    int Changes = 0;
    int Changings = 0;
    L.OnChange = [&](TPersistent*) { ++Changes; };
    L.OnChanging = [&](TPersistent*) { ++Changings; };
    L.Add("a");
    EXPECT_EQ(Changes, 1);
    L.BeginUpdate();
    L.Add("b");
    L.Add("c");
    L.Delete(0);
    EXPECT_EQ(Changes, 1);
    L.EndUpdate();
    EXPECT_EQ(Changes, 2);
    EXPECT_EQ(Changings, 2);
    L.SetText("x\ny"); // one block, one change
    EXPECT_EQ(Changes, 3);
    L.Clear();
    L.Clear(); // nothing to clear: no event
    EXPECT_EQ(Changes, 4);
}

TEST(StringList, NameValuePairsAndMoves) {
    TStringList L;
    L.SetValue("Left", "20");
    L.SetValue("Top", "16");
    L.SetValue("left", "21");
    EXPECT_EQ(L.Count(), 2);
    EXPECT_EQ(L.GetValue("LEFT"), "21"); // the line takes the name as last written
    EXPECT_EQ(L.Names(1), "Top");
    L.SetValue("Top", "");
    EXPECT_EQ(L.Count(), 1);
    L.Add("b");
    L.Add("c");
    L.Move(0, 2);
    EXPECT_EQ(L.GetText(), "b\r\nc\r\nleft=21\r\n");
    L.Exchange(0, 1);
    EXPECT_EQ(L[0], "c");
}

TEST(StringList, AssignCopiesLinesAndObjectsAndRefusesStrangers) {
    TStringList A;
    TStringList Tag;
    A.AddObject("one", &Tag);
    A.Add("two");
    TStringList B;
    B.Add("old");
    B.Assign(&A);
    EXPECT_TRUE(B.Equals(A));
    EXPECT_EQ(B.GetObject(0), &Tag);
    EXPECT_EQ(B.IndexOfObject(&Tag), 0);
    B.Assign(&B);
    EXPECT_EQ(B.Count(), 2);
    TPersistent Plain;
    EXPECT_THROW(B.Assign(&Plain), EConvertError);
}
