#include "content/mesh.h"
#include "content/output.h"

#include <algorithm>
#include <cstdio>

namespace {

int32_t AddVertex(Geometry& g, CVector3 p, CVector3 n, CVector2 t) {
    g.vertices.push_back({p, n, t});
    return static_cast<int32_t>(g.vertices.size() - 1);
}

// Corners counter-clockwise seen from the front.
void AddQuad(Geometry& g, const CVector3 (&p)[4], CVector3 n, const CVector2 (&t)[4]) {
    int32_t base = static_cast<int32_t>(g.vertices.size());
    for (int i = 0; i < 4; ++i) AddVertex(g, p[i], n, t[i]);
    AddTriangleFacing(g, base, base + 1, base + 2, n);
    AddTriangleFacing(g, base, base + 2, base + 3, n);
}

float SignedArea(const std::vector<CVector2>& poly) {
    float area = 0;
    for (size_t i = 0; i < poly.size(); ++i) {
        const CVector2& a = poly[i];
        const CVector2& b = poly[(i + 1) % poly.size()];
        area += a.u * b.v - b.u * a.v;
    }
    return area * 0.5f;
}

float Cross2(CVector2 o, CVector2 a, CVector2 b) {
    return (a.u - o.u) * (b.v - o.v) - (a.v - o.v) * (b.u - o.u);
}

// Ear clipping; returns index triples into the outline.
std::vector<std::array<int32_t, 3>> Triangulate(const std::vector<CVector2>& poly) {
    std::vector<std::array<int32_t, 3>> out;
    std::vector<int32_t> ring;
    for (size_t i = 0; i < poly.size(); ++i) ring.push_back(static_cast<int32_t>(i));
    float orient = SignedArea(poly) >= 0 ? 1.0f : -1.0f;
    size_t guard = 0;
    while (ring.size() > 3 && guard++ < poly.size() * poly.size()) {
        bool clipped = false;
        for (size_t i = 0; i < ring.size(); ++i) {
            int32_t ia = ring[(i + ring.size() - 1) % ring.size()], ib = ring[i],
                    ic = ring[(i + 1) % ring.size()];
            CVector2 a = poly[ia], b = poly[ib], c = poly[ic];
            if (Cross2(a, b, c) * orient <= 0) continue; // reflex corner
            bool inside = false;
            for (int32_t k : ring) {
                if (k == ia || k == ib || k == ic) continue;
                CVector2 p = poly[k];
                if (Cross2(a, b, p) * orient >= 0 && Cross2(b, c, p) * orient >= 0 &&
                    Cross2(c, a, p) * orient >= 0) {
                    inside = true;
                    break;
                }
            }
            if (inside) continue;
            out.push_back({ia, ib, ic});
            ring.erase(ring.begin() + static_cast<long>(i));
            clipped = true;
            break;
        }
        if (!clipped) break; // not a simple polygon: keep what was clipped
    }
    if (ring.size() == 3) out.push_back({ring[0], ring[1], ring[2]});
    return out;
}

} // namespace

void AddTriangleFacing(Geometry& g, int32_t a, int32_t b, int32_t c, CVector3 facing) {
    CVector3 pa = g.vertices[a].position, pb = g.vertices[b].position, pc = g.vertices[c].position;
    CVector3 n = Cross(pb - pa, pc - pa);
    if (Length(n) < 1e-9f) return; // a sliver has no facing and would only trouble collision
    if (Dot(n, facing) < 0) std::swap(b, c);
    g.triangles.push_back({a, b, c});
}

Geometry MakeBox(CVector3 size, float tpu) {
    Geometry g;
    CVector3 h = size * 0.5f;
    struct Face {
        CVector3 n, u, v;
        float hu, hv, hn;
    };
    const Face faces[6] = {
        {{1, 0, 0}, {0, 0, -1}, {0, 1, 0}, h.z, h.y, h.x}, {{-1, 0, 0}, {0, 0, 1}, {0, 1, 0}, h.z, h.y, h.x},
        {{0, 0, 1}, {1, 0, 0}, {0, 1, 0}, h.x, h.y, h.z},  {{0, 0, -1}, {-1, 0, 0}, {0, 1, 0}, h.x, h.y, h.z},
        {{0, 1, 0}, {1, 0, 0}, {0, 0, -1}, h.x, h.z, h.y}, {{0, -1, 0}, {1, 0, 0}, {0, 0, 1}, h.x, h.z, h.y},
    };
    for (const Face& f : faces) {
        CVector3 c = f.n * f.hn, u = f.u * f.hu, v = f.v * f.hv;
        float tu = 2 * f.hu * tpu, tv = 2 * f.hv * tpu;
        CVector3 p[4] = {c - u - v, c + u - v, c + u + v, c - u + v};
        CVector2 t[4] = {{0, 0}, {tu, 0}, {tu, tv}, {0, tv}};
        AddQuad(g, p, f.n, t);
    }
    return g;
}

