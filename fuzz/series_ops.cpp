// Series data operations: a sequence of calls with any arguments, each
// checked against a plain model of the points after every step. A call with
// a bad argument must be refused with a vur::Exception and change nothing;
// every other call must do to the series what it does to the model.
#include "FuzzInput.h"

#include "chart/DaZezava/Series.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

using namespace vur;

struct TModelPoint {
    double X;
    double Y;
    std::string Label;
    TColor Color; // as stored: clDefault when the point has none
};

// The stated rules, written plainly over a vector of points.
struct TModel {
    std::vector<TModelPoint> Points;

    int Count() const { return static_cast<int>(Points.size()); }
    bool Valid(int Index) const { return Index >= 0 && Index < Count(); }

    // Ordered insertion: after every point whose X is not greater.
    int Add(const TModelPoint& P) {
        int Index = Count();
        if (Index > 0 && P.X < Points.back().X) {
            Index = Count() - 1;
            while (Index >= 0 && Points[static_cast<std::size_t>(Index)].X > P.X) --Index;
            ++Index;
        }
        Points.insert(Points.begin() + Index, P);
        return Index;
    }
};

[[noreturn]] void Mismatch(const char* What) {
    std::fputs(What, stderr);
    std::fputc('\n', stderr);
    std::abort();
}

bool Same(double A, double B) { return std::memcmp(&A, &B, sizeof A) == 0 || (A != A && B != B); }

void Compare(TChartSeries& Series, const TModel& Model) {
    if (Series.Count() != Model.Count()) Mismatch("count");
    double Min = 0, Max = 0, Total = 0;
    bool Taken = false;
    for (int I = 0; I < Model.Count(); ++I) {
        const TModelPoint& P = Model.Points[static_cast<std::size_t>(I)];
        if (!Same(Series.GetxValue(I), P.X)) Mismatch("x");
        if (!Same(Series.GetyValue(I), P.Y)) Mismatch("y");
        if (Series.GetXLabel(I) != P.Label) Mismatch("label");
        const TColor Drawn =
            !std::isfinite(P.Y) ? clNone : (P.Color != clDefault ? P.Color : Series.GetSeriesColor());
        if (Series.GetValueColor(I) != Drawn) Mismatch("colour");
        if (!std::isfinite(P.Y)) continue;
        if (!Taken) {
            Min = Max = Total = P.Y;
            Taken = true;
            continue;
        }
        if (P.Y < Min)
            Min = P.Y;
        else if (P.Y > Max)
            Max = P.Y;
        Total += P.Y;
    }
    if (!Same(Series.MinYValue(), Min) || !Same(Series.MaxYValue(), Max)) Mismatch("extremes");
    if (!Same(Series.GetYValues()->GetTotal(), Total)) Mismatch("total");
}

