#include "chart/RoVedure/CheckBox.h"

namespace vur {

void DrawCheckBox(TVurCanvas& Canvas, int X, int Y, bool Checked, bool Radio) {
    TPen* Pen = Canvas.GetPen();
    TBrush* Brush = Canvas.GetBrush();
    Pen->SetStyle(psSolid);
    Pen->SetWidth(1);
    Pen->SetColor(clGray);
    Brush->SetStyle(bsSolid);
    Brush->SetColor(clWhite);
    if (Radio) {
        Canvas.Ellipse(X, Y, X + CheckBoxSize, Y + CheckBoxSize);
        if (!Checked) return;
        Pen->SetColor(clBlack);
        Brush->SetColor(clBlack);
        Canvas.Ellipse(X + 3, Y + 3, X + CheckBoxSize - 3, Y + CheckBoxSize - 3);
        return;
    }
    Canvas.Rectangle(X, Y, X + CheckBoxSize, Y + CheckBoxSize);
    if (!Checked) return;
    // A tick two pixels thick: down from the left, then up to the right.
    Pen->SetColor(clBlack);
    for (int D = 0; D < 2; ++D) {
        Canvas.Line(X + 3, Y + 5 + D, X + 5, Y + 7 + D);
        Canvas.Line(X + 5, Y + 7 + D, X + 10, Y + 2 + D);
    }
}

} // namespace vur
