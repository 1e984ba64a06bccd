// A coverage receiver for text tests: keeps the darkest coverage per pixel of
// a fixed-size image, the ink's bounding box and the cell it was given, and
// saves itself as a PNG for a person to look at.
#pragma once

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Font.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <string>
#include <vector>

namespace vur::gdi::testing {

class TextTestImage : public CoverageSink {
public:
    TextTestImage(int Width, int Height)
        : FWidth(Width), FHeight(Height), FCoverage(static_cast<std::size_t>(Width) * Height, 0) {}

    void Cell(const POINT (&Corners)[4]) override {
        ++CellCalls;
        std::copy(std::begin(Corners), std::end(Corners), CellCorners);
    }

    RECT ClipBox() const override {
        return ClipToImage ? RECT{0, 0, FWidth, FHeight} : CoverageSink::ClipBox();
    }

    void Span(int Y, int X0, const std::uint8_t* Coverage, int Count) override {
        ++SpanCalls;
        for (int I = 0; I < Count; ++I) {
            const int X = X0 + I;
            if (Coverage[I] == 0) continue;
            InkLeft = std::min(InkLeft, X);
            InkRight = std::max(InkRight, X + 1);
            InkTop = std::min(InkTop, Y);
            InkBottom = std::max(InkBottom, Y + 1);
            if (X < 0 || Y < 0 || X >= FWidth || Y >= FHeight) {
                ++OutsidePixels;
                continue;
            }
            std::uint8_t& Pixel = FCoverage[static_cast<std::size_t>(Y) * FWidth + X];
            Pixel = std::max(Pixel, Coverage[I]);
        }
    }

    int At(int X, int Y) const {
        if (X < 0 || Y < 0 || X >= FWidth || Y >= FHeight) return 0;
        return FCoverage[static_cast<std::size_t>(Y) * FWidth + X];
    }
    bool HasInk() const { return InkLeft < InkRight; }
    long long InkSum() const {
        long long Sum = 0;
        for (const std::uint8_t C : FCoverage) Sum += C;
        return Sum;
    }
    const std::vector<std::uint8_t>& Coverage() const { return FCoverage; }

    // Black ink on white, each pixel Zoom times enlarged, for looking at.
    void Save(const std::string& Path, int Zoom = 1) const {
        Bitmap Picture(FWidth * Zoom, FHeight * Zoom);
        for (int Y = 0; Y < FHeight * Zoom; ++Y)
            for (int X = 0; X < FWidth * Zoom; ++X) {
                const std::uint32_t Grey = 255u - At(X / Zoom, Y / Zoom);
                Picture.Row(Y)[X] = (Grey << 16) | (Grey << 8) | Grey;
            }
        Picture.SavePng(Path);
    }

    bool ClipToImage = true;
    int CellCalls = 0;
    long SpanCalls = 0;
    long OutsidePixels = 0;
    POINT CellCorners[4]{};
    int InkLeft = INT_MAX;
    int InkTop = INT_MAX;
    int InkRight = INT_MIN;
    int InkBottom = INT_MIN;

private:
    int FWidth;
    int FHeight;
    std::vector<std::uint8_t> FCoverage;
};

} // namespace vur::gdi::testing