// Runs Call; it must be refused exactly when Refused is true.
template <class TCall>
void Expect(bool Refused, TCall&& Call) {
    bool Raised = false;
    try {
        Call();
    } catch (const Exception&) {
        Raised = true;
    }
    if (Raised != Refused) Mismatch(Refused ? "a bad argument was accepted" : "a good argument was refused");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    fuzz::TFuzzInput In(Data, Size);
    TChartSeries Series(nullptr);
    TModel Model;
    static constexpr TColor Colors[] = {clDefault, clRed, clNone, clBlue};
    const auto Index = [&] { return In.Bool() ? In.Int() : In.Small(-2, Model.Count() + 1); };
    const auto Label = [&] { return In.Text(6); };
    const auto Color = [&] { return Colors[In.Byte() % std::size(Colors)]; };
    for (int Step = 0; Step < 400 && !In.Empty(); ++Step) {
        switch (In.Byte() % 14) {
        case 0: {
            const TModelPoint P{In.Double(), In.Double(), Label(), Color()};
            const bool Refused = !std::isfinite(P.X);
            Expect(Refused, [&] {
                const int Added = Series.AddXY(P.X, P.Y, P.Label, P.Color);
                if (Added != Model.Add(P)) Mismatch("index");
            });
            break;
        }
        case 1: {
            const double Y = In.Double();
            Model.Add(TModelPoint{static_cast<double>(Model.Count()), Y, "", clDefault});
            Series.Add(Y);
            break;
        }
        case 2: {
            const double Y = In.Double();
            Model.Add(TModelPoint{static_cast<double>(Model.Count()), Y, "", clNone});
            Series.AddNull(Y);
            break;
        }
        case 3: {
            const int I = Index();
            const bool Valid = Model.Valid(I);
            Expect(!Valid, [&] { Series.Delete(I); });
            if (Valid) Model.Points.erase(Model.Points.begin() + I);
            break;
        }
        case 4: {
            const int Start = Index();
            const int Quantity = In.Bool() ? In.Int() : In.Small(-1, 4);
            const bool RemoveGap = In.Bool();
            const bool Valid = Quantity > 0 && Start >= 0 && Quantity <= Model.Count() - Start;
            Expect(!Valid, [&] { Series.Delete(Start, Quantity, RemoveGap); });
            if (!Valid) break;
            Model.Points.erase(Model.Points.begin() + Start, Model.Points.begin() + Start + Quantity);
            if (RemoveGap)
                for (int I = 0; I < Model.Count(); ++I) Model.Points[static_cast<std::size_t>(I)].X = I;
            break;
        }
        case 5:
            Series.Clear();
            Model.Points.clear();
            break;
        case 6: {
            const int I = Index();
            const double X = In.Double();
            const bool Valid = Model.Valid(I) && std::isfinite(X);
            Expect(!Valid, [&] { Series.SetXValue(I, X); });
            if (Valid) Model.Points[static_cast<std::size_t>(I)].X = X;
            break;
        }
        case 7: {
            const int I = Index();
            const double Y = In.Double();
            Expect(!Model.Valid(I), [&] { Series.SetYValue(I, Y); });
            if (Model.Valid(I)) Model.Points[static_cast<std::size_t>(I)].Y = Y;
            break;
        }
        case 8: {
            const int I = Index();
            const std::string Text = Label();
            Expect(!Model.Valid(I), [&] { Series.SetXLabel(I, Text); });
            if (Model.Valid(I)) Model.Points[static_cast<std::size_t>(I)].Label = Text;
            break;
        }
        case 9: {
            const int I = Index();
            const TColor C = Color();
            Expect(!Model.Valid(I), [&] { Series.SetValueColor(I, C); });
            if (Model.Valid(I)) Model.Points[static_cast<std::size_t>(I)].Color = C;
            break;
        }
        case 10: {
            const int A = Index();
            const int B = Index();
            const bool Valid = Model.Valid(A) && Model.Valid(B);
            Expect(!Valid, [&] { Series.SwapValueIndex(A, B); });
            if (Valid)
                std::swap(Model.Points[static_cast<std::size_t>(A)],
                          Model.Points[static_cast<std::size_t>(B)]);
            break;
        }
        case 11: {
            // The positions alone.
            const int A = Index();
            const int B = Index();
            const bool Valid = Model.Valid(A) && Model.Valid(B);
            Expect(!Valid, [&] { Series.GetXValues()->Exchange(A, B); });
            if (Valid)
                std::swap(Model.Points[static_cast<std::size_t>(A)].X,
                          Model.Points[static_cast<std::size_t>(B)].X);
            break;
        }
        case 12: {
            const double Y = In.Double();
            const int First = Index();
            const int Last = Index();
            const bool Valid = Last < First || (Model.Valid(First) && Model.Valid(Last));
            int Expected = -1;
            if (Valid)
                for (int I = First; I <= Last; ++I)
                    if (Model.Points[static_cast<std::size_t>(I)].Y == Y) {
                        Expected = I;
                        break;
                    }
            Expect(!Valid, [&] {
                if (Series.GetYValues()->Locate(Y, First, Last) != Expected) Mismatch("locate");
            });
            break;
        }
        case 13:
            // Renumbers the positions 0, 1, 2, ...
            Series.CheckOrder();
            for (int I = 0; I < Model.Count(); ++I) Model.Points[static_cast<std::size_t>(I)].X = I;
            break;
        }
        Compare(Series, Model);
    }
    return 0;
}