Geometry MakeCylinder(float rb, float rt, float height, int segments, bool caps, float tpu) {
    Geometry g;
    segments = std::max(segments, 3);
    float circumference = 2 * kPi * std::max(rb, rt);
    for (int i = 0; i <= segments; ++i) {
        float a = 2 * kPi * static_cast<float>(i) / static_cast<float>(segments);
        float c = std::cos(a), s = std::sin(a);
        CVector3 n = Normalize({c * height, rb - rt, s * height});
        float u = static_cast<float>(i) / static_cast<float>(segments) * circumference * tpu;
        AddVertex(g, {rb * c, 0, rb * s}, n, {u, 0});
        AddVertex(g, {rt * c, height, rt * s}, n, {u, height * tpu});
    }
    for (int i = 0; i < segments; ++i) {
        int32_t b0 = 2 * i, t0 = b0 + 1, b1 = b0 + 2, t1 = b0 + 3;
        float a = 2 * kPi * (static_cast<float>(i) + 0.5f) / static_cast<float>(segments);
        CVector3 out = {std::cos(a), 0, std::sin(a)};
        AddTriangleFacing(g, b0, b1, t1, out);
        AddTriangleFacing(g, b0, t1, t0, out);
    }
    if (caps) {
        for (int end = 0; end < 2; ++end) {
            float r = end ? rt : rb, y = end ? height : 0;
            if (r <= 0) continue;
            CVector3 n = {0, end ? 1.0f : -1.0f, 0};
            int32_t centre = AddVertex(g, {0, y, 0}, n, {0.5f, 0.5f});
            int32_t first = static_cast<int32_t>(g.vertices.size());
            for (int i = 0; i <= segments; ++i) {
                float a = 2 * kPi * static_cast<float>(i) / static_cast<float>(segments);
                AddVertex(g, {r * std::cos(a), y, r * std::sin(a)}, n,
                          {0.5f + 0.5f * std::cos(a), 0.5f + 0.5f * std::sin(a)});
            }
            for (int i = 0; i < segments; ++i) AddTriangleFacing(g, centre, first + i, first + i + 1, n);
        }
    }
    return g;
}

Geometry MakeCone(float radius, float height, int segments, bool cap) {
    return MakeCylinder(radius, 0.0f, height, segments, cap);
}

Geometry MakeSphere(float radius, int rings, int segments) {
    Geometry g;
    rings = std::max(rings, 2);
    segments = std::max(segments, 3);
    for (int r = 0; r <= rings; ++r) {
        float phi = kPi * static_cast<float>(r) / static_cast<float>(rings); // 0 at the top
        for (int s = 0; s <= segments; ++s) {
            float theta = 2 * kPi * static_cast<float>(s) / static_cast<float>(segments);
            CVector3 n = {std::sin(phi) * std::cos(theta), std::cos(phi), std::sin(phi) * std::sin(theta)};
            AddVertex(g, n * radius, n,
                      {static_cast<float>(s) / static_cast<float>(segments),
                       1.0f - static_cast<float>(r) / static_cast<float>(rings)});
        }
    }
    int32_t row = segments + 1;
    for (int r = 0; r < rings; ++r) {
        for (int s = 0; s < segments; ++s) {
            int32_t a = r * row + s, b = a + 1, c = a + row, d = c + 1;
            CVector3 mid = Normalize(g.vertices[a].normal + g.vertices[d].normal);
            AddTriangleFacing(g, a, b, d, mid);
            AddTriangleFacing(g, a, d, c, mid);
        }
    }
    return g;
}

Geometry MakeExtrusion(const std::vector<CVector2>& outline, float bottom, float top, float tpu) {
    Geometry g;
    size_t n = outline.size();
    if (n < 3) return g;
    float orient = SignedArea(outline) >= 0 ? 1.0f : -1.0f;
    float run = 0;
    for (size_t i = 0; i < n; ++i) {
        CVector2 a = outline[i], b = outline[(i + 1) % n];
        CVector3 pa = {a.u, bottom, a.v}, pb = {b.u, bottom, b.v};
        CVector3 edge = pb - pa;
        float len = Length(edge);
        if (len < 1e-6f) continue;
        // Outward is to the right of the edge for counter-clockwise outlines in (x, z).
        CVector3 out = Normalize(CVector3{edge.z, 0, -edge.x} * orient);
        CVector3 up = {0, top - bottom, 0};
        CVector3 p[4] = {pa, pb, pb + up, pa + up};
        float u0 = run * tpu, u1 = (run + len) * tpu, v = (top - bottom) * tpu;
        CVector2 t[4] = {{u0, 0}, {u1, 0}, {u1, v}, {u0, v}};
        AddQuad(g, p, out, t);
        run += len;
    }
    auto caps = Triangulate(outline);
    for (int end = 0; end < 2; ++end) {
        float y = end ? top : bottom;
        CVector3 nrm = {0, end ? 1.0f : -1.0f, 0};
        int32_t first = static_cast<int32_t>(g.vertices.size());
        for (const CVector2& p : outline) AddVertex(g, {p.u, y, p.v}, nrm, {p.u * tpu, p.v * tpu});
        for (const auto& t : caps) AddTriangleFacing(g, first + t[0], first + t[1], first + t[2], nrm);
    }
    return g;
}

