// The two small vector types every subsystem shares.
#pragma once

struct CVector3 {
    float x, y, z;
};

struct CVector2 {
    float u, v;
};

static_assert(sizeof(CVector3) == 12);
static_assert(sizeof(CVector2) == 8);
