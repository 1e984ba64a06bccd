// TSolid: a small polyhedron in chart space (cones, pyramids, pie slices)
// made of flat faces. Projecting it decides which faces turn towards the
// viewer, from the winding of their projected corners, and orders them from
// the farthest to the nearest, so that a canvas can paint them in turn.
// Its lists keep their capacity, so a solid that is cleared and refilled for
// every shape does not allocate once warmed up.
#pragma once

#include "framework/Types.h"

#include <cstdint>
#include <span>
#include <vector>

namespace vur {

class TProjection3D;

struct TPoint3DF {
    double X = 0;
    double Y = 0;
    double Z = 0;
};

// How much a face whose outward normal is Outward is darkened, from 0 (it
// faces the viewer, or the light above left of the viewer) to MaxQuantity
// (it faces away from the light).
int LitDarkness(const TPoint3DF& Outward, int MaxQuantity);

// Which edges of a face are outlined with the pen.
enum TFaceEdges : std::uint8_t {
    feAll,   // the closed outline
    feEnds,  // only the first edge and the one from the third corner on: the
             // rims of a strip on a round surface, whose seams stay unseen
    feLoops, // two closed loops, split at the face's split index (a ring)
};

class TSolid {
public:
    void Clear();
    int AddVertex(double X, double Y, double Z);
    // A flat face through Vertices (indices of AddVertex). Outward points out
    // of the solid; a zero vector means from the centre of all vertices
    // through the face's centre, right for convex solids.
    void AddFace(std::span<const int> Vertices, int Darkness, const TPoint3DF& Outward = {});
    // Changes the outlined edges of the face added last.
    void SetEdges(TFaceEdges Edges, int Split = 0);

    // Projects every vertex. A face is visible when it turns towards the
    // viewer, or always with AllVisible (a wire frame under a clear brush).
    void Project(const TProjection3D& Projection, bool AllVisible);
    // The visible faces, the farthest first.
    std::span<const int> DrawOrder();

    int FaceCount() const { return static_cast<int>(FFaces.size()); }
    bool FaceVisible(int Face) const { return FFaces[Face].Visible; }
    int FaceDarkness(int Face) const { return FFaces[Face].Darkness; }
    TFaceEdges FaceEdges(int Face) const { return FFaces[Face].Edges; }
    int FaceSplit(int Face) const { return FFaces[Face].Split; }
    // Projected corners of a face, after Project.
    std::span<const TPoint> FacePoints(int Face) const {
        return std::span<const TPoint>(FFacePoints).subspan(FFaces[Face].First, FFaces[Face].Count);
    }

private:
    struct Face {
        int First = 0;
        int Count = 0;
        int Darkness = 0;
        TFaceEdges Edges = feAll;
        int Split = 0;
        TPoint3DF Outward;
        double Depth = 0;
        bool Visible = false;
    };

    std::vector<TPoint3DF> FVertices;
    std::vector<int> FIndices;
    std::vector<Face> FFaces;
    std::vector<TPoint> FScreen;
    std::vector<TPoint> FFacePoints;
    std::vector<int> FOrder;
};

} // namespace vur
