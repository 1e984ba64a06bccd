#include "framework/Strings.h"

#include "framework/Exceptions.h"

#include <algorithm>
#include <cctype>

namespace vur {

namespace {

int CompareText(const std::string& A, const std::string& B) {
    const std::size_t N = std::min(A.size(), B.size());
    for (std::size_t I = 0; I < N; ++I) {
        const int X = std::toupper(static_cast<unsigned char>(A[I]));
        const int Y = std::toupper(static_cast<unsigned char>(B[I]));
        if (X != Y) return X < Y ? -1 : 1;
    }
    return A.size() == B.size() ? 0 : (A.size() < B.size() ? -1 : 1);
}

} // namespace

void TStrings::Error(const std::string& Message, int Data) {
    std::string Text = Message;
    const auto At = Text.find("%d");
    if (At != std::string::npos) Text.replace(At, 2, std::to_string(Data));
    throw EStringListError(Text);
}

void TStrings::Put(int Index, const std::string& S) {
    TPersistent* Object = GetObject(Index);
    BeginUpdate();
    Delete(Index);
    InsertObject(Index, S, Object);
    EndUpdate();
}

TPersistent* TStrings::GetObject(int) const { return nullptr; }

void TStrings::PutObject(int, TPersistent*) {}

int TStrings::Add(const std::string& S) {
    const int Result = Count();
    Insert(Result, S);
    return Result;
}

int TStrings::AddObject(const std::string& S, TPersistent* AObject) {
    const int Result = Add(S);
    PutObject(Result, AObject);
    return Result;
}

void TStrings::AddStrings(const TStrings& Strings) {
    BeginUpdate();
    for (int I = 0; I < Strings.Count(); ++I) AddObject(Strings.Get(I), Strings.GetObject(I));
    EndUpdate();
}

void TStrings::InsertObject(int Index, const std::string& S, TPersistent* AObject) {
    Insert(Index, S);
    PutObject(Index, AObject);
}

void TStrings::Exchange(int Index1, int Index2) {
    BeginUpdate();
    const std::string S1 = Get(Index1);
    TPersistent* O1 = GetObject(Index1);
    Put(Index1, Get(Index2));
    PutObject(Index1, GetObject(Index2));
    Put(Index2, S1);
    PutObject(Index2, O1);
    EndUpdate();
}

void TStrings::Move(int CurIndex, int NewIndex) {
    if (CurIndex == NewIndex) return;
    BeginUpdate();
    const std::string S = Get(CurIndex);
    TPersistent* Object = GetObject(CurIndex);
    Delete(CurIndex);
    InsertObject(NewIndex, S, Object);
    EndUpdate();
}

int TStrings::IndexOf(const std::string& S) const {
    for (int I = 0; I < Count(); ++I)
        if (CompareText(Get(I), S) == 0) return I;
    return -1;
}

int TStrings::IndexOfObject(const TPersistent* AObject) const {
    for (int I = 0; I < Count(); ++I)
        if (GetObject(I) == AObject) return I;
    return -1;
}

std::string TStrings::Names(int Index) const {
    const std::string S = Get(Index);
    const auto Eq = S.find('=');
    return Eq == std::string::npos ? std::string() : S.substr(0, Eq);
}

int TStrings::IndexOfName(const std::string& Name) const {
    for (int I = 0; I < Count(); ++I) {
        const std::string S = Get(I);
        const auto Eq = S.find('=');
        if (Eq != std::string::npos && CompareText(S.substr(0, Eq), Name) == 0) return I;
    }
    return -1;
}

std::string TStrings::GetValue(const std::string& Name) const {
    const int I = IndexOfName(Name);
    return I < 0 ? std::string() : Get(I).substr(Name.size() + 1);
}

void TStrings::SetValue(const std::string& Name, const std::string& Value) {
    const int I = IndexOfName(Name);
    if (Value.empty()) {
        if (I >= 0) Delete(I);
    } else if (I < 0) {
        Add(Name + "=" + Value);
    } else {
        Put(I, Name + "=" + Value);
    }
}

std::string TStrings::GetText() const {
    std::string Result;
    for (int I = 0; I < Count(); ++I) {
        Result += Get(I);
        Result += sLineBreak;
    }
    return Result;
}

void TStrings::SetText(const std::string& Value) {
    BeginUpdate();
    Clear();
    std::size_t Start = 0;
    while (Start < Value.size()) {
        std::size_t End = Start;
        while (End < Value.size() && Value[End] != '\r' && Value[End] != '\n') ++End;
        Add(Value.substr(Start, End - Start));
        if (End < Value.size() && Value[End] == '\r') ++End;
        if (End < Value.size() && Value[End] == '\n') ++End;
        Start = End;
    }
    EndUpdate();
}

bool TStrings::Equals(const TStrings& Strings) const {
    if (Count() != Strings.Count()) return false;
    for (int I = 0; I < Count(); ++I)
        if (Get(I) != Strings.Get(I)) return false;
    return true;
}

void TStrings::Assign(const TPersistent* Source) {
    if (const auto* Other = dynamic_cast<const TStrings*>(Source)) {
        if (Other == this) return;
        BeginUpdate();
        Clear();
        AddStrings(*Other);
        EndUpdate();
        return;
    }
    TPersistent::Assign(Source);
}

void TStrings::BeginUpdate() {
    if (FUpdateCount == 0) SetUpdateState(true);
    ++FUpdateCount;
}

void TStrings::EndUpdate() {
    if (FUpdateCount == 0) return;
    if (--FUpdateCount == 0) SetUpdateState(false);
}

void TStrings::SetUpdateState(bool) {}

// TStringList

void TStringList::CheckIndex(int Index, bool AllowEnd) const {
    if (Index < 0 || Index > Count() || (Index == Count() && !AllowEnd))
        Error("List index out of bounds (%d)", Index);
}

void TStringList::Changing() {
    if (UpdateCount() == 0 && OnChanging) OnChanging(this);
}

void TStringList::Changed() {
    if (UpdateCount() == 0 && OnChange) OnChange(this);
}

void TStringList::SetUpdateState(bool Updating) {
    if (Updating)
        Changing();
    else
        Changed();
}

std::string TStringList::Get(int Index) const {
    CheckIndex(Index, false);
    return FList[static_cast<std::size_t>(Index)].String;
}

void TStringList::Put(int Index, const std::string& S) {
    if (FSorted) Error("Operation not allowed on sorted list", 0);
    CheckIndex(Index, false);
    Changing();
    FList[static_cast<std::size_t>(Index)].String = S;
    Changed();
}

TPersistent* TStringList::GetObject(int Index) const {
    CheckIndex(Index, false);
    return FList[static_cast<std::size_t>(Index)].Object;
}

void TStringList::PutObject(int Index, TPersistent* AObject) {
    CheckIndex(Index, false);
    Changing();
    FList[static_cast<std::size_t>(Index)].Object = AObject;
    Changed();
}

int TStringList::CompareStrings(const std::string& A, const std::string& B) const {
    if (FCaseSensitive) return A < B ? -1 : (A == B ? 0 : 1);
    return CompareText(A, B);
}

bool TStringList::Find(const std::string& S, int& Index) const {
    const auto It =
        std::lower_bound(FList.begin(), FList.end(), S, [this](const Item& A, const std::string& B) {
            return CompareStrings(A.String, B) < 0;
        });
    Index = static_cast<int>(It - FList.begin());
    return It != FList.end() && CompareStrings(It->String, S) == 0;
}

int TStringList::Add(const std::string& S) {
    int Index = Count();
    if (FSorted && Find(S, Index)) {
        if (FDuplicates == dupIgnore) return Index;
        if (FDuplicates == dupError) Error("String list does not allow duplicates", 0);
    }
    InsertItem(Index, S, nullptr);
    return Index;
}

void TStringList::Insert(int Index, const std::string& S) {
    if (FSorted) Error("Operation not allowed on sorted list", 0);
    CheckIndex(Index, true);
    InsertItem(Index, S, nullptr);
}

void TStringList::InsertItem(int Index, const std::string& S, TPersistent* AObject) {
    Changing();
    FList.insert(FList.begin() + Index, Item{S, AObject});
    Changed();
}

void TStringList::Delete(int Index) {
    CheckIndex(Index, false);
    Changing();
    FList.erase(FList.begin() + Index);
    Changed();
}

void TStringList::Clear() {
    if (FList.empty()) return;
    Changing();
    FList.clear();
    Changed();
}

void TStringList::Exchange(int Index1, int Index2) {
    CheckIndex(Index1, false);
    CheckIndex(Index2, false);
    Changing();
    std::swap(FList[static_cast<std::size_t>(Index1)], FList[static_cast<std::size_t>(Index2)]);
    Changed();
}

int TStringList::IndexOf(const std::string& S) const {
    if (!FSorted) {
        for (int I = 0; I < Count(); ++I)
            if (CompareStrings(FList[static_cast<std::size_t>(I)].String, S) == 0) return I;
        return -1;
    }
    int Index = 0;
    return Find(S, Index) ? Index : -1;
}

void TStringList::Sort() {
    Changing();
    std::stable_sort(FList.begin(), FList.end(),
                     [this](const Item& A, const Item& B) { return CompareStrings(A.String, B.String) < 0; });
    Changed();
}

void TStringList::SetSorted(bool Value) {
    if (FSorted == Value) return;
    if (Value) Sort();
    FSorted = Value;
}

void TStringList::SetCaseSensitive(bool Value) {
    if (FCaseSensitive == Value) return;
    FCaseSensitive = Value;
    if (FSorted) Sort();
}

} // namespace vur
