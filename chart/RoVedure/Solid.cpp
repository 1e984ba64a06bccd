#include "chart/RoVedure/Solid.h"

#include "chart/RoVedure/Projection.h"
#include "platform/numeric/Rounding.h"

#include <algorithm>
#include <cmath>

namespace vur {

namespace {

double Dot(const TPoint3DF& A, const TPoint3DF& B) { return A.X * B.X + A.Y * B.Y + A.Z * B.Z; }

double Length(const TPoint3DF& A) { return std::sqrt(Dot(A, A)); }

// Towards the light: left of, above and in front of the viewer.
const TPoint3DF Light{-0.4, -0.6, -1};

} // namespace

int LitDarkness(const TPoint3DF& Outward, int MaxQuantity) {
    const double Size = Length(Outward);
    if (!(Size > 0)) return 0;
    const double LightSize = Length(Light);
    const double Lit = std::max(0.0, Dot(Outward, Light) / (Size * LightSize));
    // A face turned straight to the viewer is not darkened at all.
    const double FrontLit = 1 / LightSize;
    return std::clamp(Round(MaxQuantity * (1 - Lit / FrontLit)), 0, MaxQuantity);
}

void TSolid::Clear() {
    FVertices.clear();
    FIndices.clear();
    FFaces.clear();
}

int TSolid::AddVertex(double X, double Y, double Z) {
    FVertices.push_back(TPoint3DF{X, Y, Z});
    return static_cast<int>(FVertices.size()) - 1;
}

void TSolid::AddFace(std::span<const int> Vertices, int Darkness, const TPoint3DF& Outward) {
    Face F;
    F.First = static_cast<int>(FIndices.size());
    F.Count = static_cast<int>(Vertices.size());
    F.Darkness = Darkness;
    F.Outward = Outward;
    FIndices.insert(FIndices.end(), Vertices.begin(), Vertices.end());
    FFaces.push_back(F);
}

void TSolid::SetEdges(TFaceEdges Edges, int Split) {
    FFaces.back().Edges = Edges;
    FFaces.back().Split = Split;
}

void TSolid::Project(const TProjection3D& Projection, bool AllVisible) {
    TPoint3DF Center;
    for (const TPoint3DF& V : FVertices) {
        Center.X += V.X;
        Center.Y += V.Y;
        Center.Z += V.Z;
    }
    if (!FVertices.empty()) {
        const double N = static_cast<double>(FVertices.size());
        Center = TPoint3DF{Center.X / N, Center.Y / N, Center.Z / N};
    }
    FScreen.resize(FVertices.size());
    for (std::size_t I = 0; I < FVertices.size(); ++I) {
        const TPoint3DF& V = FVertices[I];
        FScreen[I] = TPoint{Round(V.X), Round(V.Y)};
        Projection.Calculate3DPosition(FScreen[I], V.X, V.Y, V.Z);
    }
    FFacePoints.resize(FIndices.size());
    for (std::size_t I = 0; I < FIndices.size(); ++I) FFacePoints[I] = FScreen[FIndices[I]];

    for (Face& F : FFaces) {
        // Newell's normal follows the winding of the corners; the middle is
        // where the face sits for ordering and for the default outward.
        TPoint3DF Normal, Middle;
        for (int I = 0; I < F.Count; ++I) {
            const TPoint3DF& A = FVertices[FIndices[F.First + I]];
            const TPoint3DF& B = FVertices[FIndices[F.First + (I + 1) % F.Count]];
            Normal.X += (A.Y - B.Y) * (A.Z + B.Z);
            Normal.Y += (A.Z - B.Z) * (A.X + B.X);
            Normal.Z += (A.X - B.X) * (A.Y + B.Y);
            Middle.X += A.X;
            Middle.Y += A.Y;
            Middle.Z += A.Z;
        }
        if (F.Count > 0) Middle = TPoint3DF{Middle.X / F.Count, Middle.Y / F.Count, Middle.Z / F.Count};
        TPoint3DF Outward = F.Outward;
        if (Outward.X == 0 && Outward.Y == 0 && Outward.Z == 0)
            Outward = TPoint3DF{Middle.X - Center.X, Middle.Y - Center.Y, Middle.Z - Center.Z};
        F.Depth = Projection.Depth(Middle.X, Middle.Y, Middle.Z);

        // Twice the signed screen area; positive is clockwise on a screen whose
        // y grows downwards. Corners wound against the outward normal read
        // clockwise when the face turns towards the viewer.
        long long Area = 0;
        for (int I = 0; I < F.Count; ++I) {
            const TPoint& A = FFacePoints[F.First + I];
            const TPoint& B = FFacePoints[F.First + (I + 1) % F.Count];
            Area += static_cast<long long>(A.X) * B.Y - static_cast<long long>(B.X) * A.Y;
        }
        if (Dot(Normal, Outward) > 0) Area = -Area;
        F.Visible = AllVisible || Area > 0;
    }
}

std::span<const int> TSolid::DrawOrder() {
    FOrder.clear();
    for (int I = 0; I < FaceCount(); ++I)
        if (FFaces[I].Visible) FOrder.push_back(I);
    std::sort(FOrder.begin(), FOrder.end(), [this](int A, int B) {
        if (FFaces[A].Depth != FFaces[B].Depth) return FFaces[A].Depth > FFaces[B].Depth;
        return A < B;
    });
    return FOrder;
}

} // namespace vur
