#include "content/figure_parts.h"

#include <cmath>

Geometry Ball(CVector3 at, float radius, int rings, int segments, CVector3 squash) {
    return Transformed(MakeSphere(radius, rings, segments), Translation(at) * Scaling(squash));
}

Geometry Block(CVector3 centre, CVector3 size) {
    return Transformed(MakeBox(size, 1.0f), Translation(centre));
}

Geometry Limb(CVector3 a, CVector3 b, float ra, float rb, int segments, bool caps) {
    const CVector3 d = b - a;
    const CVector3 y = Normalize(d);
    const CVector3 helper = std::fabs(y.y) < 0.9f ? CVector3{0, 1, 0} : CVector3{1, 0, 0};
    const CVector3 x = Normalize(Cross(y, helper));
    const CVector3 z = Cross(x, y);
    const Affine basis = {{{x.x, y.x, z.x, a.x}, {x.y, y.y, z.y, a.y}, {x.z, y.z, z.z, a.z}}};
    return Transformed(MakeCylinder(ra, rb, Length(d), segments, caps), basis);
}
