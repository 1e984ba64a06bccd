// The main form on real (offscreen) Qt windows, with the means to run its
// message loop for a while without ever blocking long.
#pragma once

#include "app/Unit1.h"
#include "framework/Application.h"
#include "platform/gdi/Bitmap.h"
#include "platform/ui/qt/QtWindowSystem.h"

#include <chrono>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <thread>

namespace vur {

class QtProgram : public ::testing::Test {
protected:
    void SetUp() override {
        App = std::make_unique<TApplication>(WS);
        App->CreateForm(Form1);
        Form1->Show();
        App->ProcessMessages();
    }
    void TearDown() override {
        App.reset();
        Form1 = nullptr;
    }

    // Handles messages until Done or the time is up.
    template <class Predicate>
    bool PumpUntil(Predicate Done, std::chrono::milliseconds Limit) {
        const auto Deadline = std::chrono::steady_clock::now() + Limit;
        while (!Done()) {
            if (std::chrono::steady_clock::now() > Deadline) return false;
            if (!App->ProcessMessage()) std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return true;
    }
    // Handles every message that arrives for the time given.
    void PumpFor(std::chrono::milliseconds Time) {
        PumpUntil([] { return false; }, Time);
    }

    // Kept for a look when a picture test fails.
    static void SavePicture(const ui::QtWindowSystem::Snapshot& Shot, const std::string& Name) {
        gdi::Bitmap Picture(Shot.Width, Shot.Height);
        for (int Y = 0; Y < Shot.Height; ++Y)
            for (int X = 0; X < Shot.Width; ++X) Picture.Row(Y)[X] = Shot.At(X, Y);
        Picture.SavePng(Name + ".png");
    }

    static int& Argc() {
        static int Count = 1;
        return Count;
    }
    static char** Argv() {
        static char Name[] = "test_app_qt";
        static char* Args[] = {Name, nullptr};
        return Args;
    }

    ui::QtWindowSystem WS{Argc(), Argv()};
    std::unique_ptr<TApplication> App;
};

} // namespace vur
