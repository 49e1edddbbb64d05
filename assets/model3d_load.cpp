// The .m3d reader. The format gives counts before its lists, but a count is
// only taken as a ceiling: lists grow as the text delivers values and stop at
// the first one that does not read, so a file claiming two billion objects
// costs no more than what it holds. Input that breaks the format's own rules
// is clipped so that every later reader stays inside the arrays:
//   - vertexCount is the number of positions actually read;
//   - normalArray and texelArray always hold vertexCount entries, padded with
//     zeros when the file gives fewer;
//   - a triangle with any corner outside the object's vertices is dropped;
//   - a material id outside the material list is kept; drawing falls back to
//     plain white for it;
//   - a texture named at material 10 or later has no slot and is not loaded;
//   - a texture name longer than 245 characters is dropped, not shortened.
// A file that needed any of this gets one "Model clipped" line in the log.
#include "assets/model3d.h"

#include "assets/log.h"
#include "assets/text_scan.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace {

// Level skies are named so by their texture: a backdrop around the eye, not a solid thing.
bool IsSkyTexture(const char* fileName) {
    return std::strncmp(fileName, "Sky", 3) == 0;
}

constexpr size_t kMaxTextureName = 245;
constexpr char kTextureFolder[] = "Textures/";

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// Reads up to `declared` positions; true when the file held a different number.
bool ReadPositions(TextScan& scan, int32_t declared, std::vector<CVector3>& out) {
    for (int32_t i = 0; i < declared; ++i) {
        CVector3 v = {0, 0, 0};
        if (scan.Scan(" %f %f %f", &v.x, &v.y, &v.z) != 3) return true;
        out.push_back(v);
    }
    return declared < 0;
}

bool ReadTexels(TextScan& scan, int32_t declared, std::vector<CVector2>& out) {
    for (int32_t i = 0; i < declared; ++i) {
        CVector2 t = {0, 0};
        if (scan.Scan(" %f %f", &t.u, &t.v) != 2) return true;
        out.push_back(t);
    }
    return declared < 0;
}

bool ReadTriangles(TextScan& scan, int32_t declared, int32_t vertexCount, std::vector<int32_t>& out) {
    bool clipped = declared < 0;
    for (int32_t i = 0; i < declared; ++i) {
        int32_t corner[3] = {0, 0, 0};
        if (scan.Scan(" %d %d %d", &corner[0], &corner[1], &corner[2]) != 3) return true;
        const bool inside =
            std::all_of(corner, corner + 3, [&](int32_t c) { return c >= 0 && c < vertexCount; });
        if (!inside || out.size() > static_cast<size_t>(INT32_MAX) - 3) {
            clipped = true;
            continue;
        }
        out.insert(out.end(), corner, corner + 3);
    }
    return clipped;
}

template <typename T>
std::shared_ptr<std::vector<T>> PaddedCopy(const std::vector<T>& list, size_t count) {
    auto array = std::make_shared<std::vector<T>>(count, T{});
    std::copy_n(list.begin(), std::min(count, list.size()), array->begin());
    return array;
}

bool ReadObject(TextScan& scan, int32_t declaredVertices, Object3D& object) {
    bool clipped = ReadPositions(scan, declaredVertices, object.vertices);
    object.vertexCount = static_cast<int32_t>(object.vertices.size());
    const size_t vertexCount = object.vertices.size();

    int32_t normals = 0;
    scan.Scan(" Normals %d", &normals);
    clipped |= ReadPositions(scan, normals, object.normals);
    clipped |= object.normals.size() != vertexCount;

    scan.Scan(" Material ID %d", &object.materialId);

    int32_t texels = 0;
    scan.Scan(" Texels %d", &texels);
    object.hasTexture = texels > 0;
    clipped |= ReadTexels(scan, texels, object.texels);
    if (object.hasTexture) clipped |= object.texels.size() != vertexCount;

    int32_t triangles = 0;
    scan.Scan(" Indices %d", &triangles);
    clipped |= ReadTriangles(scan, triangles, object.vertexCount, object.indices);
    object.indexCount = static_cast<int32_t>(object.indices.size());

    for (size_t i = 0; i < vertexCount; ++i) {
        const CVector3& v = object.vertices[i];
        CVector3& low = object.boxLow;
        CVector3& high = object.boxHigh;
        if (i == 0) low = high = v;
        low = {std::min(low.x, v.x), std::min(low.y, v.y), std::min(low.z, v.z)};
        high = {std::max(high.x, v.x), std::max(high.y, v.y), std::max(high.z, v.z)};
    }
    object.vertexArray = std::make_shared<std::vector<CVector3>>(object.vertices);
    object.normalArray = PaddedCopy(object.normals, vertexCount);
    if (object.hasTexture) object.texelArray = PaddedCopy(object.texels, vertexCount);
    object.indexArray = std::make_shared<std::vector<uint32_t>>(object.indices.begin(), object.indices.end());
    return clipped;
}