Geometry MakeHeightfield(float x0, float z0, float x1, float z1, int cellsX, int cellsZ,
                         const std::function<float(float, float)>& height, float tpu) {
    Geometry g;
    cellsX = std::max(cellsX, 1);
    cellsZ = std::max(cellsZ, 1);
    float dx = (x1 - x0) / static_cast<float>(cellsX), dz = (z1 - z0) / static_cast<float>(cellsZ);
    for (int j = 0; j <= cellsZ; ++j) {
        for (int i = 0; i <= cellsX; ++i) {
            float x = x0 + dx * static_cast<float>(i), z = z0 + dz * static_cast<float>(j);
            float y = height(x, z);
            // Central differences give smooth normals that match across grid seams.
            float hx = height(x + dx, z) - height(x - dx, z);
            float hz = height(x, z + dz) - height(x, z - dz);
            CVector3 n = Normalize({-hx / (2 * dx), 1.0f, -hz / (2 * dz)});
            AddVertex(g, {x, y, z}, n, {x * tpu, z * tpu});
        }
    }
    int32_t row = cellsX + 1;
    for (int j = 0; j < cellsZ; ++j) {
        for (int i = 0; i < cellsX; ++i) {
            int32_t a = j * row + i, b = a + 1, c = a + row, d = c + 1;
            AddTriangleFacing(g, a, b, d, {0, 1, 0});
            AddTriangleFacing(g, a, d, c, {0, 1, 0});
        }
    }
    return g;
}

Geometry MakeQuad(float width, float height, bool twoSided) {
    Geometry g;
    float w = width * 0.5f, h = height * 0.5f;
    CVector3 p[4] = {{-w, -h, 0}, {w, -h, 0}, {w, h, 0}, {-w, h, 0}};
    CVector2 t[4] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    AddQuad(g, p, {0, 0, 1}, t);
    if (twoSided) {
        CVector3 q[4] = {p[1], p[0], p[3], p[2]};
        CVector2 s[4] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
        AddQuad(g, q, {0, 0, -1}, s);
    }
    return g;
}

void Transform(Geometry& g, const Affine& t) {
    for (MeshVertex& v : g.vertices) {
        v.position = TransformPoint(t, v.position);
        v.normal = TransformNormal(t, v.normal);
    }
    if (Determinant(t) < 0)
        for (auto& tri : g.triangles) std::swap(tri[1], tri[2]);
}

Geometry Transformed(Geometry g, const Affine& t) {
    Transform(g, t);
    return g;
}

void Append(Geometry& target, const Geometry& source) {
    int32_t base = static_cast<int32_t>(target.vertices.size());
    target.vertices.insert(target.vertices.end(), source.vertices.begin(), source.vertices.end());
    for (const auto& t : source.triangles)
        target.triangles.push_back({t[0] + base, t[1] + base, t[2] + base});
}

void BoxMapTexels(Geometry& g, float tpu) {
    for (MeshVertex& v : g.vertices) {
        float ax = std::fabs(v.normal.x), ay = std::fabs(v.normal.y), az = std::fabs(v.normal.z);
        if (ay >= ax && ay >= az)
            v.texel = {v.position.x * tpu, v.position.z * tpu};
        else if (ax >= az)
            v.texel = {v.position.z * tpu, v.position.y * tpu};
        else
            v.texel = {v.position.x * tpu, v.position.y * tpu};
    }
}

void ScaleTexels(Geometry& g, float u, float v) {
    for (MeshVertex& vert : g.vertices) vert.texel = {vert.texel.u * u, vert.texel.v * v};
}

int32_t AddMaterial(Mesh& mesh, const std::string& texture, uint8_t red, uint8_t green, uint8_t blue) {
    for (size_t i = 0; i < mesh.materials.size(); ++i) {
        const MeshMaterial& m = mesh.materials[i];
        if (m.texture == texture && m.red == red && m.green == green && m.blue == blue)
            return static_cast<int32_t>(i);
    }
    mesh.materials.push_back({texture, red, green, blue});
    return static_cast<int32_t>(mesh.materials.size() - 1);
}

