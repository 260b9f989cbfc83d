#include "framework/core/Lists.h"
#include "framework/core/Streams.h"
#include "framework/core/Strings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(List, IndexErrorsNameTheIndex) {
    TList List;
    int A = 1, B = 2, C = 3;
    List.Add(&A);
    List.Add(nullptr);
    List.Add(&B);
    List.Insert(0, &C);
    EXPECT_EQ(List.IndexOf(&A), 1);
    List.Move(0, 3);
    EXPECT_EQ(List.Last(), &C);
    List.Exchange(0, 1);
    EXPECT_EQ(List.First(), nullptr);
    List.Pack();
    EXPECT_EQ(List.Count(), 3);
    EXPECT_EQ(List.Remove(&B), 1);
    EXPECT_EQ(List.Remove(&B), -1);
    try {
        List.Items(5);
        FAIL() << "no exception";
    } catch (const EListError& E) {
        EXPECT_EQ(E.Message(), "List index out of bounds (5)");
    }
    EXPECT_THROW(List.Delete(-1), EListError);
    EXPECT_THROW(List.Insert(3, &A), EListError);
    List.Clear();
    EXPECT_THROW(List.First(), EListError);
}

TEST(StringList, SortedListsKeepOrderAndHandleDuplicates) {
    TStringList List;
    List.SetSorted(true);
    for (const char* S : {"pear", "Apple", "fig", "apple"})
        List.Add(S);
    EXPECT_EQ(List.Text(), "Apple\r\nfig\r\npear\r\n"); // "apple" ignored: case-insensitive
    int Index = -1;
    EXPECT_TRUE(List.Find("FIG", Index));
    EXPECT_EQ(Index, 1);
    EXPECT_FALSE(List.Find("grape", Index));
    EXPECT_EQ(Index, 2);
    EXPECT_THROW(List.Insert(0, "x"), EStringListError);
    List.SetDuplicates(TDuplicates::dupError);
    try {
        List.Add("PEAR");
        FAIL() << "no exception";
    } catch (const EStringListError& E) {
        EXPECT_EQ(E.Message(), "String list does not allow duplicates");
    }
    List.SetDuplicates(TDuplicates::dupAccept);
    List.Add("PEAR");
    EXPECT_EQ(List.Count(), 4);
    List.SetCaseSensitive(true);
    EXPECT_EQ(List.IndexOf("apple"), -1);
    EXPECT_EQ(List.IndexOf("Apple"), 0);
}

TEST(StringList, ObjectsTravelWithTheirEntries) {
    TStringList List;
    TObject One, Two;
    List.AddObject("b", &Two);
    List.AddObject("a", &One);
    List.Sort();
    EXPECT_EQ(List.Objects(0), &One);
    EXPECT_EQ(List.IndexOfObject(&Two), 1);
    List.SetStrings(1, "c");
    EXPECT_EQ(List.Objects(1), &Two);
    TStringList Copy;
    Copy.Assign(&List);
    EXPECT_TRUE(Copy.Equals(List));
    EXPECT_EQ(Copy.Objects(1), &Two);
    try {
        List.Strings(2);
        FAIL() << "no exception";
    } catch (const EStringListError& E) {
        EXPECT_EQ(E.Message(), "List index out of bounds (2)");
    }
}

TEST(StringList, TextSplitsAtEveryLineBreakKind) {
    TStringList List;
    List.SetText("a\r\nb\nc\rd\r\n\r\ne");
    EXPECT_EQ(List.Count(), 6);
    EXPECT_EQ(List.Strings(4), "");
    EXPECT_EQ(List.Strings(5), "e");
    List.SetText("");
    EXPECT_EQ(List.Count(), 0);
    TMemoryStream Stream;
    Stream.WriteBuffer("\xEF\xBB\xBFone\r\ntwo", 11);
    Stream.SetPosition(0);
    List.LoadFromStream(Stream);
    EXPECT_EQ(List.Strings(0), "one");
    EXPECT_EQ(List.Count(), 2);
}

class TChangeCounter : public TObject {
public:
    int Changes = 0;
    int Changings = 0;
    void Changed(TObject*) { ++Changes; }
    void Changing(TObject*) { ++Changings; }
};

TEST(StringList, UpdatesBatchChangeNotifications) {
    TStringList List;
    TChangeCounter Counter;
    List.OnChange = MakeEvent(&Counter, &TChangeCounter::Changed);
    List.OnChanging = MakeEvent(&Counter, &TChangeCounter::Changing);
    List.Add("a");
    EXPECT_EQ(Counter.Changes, 1);
    List.BeginUpdate();
    List.BeginUpdate();
    List.Add("b");
    List.Delete(0);
    List.EndUpdate();
    EXPECT_EQ(Counter.Changes, 1);
    List.EndUpdate();
    EXPECT_EQ(Counter.Changes, 2);
    EXPECT_EQ(Counter.Changings, 2);
    List.SetText("x\ny"); // one batch
    EXPECT_EQ(Counter.Changes, 3);
}

} // namespace
