// Bitmaps that share their pixels: copies and whole-picture transfers must
// behave exactly as full copies, whichever side is drawn on afterwards.
#include "platform/gdi/DC.h"

#include "AllocationCount.h"

#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <utility>

namespace vur::gdi {
namespace {

Bitmap Gradient(int Width, int Height) {
    Bitmap B(Width, Height);
    for (int Y = 0; Y < Height; ++Y)
        for (int X = 0; X < Width; ++X) B.Row(Y)[X] = PixelFromColor(RGB(X * 11, Y * 23, (X ^ Y) * 5));
    return B;
}

TEST(SharedPixelsTest, CopiesStayIndependentWhicheverSideIsWritten) {
    Bitmap A = Gradient(9, 7);
    const Bitmap Original = Gradient(9, 7);
    Bitmap B(A);
    Bitmap C;
    C = A;
    EXPECT_EQ(B, Original);
    EXPECT_EQ(C, Original);

    A.Row(3)[4] = 0x123456;
    EXPECT_EQ(A.GetPixel(4, 3), ColorFromPixel(0x123456));
    EXPECT_EQ(B, Original);
    EXPECT_EQ(C, Original);

    B.Fill(RGB(1, 2, 3));
    EXPECT_EQ(C, Original);
    EXPECT_EQ(A.GetPixel(0, 0), Original.GetPixel(0, 0));
    DC OnC(C);
    OnC.SetPixel(8, 6, RGB(9, 9, 9));
    EXPECT_EQ(B.GetPixel(8, 6), RGB(1, 2, 3));
    EXPECT_EQ(A.GetPixel(8, 6), Original.GetPixel(8, 6));

    // Equality is by content, not by shared storage.
    EXPECT_EQ(Gradient(5, 5), Gradient(5, 5));
    EXPECT_NE(Gradient(5, 5), Gradient(5, 4));
    Bitmap Mono = Gradient(5, 5);
    Mono.SetMonochrome(true);
    Bitmap Colour(Mono);
    Colour.SetMonochrome(false);
    EXPECT_NE(Mono, Colour);
}

TEST(SharedPixelsTest, AWholeTransferLeavesBufferAndWindowIndependent) {
    Bitmap Buffer = Gradient(40, 30), Window(40, 30);
    const Bitmap Picture = Gradient(40, 30);
    DC OnBuffer(Buffer), OnWindow(Window);
    ASSERT_TRUE(OnWindow.BitBlt(0, 0, 40, 30, &OnBuffer, 0, 0, SRCCOPY));
    EXPECT_EQ(Window, Picture);

    // A drag rectangle on the window must not reach the buffer...
    OnWindow.SelectObject(CreatePen(PS_SOLID, 1, RGB(255, 0, 0)));
    OnWindow.MoveToEx(2, 2, nullptr);
    OnWindow.LineTo(30, 2);
    EXPECT_EQ(Window.GetPixel(10, 2), RGB(255, 0, 0));
    EXPECT_EQ(Buffer, Picture);
    // ...so copying the buffer again restores the window.
    OnWindow.BitBlt(0, 0, 40, 30, &OnBuffer, 0, 0, SRCCOPY);
    EXPECT_EQ(Window, Picture);

    // The next picture drawn into the buffer is not shown before its transfer.
    OnBuffer.FillRect(RECT{0, 0, 40, 30}, CreateSolidBrush(RGB(7, 7, 7)));
    OnBuffer.SetPixel(5, 5, RGB(200, 0, 0));
    EXPECT_EQ(Window, Picture);
    OnWindow.BitBlt(0, 0, 40, 30, &OnBuffer, 0, 0, SRCCOPY);
    EXPECT_EQ(Window.GetPixel(5, 5), RGB(200, 0, 0));
    EXPECT_EQ(Window.GetPixel(6, 5), RGB(7, 7, 7));
    // A partial fill of the buffer keeps the rest of its picture.
    OnBuffer.FillRect(RECT{0, 0, 40, 10}, CreateSolidBrush(RGB(1, 1, 1)));
    EXPECT_EQ(Buffer.GetPixel(5, 5), RGB(1, 1, 1));
    EXPECT_EQ(Buffer.GetPixel(6, 20), RGB(7, 7, 7));
    EXPECT_EQ(Window.GetPixel(5, 5), RGB(200, 0, 0));
}

TEST(SharedPixelsTest, TransfersThatDoNotCoverEverythingCopyTheirPart) {
    const Bitmap Picture = Gradient(12, 8);
    struct Case {
        int X, Y, XSrc, YSrc;
        RECT Clip;
    };
    for (const Case& C : {Case{1, 0, 0, 0, {0, 0, 12, 8}}, Case{0, 0, 1, 1, {0, 0, 12, 8}},
                          Case{0, 0, 0, 0, {0, 0, 12, 7}}, Case{0, 0, 0, 0, {1, 0, 12, 8}}}) {
        Bitmap Source = Picture, Target(12, 8);
        Target.Fill(RGB(0, 0, 255));
        DC S(Source), T(Target);
        T.IntersectClipRect(C.Clip.left, C.Clip.top, C.Clip.right, C.Clip.bottom);
        T.BitBlt(C.X, C.Y, 12, 8, &S, C.XSrc, C.YSrc, SRCCOPY);
        for (int Y = 0; Y < 8; ++Y)
            for (int X = 0; X < 12; ++X) {
                const bool Inside = X >= C.Clip.left && X < C.Clip.right && Y >= C.Clip.top &&
                                    Y < C.Clip.bottom && X >= C.X && Y >= C.Y && X - C.X + C.XSrc < 12 &&
                                    Y - C.Y + C.YSrc < 8;
                const COLORREF Expected =
                    Inside ? Picture.GetPixel(X - C.X + C.XSrc, Y - C.Y + C.YSrc) : RGB(0, 0, 255);
                ASSERT_EQ(Target.GetPixel(X, Y), Expected) << X << "," << Y << " case " << C.X << C.XSrc;
            }
        Target.Fill(0);
        EXPECT_EQ(Source, Picture);
    }
    // A source of another size is copied as far as it reaches.
    Bitmap Small = Gradient(5, 5), Large(12, 8);
    DC S(Small), L(Large);
    L.BitBlt(0, 0, 12, 8, &S, 0, 0, SRCCOPY);
    EXPECT_EQ(Large.GetPixel(4, 4), Small.GetPixel(4, 4));
    EXPECT_EQ(Large.GetPixel(5, 4), 0u);
}

TEST(SharedPixelsTest, AlphaReadFromAFileIsClearedByATransferButKeptByACopy) {
    // A 2 x 1 image, half transparent red then opaque green.
    const std::string Path = ::testing::TempDir() + "shared_pixels_alpha.png";
    const png_byte Rgba[8] = {255, 0, 0, 128, 0, 255, 0, 255};
    png_image Image{};
    Image.version = PNG_IMAGE_VERSION;
    Image.width = 2;
    Image.height = 1;
    Image.format = PNG_FORMAT_RGBA;
    ASSERT_TRUE(png_image_write_to_file(&Image, Path.c_str(), 0, Rgba, 8, nullptr));
    const Bitmap Loaded = Bitmap::LoadPng(Path);
    std::remove(Path.c_str());
    ASSERT_TRUE(Loaded.MayHoldAlpha());
    EXPECT_EQ(Loaded.Row(0)[0] >> 24, 128u);

    const Bitmap Copy = Loaded;
    EXPECT_EQ(Copy.Row(0)[0], Loaded.Row(0)[0]);
    Bitmap Window(2, 1);
    DC OnWindow(Window), OnImage(const_cast<Bitmap&>(Loaded));
    OnWindow.BitBlt(0, 0, 2, 1, &OnImage, 0, 0, SRCCOPY);
    EXPECT_EQ(Window.Row(0)[0], 0xFF0000u);
    EXPECT_EQ(Window.Row(0)[1], 0x00FF00u);
    EXPECT_FALSE(Window.MayHoldAlpha());
}

// Whole-picture fills with other brushes: a pattern writes every pixel, so
// the shared picture is left to the window unread; an opaque hatch too; a
// hatch with clear gaps and an empty pattern keep what the buffer showed.
TEST(SharedPixelsTest, WholeFillsWithPatternsAndHatchesKeepWhatTheyDoNotCover) {
    Bitmap Wide(7, 3), Column(1, 5);
    for (int Y = 0; Y < 3; ++Y)
        for (int X = 0; X < 7; ++X) Wide.Row(Y)[X] = PixelFromColor(RGB(X * 30, Y * 80, 9));
    for (int Y = 0; Y < 5; ++Y) Column.Row(Y)[0] = PixelFromColor(RGB(1, Y * 50, 200));
    const COLORREF Ink = RGB(0, 0, 255), Gap = RGB(255, 255, 0);
    struct Case {
        const char* Name;
        Brush Fill;
        bool Opaque;
        // The pixel the fill leaves at (X, Y) over the picture P.
        std::function<COLORREF(int X, int Y, COLORREF P)> Expected;
    };
    // The brush origin is (2, 1): tiles start there (840 is a multiple of every tile size).
    const auto Tile = [](const Bitmap& T, int X, int Y) {
        return T.GetPixel((X - 2 + 840) % T.Width(), (Y - 1 + 840) % T.Height());
    };
    // The cross hatch: column 4 and row 3 of each 8 x 8 cell.
    const auto OnCross = [](int X, int Y) { return (X - 2 + 80) % 8 == 4 || (Y - 1 + 80) % 8 == 3; };
    const Case Cases[] = {
        {"wide pattern", CreatePatternBrush(Wide), false,
         [&](int X, int Y, COLORREF) { return Tile(Wide, X, Y); }},
        {"one column", CreatePatternBrush(Column), false,
         [&](int X, int Y, COLORREF) { return Tile(Column, X, Y); }},
        {"opaque hatch", CreateHatchBrush(HS_CROSS, Ink), true,
         [&](int X, int Y, COLORREF) { return OnCross(X, Y) ? Ink : Gap; }},
        {"clear hatch", CreateHatchBrush(HS_CROSS, Ink), false,
         [&](int X, int Y, COLORREF P) { return OnCross(X, Y) ? Ink : P; }},
        {"empty pattern", CreatePatternBrush(Bitmap()), false, [](int, int, COLORREF P) { return P; }},
    };
    for (const Case& C : Cases) {
        Bitmap Buffer(34, 20), Window(34, 20);
        DC OnBuffer(Buffer), OnWindow(Window);
        OnBuffer.SetBrushOrgEx(2, 1, nullptr);
        OnBuffer.SetBkColor(Gap);
        OnBuffer.SetBkMode(C.Opaque ? OPAQUE : TRANSPARENT);
        // Two rounds so that the buffer holds a spare store with an older picture.
        for (int Round = 0; Round < 2; ++Round) {
            OnBuffer.FillRect(RECT{0, 0, 34, 20}, CreateSolidBrush(RGB(Round, 0, 0)));
            OnWindow.BitBlt(0, 0, 34, 20, &OnBuffer, 0, 0, SRCCOPY);
        }
        Bitmap Picture = Gradient(34, 20);
        DC OnPicture(Picture);
        OnBuffer.BitBlt(0, 0, 34, 20, &OnPicture, 0, 0, SRCCOPY);
        OnWindow.BitBlt(0, 0, 34, 20, &OnBuffer, 0, 0, SRCCOPY);

        OnBuffer.FillRect(RECT{-5, -5, 40, 30}, C.Fill);
        EXPECT_EQ(Window, Picture) << C.Name;
        for (int Y = 0; Y < 20; ++Y)
            for (int X = 0; X < 34; ++X)
                ASSERT_EQ(Buffer.GetPixel(X, Y), C.Expected(X, Y, Picture.GetPixel(X, Y)))
                    << C.Name << " at " << X << "," << Y;
    }
}

// Announcing a write of every row lets shared pixels go uncopied; anything
// less keeps them, so the rows left alone still show the picture.
TEST(SharedPixelsTest, OnlyAWholeOverwriteGivesUpSharedPixelsUncopied) {
    struct Case {
        int Top, Bottom;
        bool KeepsSharing;
    };
    for (const Case C : {Case{0, 6, false}, Case{-3, 9, false}, Case{1, 6, true}, Case{0, 5, true}}) {
        const Bitmap Picture = Gradient(8, 6);
        Bitmap Buffer(Picture), Window(Picture);
        Buffer.WillOverwrite(C.Top, C.Bottom);
        EXPECT_EQ(std::as_const(Buffer).Row(0) == std::as_const(Window).Row(0), C.KeepsSharing) << C.Top;
        for (int Y = std::max(C.Top, 0); Y < std::min(C.Bottom, 6); ++Y)
            for (int X = 0; X < 8; ++X) Buffer.Row(Y)[X] = 0x010203;
        EXPECT_EQ(Window, Picture) << C.Top;
        for (int Y = 0; Y < 6; ++Y)
            EXPECT_EQ(Buffer.GetPixel(5, Y),
                      Y >= C.Top && Y < C.Bottom ? ColorFromPixel(0x010203) : Picture.GetPixel(5, Y))
                << C.Top << " row " << Y;
    }
}

TEST(SharedPixelsTest, BufferAndWindowTakeTurnsWithoutAllocating) {
    Bitmap Buffer(64, 48), Window(64, 48);
    DC OnBuffer(Buffer), OnWindow(Window);
    const Brush Back = CreateSolidBrush(RGB(240, 240, 240));
    const std::uint32_t* Stores[4] = {};
    long Before = 0;
    for (int Round = 0; Round < 4; ++Round) {
        if (Round == 2) Before = testing::AllocationCount();
        OnBuffer.FillRect(RECT{0, 0, 64, 48}, Back);
        OnBuffer.SetPixel(Round, 0, RGB(255, 0, 0));
        Stores[Round] = std::as_const(Buffer).Row(0);
        OnWindow.BitBlt(0, 0, 64, 48, &OnBuffer, 0, 0, SRCCOPY);
        EXPECT_EQ(std::as_const(Window).Row(0), Stores[Round]);
        EXPECT_EQ(Window.GetPixel(Round, 0), RGB(255, 0, 0));
        if (Round > 0) {
            EXPECT_EQ(Window.GetPixel(Round - 1, 0), RGB(240, 240, 240));
        }
    }
    EXPECT_EQ(testing::AllocationCount(), Before);
    EXPECT_EQ(Stores[1], Stores[3]);
    EXPECT_EQ(Stores[0], Stores[2]);
    EXPECT_NE(Stores[0], Stores[1]);
}

} // namespace
} // namespace vur::gdi