MeshObject& AddObject(Mesh& mesh, const std::string& name, int32_t material, Geometry geometry) {
    mesh.objects.push_back({name, std::move(geometry), material});
    return mesh.objects.back();
}

void GetBounds(const Mesh& mesh, CVector3& low, CVector3& high) {
    low = {1e30f, 1e30f, 1e30f};
    high = {-1e30f, -1e30f, -1e30f};
    for (const MeshObject& o : mesh.objects) {
        for (const MeshVertex& v : o.geometry.vertices) {
            low = {std::min(low.x, v.position.x), std::min(low.y, v.position.y),
                   std::min(low.z, v.position.z)};
            high = {std::max(high.x, v.position.x), std::max(high.y, v.position.y),
                    std::max(high.z, v.position.z)};
        }
    }
}

std::string FormatFloat(float value) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "%.4f", static_cast<double>(value));
    // Negative zero would make equal shapes differ in their bytes.
    if (std::string(buf) == "-0.0000") return "0.0000";
    return buf;
}

namespace {

void Line(std::string& out, const char* format, int a, int b = 0, int c = 0) {
    char buf[96];
    std::snprintf(buf, sizeof buf, format, a, b, c);
    out += buf;
    out += '\n';
}

void Vec(std::string& out, CVector3 v) {
    out += FormatFloat(v.x) + " " + FormatFloat(v.y) + " " + FormatFloat(v.z) + "\n";
}

} // namespace

bool WriteModel3D(const Mesh& mesh, std::string& out, std::string* error) {
    auto fail = [&](const std::string& why) {
        if (error) *error = why;
        return false;
    };
    for (size_t i = 0; i < mesh.materials.size(); ++i) {
        const std::string& name = mesh.materials[i].texture;
        if (name.empty()) continue;
        if (i >= 10) return fail("texture named by material " + std::to_string(i) + ", past the tenth");
        if (name.size() > 245) return fail("texture name too long: " + name);
        if (name.find_first_of(" \t\r\n") != std::string::npos)
            return fail("texture name with white space: " + name);
    }
    for (const MeshObject& o : mesh.objects) {
        if (o.material < 0 || static_cast<size_t>(o.material) >= mesh.materials.size())
            return fail("object " + o.name + " names a missing material");
        for (const auto& t : o.geometry.triangles)
            for (int32_t k : t)
                if (k < 0 || static_cast<size_t>(k) >= o.geometry.vertices.size())
                    return fail("object " + o.name + " has a corner outside its vertices");
    }
    out.clear();
    out += "Brandisk`s Model3D\n";
    Line(out, "Objects %d", static_cast<int>(mesh.objects.size()));
    for (size_t i = 0; i < mesh.objects.size(); ++i) {
        const MeshObject& o = mesh.objects[i];
        const auto& verts = o.geometry.vertices;
        bool textured = !mesh.materials[o.material].texture.empty();
        Line(out, "Object %d;Vertices %d", static_cast<int>(i), static_cast<int>(verts.size()));
        for (const MeshVertex& v : verts) Vec(out, v.position);
        Line(out, "Normals %d", static_cast<int>(verts.size()));
        for (const MeshVertex& v : verts) Vec(out, v.normal);
        Line(out, "Material ID %d", o.material);
        Line(out, "Texels %d", textured ? static_cast<int>(verts.size()) : 0);
        if (textured)
            for (const MeshVertex& v : verts)
                out += FormatFloat(v.texel.u) + " " + FormatFloat(v.texel.v) + "\n";
        Line(out, "Indices %d", static_cast<int>(o.geometry.triangles.size()));
        for (const auto& t : o.geometry.triangles) Line(out, "%d %d %d", t[0], t[1], t[2]);
    }
    Line(out, "Materials %d", static_cast<int>(mesh.materials.size()));
    for (size_t i = 0; i < mesh.materials.size(); ++i) {
        const MeshMaterial& m = mesh.materials[i];
        Line(out, "Material %d", static_cast<int>(i));
        if (m.texture.empty()) {
            out += "Texture 0\nFileName\n";
        } else {
            out += "Texture 1\nFileName " + m.texture + "\n";
        }
        Line(out, "Color %d %d %d", m.red, m.green, m.blue);
        Line(out, "TextureID %d", static_cast<int>(i));
    }
    return true;
}

void WriteMesh(DataWriter& w, const std::string& path, const Mesh& mesh) {
    std::string text, why;
    if (WriteModel3D(mesh, text, &why))
        w.Write(path, text);
    else
        w.failures.push_back(path + ": " + why);
}
