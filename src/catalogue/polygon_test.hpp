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
// latitude, where it points inside.
std::array<float, 3> edgeNormal(bool greatCircle, float lon1, float lat1, float lon2, float lat2);

// The vertices are held in single precision: a coordinate of up to 360 degrees to about 3e-5
// degree, its unit vector to a few 1e-7. The direction of a side whose ends lie closer than this
// (degrees; about 110 m, ten times finer than the catalogue's epicentres), or on a great circle
// that close to antipodal, is turned by degrees by that rounding, or is rounding alone: ends at
// one place (longitudes 0 and 360, two points at the pole) give a normal of a few 1e-8, not
// zero.
inline constexpr float kLeastSideDegrees = 0.001f;

// What keeps an edge from having a direction, and so an inner side, that the test can use: its
// ends meet (on the globe for great circles, in the plane of longitude and latitude for straight
// lines), or, on great circles, they are antipodal, and no one great circle joins them.
enum class EdgeFault { None, EndsMeet, EndsAntipodal };
EdgeFault edgeFault(bool greatCircle, float lon1, float lat1, float lon2, float lat2);

// Recomputes the edge normals (and, for great circles, the vertex unit vectors) of seistest2.
// istat: 0 when every edge has a direction; 10 (great circles) or 20 (straight lines) when an
// edge has none (edgeFault), each such edge reported in an error box.
void spolygontst(int32_t& istat);

// True when the point (degrees) lies inside or on the polygon of seistest2; always true for a
// polygon of no vertex.
bool insidePolygon(float rlong, float rlat);

}  // namespace tensova
