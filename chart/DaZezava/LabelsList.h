// TLabelsList: the sparse per-point texts of a series. It may be shorter than
// the series; a missing or empty entry reads as the empty text, so a series
// without labels stores nothing per point.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vur {

class TChartSeries;

class TLabelsList {
public:
    explicit TLabelsList(TChartSeries* AOwner) : FOwner(AOwner) {}

    int Count() const { return static_cast<int>(FItems.size()); }
    const std::string& Get(int Index) const;
    // An empty text is inserted only into a list that already has entries.
    void Insert(int Index, std::string_view Text);
    // Stores or empties the text of one point, then repaints the series.
    void Set(int Index, std::string_view Text);
    // Removes existing entries of Index..Index+Quantity-1.
    void Delete(int Index, int Quantity = 1);
    void Exchange(int Index1, int Index2);
    int IndexOfLabel(std::string_view Text, bool CaseSensitive = true) const;
    void Clear();

private:
    void PadTo(int Size);

    TChartSeries* FOwner;
    std::vector<std::string> FItems;
};

} // namespace vur
