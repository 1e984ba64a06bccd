#include "chart/DaZezava/LabelsList.h"

#include "chart/DaZezava/Series.h"

#include <algorithm>
#include <cctype>

namespace vur {

namespace {
const std::string EmptyText;

std::string UpperCase(std::string_view Text) {
    std::string Result(Text);
    for (char& C : Result) C = static_cast<char>(std::toupper(static_cast<unsigned char>(C)));
    return Result;
}
} // namespace

const std::string& TLabelsList::Get(int Index) const {
    if (Index < 0 || Index >= Count()) return EmptyText;
    return FItems[static_cast<std::size_t>(Index)];
}

void TLabelsList::PadTo(int Size) {
    if (Count() < Size) FItems.resize(static_cast<std::size_t>(Size));
}

void TLabelsList::Insert(int Index, std::string_view Text) {
    if (Text.empty() && FItems.empty()) return;
    PadTo(Index);
    FItems.insert(FItems.begin() + Index, std::string(Text));
}

void TLabelsList::Set(int Index, std::string_view Text) {
    if (!Text.empty()) {
        PadTo(Index + 1);
        FItems[static_cast<std::size_t>(Index)] = Text;
    } else if (Index < Count()) {
        FItems[static_cast<std::size_t>(Index)].clear();
    }
    FOwner->Repaint();
}

void TLabelsList::Delete(int Index, int Quantity) {
    if (Index < 0 || Index >= Count()) return;
    const int End = std::min(Count(), Index + Quantity);
    FItems.erase(FItems.begin() + Index, FItems.begin() + End);
}

void TLabelsList::Exchange(int Index1, int Index2) {
    PadTo(std::max(Index1, Index2) + 1);
    std::swap(FItems[static_cast<std::size_t>(Index1)], FItems[static_cast<std::size_t>(Index2)]);
}

int TLabelsList::IndexOfLabel(std::string_view Text, bool CaseSensitive) const {
    const std::string Wanted = CaseSensitive ? std::string(Text) : UpperCase(Text);
    for (int Index = 0; Index < Count(); ++Index) {
        const std::string& Item = FItems[static_cast<std::size_t>(Index)];
        if ((CaseSensitive ? Item : UpperCase(Item)) == Wanted) return Index;
    }
    return -1;
}

void TLabelsList::Clear() {
    FItems.clear();
    FItems.shrink_to_fit();
}

} // namespace vur
