#pragma once
// The polygon test: an event is kept when its epicentre lies on the inner side of every edge
// of the selection polygon. spolygontst prepares one normal per edge from the vertices; the
// point test then needs one sign test per edge.

#include <array>
#include <cstddef>
#include <cstdint>

namespace tensova {

struct Seistest2;

// The vertices in use, held to 0..9 whatever the count field holds.
std::size_t polygonVertexCount(const Seistest2& t);

// The normal of the edge from vertex 1 to vertex 2 (degrees): of the great circle through both
// (great circles), or the edge turned a quarter turn to the left in the plane of longitude and
// latitude, where it points inside. Zero (usableNormal false) when the test cannot tell the
// edge's inner side: equal vertices, or opposite ones on a great circle.
std::array<float, 3> edgeNormal(bool greatCircle, float lon1, float lat1, float lon2, float lat2);
bool usableNormal(const std::array<float, 3>& normal);

// Recomputes the edge normals (and, for great circles, the vertex unit vectors) of seistest2.
// istat: 0 when every normal is non-zero; 10 (great circles) or 20 (straight lines) when an
// edge has a zero normal, each such edge reported in an error box.
void spolygontst(int32_t& istat);

// True when the point (degrees) lies inside or on the polygon of seistest2; always true for a
// polygon of no vertex.
bool insidePolygon(float rlong, float rlat);

}  // namespace tensova