// Reads the name after "FileName"; true when it had to be dropped.
bool ReadFileName(TextScan& scan, const char* text, size_t size, char* fileName) {
    char name[kMaxTextureName + 1] = {};
    if (scan.Scan(" FileName %245s", name) != 1) return true;
    size_t at = size - scan.Remaining();
    if (at < size && !IsSpace(text[at])) {
        // Too long for the path buffer: skip the rest of the word so the
        // colour line after it still reads.
        char rest[256];
        while (at < size && !IsSpace(text[at])) {
            scan.Scan("%255s", rest);
            at = size - scan.Remaining();
        }
        return true;
    }
    std::memcpy(fileName, name, sizeof name);
    return false;
}

bool ReadMaterial(TextScan& scan, const char* text, size_t size, Material3D& material) {
    bool clipped = false;
    int32_t hasFile = 0;
    scan.Scan(" Texture %d", &hasFile);
    if (hasFile == 1)
        clipped = ReadFileName(scan, text, size, material.fileName);
    else
        scan.Scan(" FileName");
    scan.Scan(" Color %d %d %d", &material.red, &material.green, &material.blue);
    scan.Scan(" TextureID %d", &material.textureId);
    return clipped;
}

} // namespace

bool ParseModel3D(const char* text, size_t size, Model3D& model, std::vector<std::string>* textureNames) {
    model = Model3D{};
    if (textureNames) textureNames->clear();
    TextScan scan(text, size);
    bool clipped = false;

    scan.Scan(" Brandisk`s Model3D");
    int32_t objectCount = 0;
    scan.Scan(" Objects %d", &objectCount);
    for (int32_t i = 0; i < objectCount; ++i) {
        int32_t number = 0;
        int32_t vertices = 0;
        if (scan.Scan(" Object %d;Vertices %d", &number, &vertices) != 2) {
            clipped = true;
            break;
        }
        model.objects.emplace_back();
        clipped |= ReadObject(scan, vertices, model.objects.back());
    }
    clipped |= objectCount < 0;
    model.objectCount = static_cast<int32_t>(model.objects.size());

    int32_t materialCount = 0;
    scan.Scan(" Materials %d", &materialCount);
    for (int32_t i = 0; i < materialCount; ++i) {
        int32_t number = 0;
        if (scan.Scan(" Material %d", &number) != 1) {
            clipped = true;
            break;
        }
        model.materials.emplace_back();
        clipped |= ReadMaterial(scan, text, size, model.materials.back());
    }
    clipped |= materialCount < 0;
    model.materialCount = static_cast<int32_t>(model.materials.size());

    for (Object3D& object : model.objects) {
        clipped |= object.materialId < 0 || object.materialId >= model.materialCount;
        if (object.materialId >= 0 && object.materialId < model.materialCount)
            object.sky = IsSkyTexture(model.materials[static_cast<size_t>(object.materialId)].fileName);
    }

    // A material that names a file draws from its own slot, whatever its TextureID line said.
    for (int32_t i = 0; i < model.materialCount; ++i) {
        Material3D& material = model.materials[static_cast<size_t>(i)];
        if (material.fileName[0] == '\0') continue;
        material.textureId = i;
        if (i >= kModelTextureSlots) {
            clipped = true;
            continue;
        }
        if (textureNames) {
            textureNames->resize(static_cast<size_t>(i) + 1);
            (*textureNames)[static_cast<size_t>(i)] = std::string(kTextureFolder) + material.fileName;
        }
    }
    return clipped;
}

bool LoadModel3D(const char* fileName, Model3D& model) {
    std::vector<char> bytes;
    if (!ReadGameFile(fileName, bytes)) return false;
    std::vector<std::string> textureNames;
    const bool clipped = ParseModel3D(bytes.data(), bytes.size(), model, &textureNames);
    for (size_t i = 0; i < textureNames.size(); ++i) {
        const std::string& path = textureNames[i];
        if (path.empty()) continue;
        // A sky is only ever magnified: without mipmaps it looks the same and costs less per pixel.
        if (!LoadTGATexture(model.textures[i], path.c_str(), !IsSkyTexture(model.materials[i].fileName)))
            AppendLog("Failed to load a texture :%s", path.c_str());
    }
    if (clipped) AppendLog("Model clipped : %s", fileName);
    return true;
}
