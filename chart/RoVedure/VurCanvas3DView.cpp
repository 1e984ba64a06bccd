// The 3D canvas' side of the projection: it keeps a TProjection3D that every
// paint restarts and that every 3D primitive draws through.
#include "chart/RoVedure/VurCanvas3D.h"

namespace vur {

void TVurCanvas3D::Projection(int MaxDepth, const TRect&, const TRect& Rect) {
    FProjection.Center(MaxDepth, Rect);
}

void TVurCanvas3D::Calculate3DPosition(int& X, int& Y, int Z) const {
    FProjection.Calculate3DPosition(X, Y, Z);
}

void TVurCanvas3D::Calculate3DPosition(TPoint& Result, double X, double Y, double Z) const {
    FProjection.Calculate3DPosition(Result, X, Y, Z);
}

void TVurCanvas3D::Calculate2DPosition(int& X, int& Y, int Z) const {
    FProjection.Calculate2DPosition(X, Y, Z);
}

void TVurCanvas3D::Assign(const TCanvas3D& Source) { SetMonochrome(Source.GetMonochrome()); }

} // namespace vur
