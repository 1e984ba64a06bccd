// The main form: a live line chart of pseudo-random values over the local
// time, with "Start" and "Stop" buttons and a one-second timer.
#pragma once

#include "chart/Chart/Chart.h"
#include "chart/Series/LineSeries.h"
#include "framework/Button.h"
#include "framework/Form.h"
#include "framework/Timer.h"

namespace vur {

class TForm1 : public TForm {
public:
    // Applies the stored form description TFORM1 (app/Unit1.form): Chart1
    // (with Series1), Button1, Button2 and Timer1 with every stored
    // property value, scaled to the screen.
    explicit TForm1(TComponent* AOwner);

    std::string ClassName() const override { return "TForm1"; }

    // Published fields, filled in as the stored components are named.
    TChart* Chart1 = nullptr;
    TButton* Button1 = nullptr;
    TButton* Button2 = nullptr;
    TTimer* Timer1 = nullptr;
    TLineSeries* Series1 = nullptr;

    // Published methods, which the stored events name.
    // "Start": empties the series and starts the timer.
    void Button1Click(TPersistent* Sender);
    // "Stop": halts the timer; the points stay.
    void Button2Click(TPersistent* Sender);
    // One tick: adds a point (now, 0..99) and keeps at most 10 points.
    void Timer1Timer(TPersistent* Sender);
};

// The program-wide reference to the main form.
extern TForm1* Form1;

// The published fields and methods of TForm1 (app/Unit1Properties.cpp); made once.
void DeclareTForm1Properties();

} // namespace vur
