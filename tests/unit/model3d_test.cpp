#include "assets/model3d.h"

#include "tests/unit/test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <vector>

namespace {

const char kTexturedTriangle[] = "Brandisk`s Model3D\n"
                                 "Objects 1\n"
                                 "Object 0;Vertices 3\n"
                                 "0 0 0\n"
                                 "1 0 0\n"
                                 "0 1 0\n"
                                 "Normals 3\n"
                                 "0 0 1\n"
                                 "0 0 1\n"
                                 "0 0 1\n"
                                 "Material ID 0\n"
                                 "Texels 3\n"
                                 "0 0\n"
                                 "1 0\n"
                                 "0 1\n"
                                 "Indices 1\n"
                                 "0 1 2\n"
                                 "Materials 1\n"
                                 "Material 0\n"
                                 "Texture 1\n"
                                 "FileName Grass.tga\n"
                                 "Color 255 128 0\n"
                                 "TextureID 5\n";

bool Parse(const std::string& text, Model3D& model, std::vector<std::string>* names = nullptr) {
    return ParseModel3D(text.data(), text.size(), model, names);
}

// One object block: V positions (i, 0, 0), matching normals, optional texels, given triangles.
std::string ObjectBlock(int number, int vertices, int materialId, bool textured,
                        const std::vector<std::vector<int>>& triangles) {
    std::string s = "Object " + std::to_string(number) + ";Vertices " + std::to_string(vertices) + "\n";
    for (int i = 0; i < vertices; ++i) s += std::to_string(i) + " 0 0\n";
    s += "Normals " + std::to_string(vertices) + "\n";
    for (int i = 0; i < vertices; ++i) s += "0 1 0\n";
    s += "Material ID " + std::to_string(materialId) + "\n";
    s += "Texels " + std::to_string(textured ? vertices : 0) + "\n";
    if (textured)
        for (int i = 0; i < vertices; ++i) s += "0.5 0.25\n";
    s += "Indices " + std::to_string(triangles.size()) + "\n";
    for (const auto& t : triangles)
        s += std::to_string(t[0]) + " " + std::to_string(t[1]) + " " + std::to_string(t[2]) + "\n";
    return s;
}

std::string PlainMaterial(int number, int r, int g, int b, int textureId) {
    return "Material " + std::to_string(number) + "\nTexture 0\nFileName\nColor " + std::to_string(r) + " " +
           std::to_string(g) + " " + std::to_string(b) + "\nTextureID " + std::to_string(textureId) + "\n";
}

std::string FileMaterial(int number, const std::string& name, int textureId) {
    return "Material " + std::to_string(number) + "\nTexture 1\nFileName " + name +
           "\nColor 255 255 255\nTextureID " + std::to_string(textureId) + "\n";
}

// What every reader after the loader relies on, whatever the file held.
void ExpectConsistent(const Model3D& model) {
    ASSERT_EQ(model.objectCount, static_cast<int32_t>(model.objects.size()));
    ASSERT_EQ(model.materialCount, static_cast<int32_t>(model.materials.size()));
    for (const Object3D& o : model.objects) {
        ASSERT_EQ(o.vertexCount, static_cast<int32_t>(o.vertices.size()));
        ASSERT_TRUE(o.vertexArray && o.normalArray && o.indexArray);
        EXPECT_EQ(o.vertexArray->size(), o.vertices.size());
        EXPECT_EQ(o.normalArray->size(), o.vertices.size());
        EXPECT_EQ(o.hasTexture, o.texelArray != nullptr);
        if (o.texelArray) {
            EXPECT_EQ(o.texelArray->size(), o.vertices.size());
        }
        ASSERT_EQ(o.indexArray->size(), static_cast<size_t>(o.indexCount));
        for (uint32_t index : *o.indexArray) ASSERT_LT(index, static_cast<uint32_t>(o.vertexCount));
    }
}

// Fields that must come out the same however the text is laid out.
void ExpectSameModel(const Model3D& a, const Model3D& b) {
    ASSERT_EQ(a.objects.size(), b.objects.size());
    ASSERT_EQ(a.materials.size(), b.materials.size());
    for (size_t i = 0; i < a.objects.size(); ++i) {
        const Object3D& x = a.objects[i];
        const Object3D& y = b.objects[i];
        EXPECT_EQ(std::tie(x.vertexCount, x.indexCount, x.hasTexture, x.materialId, x.indices),
                  std::tie(y.vertexCount, y.indexCount, y.hasTexture, y.materialId, y.indices));
        ASSERT_EQ(std::tuple(x.vertices.size(), x.texels.size()),
                  std::tuple(y.vertices.size(), y.texels.size()));
        for (size_t v = 0; v < x.vertices.size(); ++v)
            EXPECT_EQ(std::tuple(x.vertices[v].x, x.vertices[v].y, x.vertices[v].z, x.normals[v].z,
                                 x.texels[v].u, x.texels[v].v),
                      std::tuple(y.vertices[v].x, y.vertices[v].y, y.vertices[v].z, y.normals[v].z,
                                 y.texels[v].u, y.texels[v].v))
                << v;
    }
    for (size_t i = 0; i < a.materials.size(); ++i) {
        const Material3D &m = a.materials[i], &n = b.materials[i];
        EXPECT_STREQ(m.fileName, n.fileName);
        EXPECT_EQ(std::tie(m.textureId, m.red, m.green, m.blue),
                  std::tie(n.textureId, n.red, n.green, n.blue));
    }
}

} // namespace

TEST(ModelParse, TexturedTriangleFillsListsAndArrays) {
    Model3D model;
    std::vector<std::string> names;
    EXPECT_FALSE(Parse(kTexturedTriangle, model, &names));
    ExpectConsistent(model);
    ASSERT_EQ(model.objectCount, 1);
    ASSERT_EQ(model.materialCount, 1);
    const Object3D& o = model.objects[0];
    EXPECT_EQ(std::tuple(o.vertexCount, o.indexCount, o.hasTexture, o.materialId), std::tuple(3, 3, true, 0));
    EXPECT_EQ(std::tuple((*o.vertexArray)[1].x, (*o.vertexArray)[2].y, (*o.normalArray)[0].z,
                         (*o.texelArray)[1].u, (*o.texelArray)[2].v),
              std::tuple(1.0f, 1.0f, 1.0f, 1.0f, 1.0f));
    EXPECT_EQ(*o.indexArray, (std::vector<uint32_t>{0, 1, 2}));
    const Material3D& m = model.materials[0];
    EXPECT_STREQ(m.fileName, "Grass.tga");
    // A material with a file draws from its own slot, not the one its TextureID line names.
    EXPECT_EQ(std::tuple(m.red, m.green, m.blue, m.textureId), std::tuple(255, 128, 0, 0));
    EXPECT_EQ(names, (std::vector<std::string>{"Textures/Grass.tga"}));
}

TEST(ModelParse, LayoutOfWhiteSpaceDoesNotMatter) {
    Model3D reference;
    Parse(kTexturedTriangle, reference);
    // Blank lines, indentation, tabs, CR LF and values split over lines.
    const std::string odd = "Brandisk`s   Model3D\r\n\r\n  Objects\t1\r\n\n"
                            "Object 0;Vertices\n\n3\n  0\n0 0\n\t1 0\n0 0 1 0\n"
                            "Normals 3 0 0 1 0 0 1 0 0 1\n"
                            "Material   ID\t0\n\n\nTexels 3\n0 0 1 0 0 1\n"
                            "Indices 1\n0\n1\n2\n\n"
                            "Materials 1\r\nMaterial 0\r\nTexture 1\r\nFileName   Grass.tga\r\n"
                            "Color 255\t128  0\r\nTextureID 5";
    Model3D model;
    EXPECT_FALSE(Parse(odd, model));
    ExpectSameModel(reference, model);
    // Floats in every form formatted input takes.
    Model3D floats;
    const std::string text = "Brandisk`s Model3D\nObjects 1\nObject 0;Vertices 3\n-1.5 +2 .25\n1e1 -0.0 3.\n"
                             "1E-1 0 0\nNormals 0\nMaterial ID 0\nTexels 0\nIndices 0\nMaterials 0\n";
    Parse(text, floats);
    ASSERT_EQ(floats.objects.size(), 1u);
    ASSERT_EQ(floats.objects[0].vertexCount, 3);
    const std::vector<CVector3>& v = floats.objects[0].vertices;
    EXPECT_EQ(std::vector<float>({v[0].x, v[0].y, v[0].z, v[1].x, v[1].y, v[1].z, v[2].x}),
              std::vector<float>({-1.5f, 2, 0.25f, 10, 0, 3, 1e-1f}));
}

TEST(ModelParse, BlocksAreTakenInFileOrderWhateverTheirNumbers) {
    const std::string text = "Brandisk`s Model3D\nObjects 2\n" + ObjectBlock(7, 3, 1, false, {{0, 1, 2}}) +
                             ObjectBlock(3, 4, 0, false, {{3, 2, 1}, {0, 1, 2}}) + "Materials 2\n" +
                             PlainMaterial(9, 1, 2, 3, 0) + PlainMaterial(2, 4, 5, 6, 0);
    Model3D model;
    EXPECT_FALSE(Parse(text, model));
    ExpectConsistent(model);
    ASSERT_EQ(model.objects.size(), 2u);
    ASSERT_EQ(model.materials.size(), 2u);
    EXPECT_EQ(
        std::tuple(model.objects[0].vertexCount, model.objects[0].materialId, model.objects[1].vertexCount),
        std::tuple(3, 1, 4));
    EXPECT_EQ(model.objects[1].indices, (std::vector<int32_t>{3, 2, 1, 0, 1, 2}));
    EXPECT_EQ(std::tuple(model.materials[0].red, model.materials[1].red), std::tuple(1, 4));
}

TEST(ModelParse, TexturedAndUntexturedMaterials) {
    // Slot numbers: a named file takes its own position; others keep their TextureID line.
    const std::string text = "Brandisk`s Model3D\nObjects 2\n" + ObjectBlock(0, 3, 0, false, {{0, 1, 2}}) +
                             ObjectBlock(1, 3, 3, true, {{0, 1, 2}}) + "Materials 4\n" +
                             PlainMaterial(0, 10, 20, 30, 4) + FileMaterial(1, "Wood.tga", 7) +
                             "Material 2\nTexture 2\nFileName\nColor 1 2 3\nTextureID 6\n" +
                             PlainMaterial(3, 255, 255, 255, 1);
    Model3D model;
    std::vector<std::string> names;
    EXPECT_FALSE(Parse(text, model, &names));
    ExpectConsistent(model);
    EXPECT_FALSE(model.objects[0].hasTexture); // ExpectConsistent: and no texel array
    ASSERT_TRUE(model.objects[1].hasTexture);
    EXPECT_EQ((*model.objects[1].texelArray)[2].u, 0.5f);
    ASSERT_EQ(model.materials.size(), 4u);
    EXPECT_STREQ(model.materials[0].fileName, "");
    EXPECT_STREQ(model.materials[1].fileName, "Wood.tga");
    // Any flag other than 1 means no file, and the colour after it still reads.
    const std::vector<Material3D>& m = model.materials;
    EXPECT_EQ(std::tuple(m[0].textureId, m[1].textureId, m[2].textureId, m[2].blue, m[3].textureId),
              std::tuple(4, 1, 6, 3, 1));
    EXPECT_EQ(names, (std::vector<std::string>{"", "Textures/Wood.tga"}));
}

TEST(ModelParse, TextThatIsNoModelGivesAnEmptyModel) {
    for (const std::string text : {"", "hello world\n", "Brandisk`s Model3D\n", "\x01\x02\xff garbage"}) {
        Model3D model;
        EXPECT_FALSE(Parse(text, model)) << text;
        EXPECT_TRUE(model.objectCount == 0 && model.materialCount == 0 && model.objects.empty() &&
                    model.materials.empty())
            << text;
    }
    // The magic line is not checked: a model without it still loads.
    Model3D model;
    Parse(std::string(kTexturedTriangle).substr(19), model);
    EXPECT_EQ(model.objectCount, 1);
}

TEST(ModelParse, HugeCountsReadOnlyWhatTheTextHolds) {
    const std::string oneTriangle = ObjectBlock(0, 3, 0, false, {{0, 1, 2}});
    Model3D model;
    EXPECT_TRUE(Parse("Brandisk`s Model3D\nObjects 2000000000\n" + oneTriangle + "Materials 2000000000\n" +
                          PlainMaterial(0, 1, 2, 3, 0),
                      model));
    ExpectConsistent(model);
    EXPECT_EQ(std::tuple(model.objectCount, model.materialCount), std::tuple(1, 1));
    EXPECT_EQ(model.materials[0].blue, 3);

    Model3D vertices;
    EXPECT_TRUE(
        Parse("Objects 1\nObject 0;Vertices 900000000\n0 0 0\n1 0 0\n0 1 0\nNormals 900000000\n0 0 1\n"
              "Material ID 0\nTexels 2000000000\n0 0\nIndices 2000000000\n0 1 2\n",
              vertices));
    ExpectConsistent(vertices);
    ASSERT_EQ(vertices.objects.size(), 1u);
    const Object3D& o = vertices.objects[0];
    EXPECT_EQ(std::tuple(o.vertexCount, o.indexCount), std::tuple(3, 3));
    // Normals and texels the file lacks are zeros, so the arrays still cover every vertex.
    EXPECT_EQ(std::tuple((*o.normalArray)[0].z, (*o.normalArray)[2].z, o.texelArray->size()),
              std::tuple(1.0f, 0.0f, 3u));

    Model3D negative;
    EXPECT_TRUE(Parse("Objects -4\nMaterials -1\n", negative));
    EXPECT_EQ(std::tuple(negative.objectCount, negative.materialCount), std::tuple(0, 0));
}

TEST(ModelParse, BrokenPerVertexDataIsClippedToTheVertices) {
    // Index 3 and -1 are outside three vertices; only the good triangle stays.
    const std::string text =
        "Objects 1\nObject 0;Vertices 3\n0 0 0\n1 0 0\n0 1 0\nNormals 5\n" +
        std::string("0 0 1\n0 0 1\n0 0 1\n0 0 1\n0 0 1\n") +
        "Material ID 0\nTexels 1\n0.5 0.5\nIndices 4\n0 1 3\n-1 0 1\n2 1 0\n0 1 2147483647\n"
        "Materials 1\n" +
        PlainMaterial(0, 1, 1, 1, 0);
    Model3D model;
    EXPECT_TRUE(Parse(text, model));
    ExpectConsistent(model);
    const Object3D& o = model.objects[0];
    EXPECT_EQ(*o.indexArray, (std::vector<uint32_t>{2, 1, 0}));
    EXPECT_EQ(std::tuple(o.normals.size(), o.normalArray->size()), std::tuple(5u, 3u));
    EXPECT_EQ(std::tuple((*o.texelArray)[0].u, (*o.texelArray)[2].u), std::tuple(0.5f, 0.0f));
}

TEST(ModelParse, MaterialAndTextureReferencesOutsideTheModel) {
    Model3D badId;
    EXPECT_TRUE(Parse("Objects 1\n" + ObjectBlock(0, 3, 9, true, {{0, 1, 2}}) + "Materials 1\n" +
                          PlainMaterial(0, 1, 1, 1, 0),
                      badId));
    EXPECT_EQ(badId.objects[0].materialId, 9);

    // Only ten texture slots: a file named at material 10 has nowhere to go.
    std::string text = "Objects 0\nMaterials 11\n";
    for (int i = 0; i < 10; ++i) text += PlainMaterial(i, i, i, i, 0);
    text += FileMaterial(10, "Late.tga", 0);
    Model3D late;
    std::vector<std::string> names;
    EXPECT_TRUE(Parse(text, late, &names));
    ASSERT_EQ(late.materialCount, 11);
    EXPECT_STREQ(late.materials[10].fileName, "Late.tga");
    EXPECT_EQ(late.materials[10].textureId, 10);
    EXPECT_LE(names.size(), static_cast<size_t>(kModelTextureSlots));
    for (const std::string& name : names) EXPECT_EQ(name, "");
}

TEST(ModelParse, TextureNameLengthLimit) {
    const std::string longest(245, 'a');
    Model3D fits;
    std::vector<std::string> names;
    EXPECT_FALSE(Parse("Objects 0\nMaterials 1\n" + FileMaterial(0, longest, 0), fits, &names));
    EXPECT_EQ(std::string(fits.materials[0].fileName), longest);
    ASSERT_EQ(names.size(), 1u);
    EXPECT_EQ(names[0].size(), 9u + 245u);

    // One more character: the name is dropped whole, and the lines after it still read.
    Model3D tooLong;
    names.clear();
    EXPECT_TRUE(Parse("Objects 0\nMaterials 2\n" + FileMaterial(0, std::string(700, 'b'), 3) +
                          PlainMaterial(1, 7, 8, 9, 2),
                      tooLong, &names));
    ASSERT_EQ(tooLong.materialCount, 2);
    EXPECT_STREQ(tooLong.materials[0].fileName, "");
    EXPECT_EQ(
        std::tuple(tooLong.materials[0].red, tooLong.materials[0].textureId, tooLong.materials[1].green),
        std::tuple(255, 3, 8));
    for (const std::string& name : names) EXPECT_EQ(name, "");
}

TEST(ModelLoad, MissingFilesFailWithoutTouchingTheModelOthersLoadQuietly) {
    ScopedWorkingDir dir(MakeTempDir("model3d_load"));
    Model3D kept;
    kept.objectCount = 42;
    kept.objects.emplace_back();
    kept.objects[0].vertexCount = 7;
    EXPECT_FALSE(LoadModel3D("Objects\\Nothing\\Nothing.m3d", kept));
    ASSERT_EQ(kept.objects.size(), 1u);
    EXPECT_EQ(std::tuple(kept.objectCount, kept.objects[0].vertexCount), std::tuple(42, 7));
    WriteFile("Levels/Readme.m3d", "This is not a model.\n");
    Model3D empty;
    EXPECT_TRUE(LoadModel3D("Levels\\Readme.m3d", empty));
    EXPECT_EQ(std::tuple(empty.objectCount, empty.materialCount), std::tuple(0, 0));
    EXPECT_EQ(ReadFile("Log.txt"), "");
    // A missing texture is logged and the model still loads.
    WriteFile("Objects/Tri/Tri.m3d", kTexturedTriangle);
    Model3D model;
    EXPECT_TRUE(LoadModel3D("Objects\\Tri\\Tri.m3d", model));
    EXPECT_EQ(std::tuple(model.objectCount, model.materials[0].textureId), std::tuple(1, 0));
    EXPECT_EQ(model.textures[0].pixels, nullptr);
    EXPECT_EQ(ReadFile("Log.txt"), "Failed to load a texture :Textures/Grass.tga\n");
}

TEST(ModelLoad, ClippedFileGetsOneLogLine) {
    ScopedWorkingDir dir(MakeTempDir("model3d_clipped"));
    WriteFile("Levels/Bad.m3d", "Objects 1\n" +
                                    ObjectBlock(0, 3, 0, false, {{0, 1, 5}, {5, 6, 7}, {0, 1, 2}}) +
                                    "Materials 1\n" + PlainMaterial(0, 1, 1, 1, 0));
    Model3D model;
    EXPECT_TRUE(LoadModel3D("Levels/Bad.m3d", model));
    EXPECT_EQ(model.objects[0].indexCount, 3);
    EXPECT_EQ(ReadFile("Log.txt"), "Model clipped : Levels/Bad.m3d\n");
}

TEST(ModelCopy, CopiesShareDrawArraysAndOwnTheirLists) {
    Model3D copy;
    std::shared_ptr<std::vector<CVector3>> sourceArray;
    {
        Model3D source;
        Parse(kTexturedTriangle, source);
        source.textures[0].texName = 9;
        copy = source;
        sourceArray = source.objects[0].vertexArray;
        // Animation writes the source's array; the copy draws the same positions.
        (*source.objects[0].vertexArray)[0].x = 99.0f;
        source.objects[0].vertices[0].x = -5.0f;
        source.materials[0].red = 1;
        source.textures[0].texName = 3;
    }
    ASSERT_EQ(copy.objects.size(), 1u);
    const Object3D& o = copy.objects[0];
    EXPECT_EQ(o.vertexArray, sourceArray);
    EXPECT_EQ(std::tuple((*o.vertexArray)[0].x, o.vertices[0].x), std::tuple(99.0f, 0.0f));
    EXPECT_EQ(std::tuple(copy.materials[0].red, copy.textures[0].texName), std::tuple(255, 9u));
    // The copy outlived its source: its arrays are still whole.
    EXPECT_EQ(std::tuple(o.texelArray->size(), (*o.indexArray)[2]), std::tuple(3u, 2u));
}

namespace {

Object3D ObjectWithVertices(const std::vector<CVector3>& vertices) {
    Object3D o;
    o.vertices = vertices;
    o.vertexCount = static_cast<int32_t>(vertices.size());
    return o;
}

std::vector<CVector3> Box(CVector3 center, CVector3 half) {
    std::vector<CVector3> v;
    for (float sx : {-1.0f, 1.0f})
        for (float sy : {-1.0f, 1.0f})
            for (float sz : {-1.0f, 1.0f})
                v.push_back({center.x + sx * half.x, center.y + sy * half.y, center.z + sz * half.z});
    return v;
}

} // namespace

TEST(ModelBounds, CentreAndTruncatedLargestExtent) {
    Model3D model;
    model.objects.push_back(ObjectWithVertices(Box({10, 0, 0}, {1.5f, 1.5f, 1.5f})));
    model.objects.push_back(ObjectWithVertices(Box({0, -3, 2}, {4.5f, 4.9f, 2.5f})));
    model.objects.push_back(ObjectWithVertices(Box({0, 0, 0}, {0.5f, 3.0f, 7.99f})));
    model.objects.push_back(ObjectWithVertices({}));
    model.objects.back().center = {5, 5, 5};
    model.objectCount = 4;
    PrepareModelBounds(model);
    const std::vector<Object3D>& o = model.objects;
    EXPECT_FLOAT_EQ(o[1].center.y, -3.0f);
    // Extents 4, 4, 2 make 8; no vertices, no centre to speak of: zero, not a division by zero.
    EXPECT_EQ(std::vector<float>({o[0].center.x, o[0].center.y, o[0].center.z, o[0].size, o[1].size,
                                  o[2].size, o[3].size, o[3].center.x}),
              std::vector<float>({10, 0, 0, 2, 8, 14, 0, 0}));
}

TEST(ModelBounds, UnrulyCoordinatesGiveFiniteBounds) {
    const float nan = std::nanf("");
    Model3D model;
    model.objects.push_back(ObjectWithVertices({{nan, 0, 0}, {1, 1, 1}}));
    model.objects.push_back(ObjectWithVertices({{3e38f, 0, 0}, {-3e38f, 0, 0}, {1e30f, 0, 0}}));
    model.objects.push_back(ObjectWithVertices({{1, 2, 3}}));
    model.objects[2].vertexCount = 50; // claims more vertices than it lists
    PrepareModelBounds(model);
    for (const Object3D& o : model.objects) EXPECT_TRUE(std::isfinite(o.size) && o.size >= 0.0f);
    EXPECT_EQ(std::tuple(model.objects[2].center.z, model.objects[2].size), std::tuple(3.0f, 0.0f));
}

// The six faces of the cube [-1, 1]^3, facing in.
const CullPlane kUnitCube[kCullPlanes] = {{1, 0, 0, 1},  {-1, 0, 0, 1}, {0, 1, 0, 1},
                                          {0, -1, 0, 1}, {0, 0, 1, 1},  {0, 0, -1, 1}};

TEST(ModelCull, BoxesJustOutsideAPlaneAreCulledStraddlingOrTouchingOnesKept) {
    for (int axis = 0; axis < 3; ++axis)
        for (float side : {-1.0f, 1.0f}) {
            // A thin box beyond one face by gap, spanning the other two axes.
            auto beyond = [&](float gap) {
                float low[3] = {-5, -5, -5}, high[3] = {5, 5, 5};
                (side > 0 ? low : high)[axis] = side * (1 + gap);
                (side > 0 ? high : low)[axis] = side * (2 + gap);
                return BoxInsidePlanes({low[0], low[1], low[2]}, {high[0], high[1], high[2]}, kUnitCube,
                                       0.01f);
            };
            EXPECT_FALSE(beyond(0.02f)) << axis << " " << side;
            EXPECT_TRUE(beyond(0.005f)) << axis << " " << side;
            EXPECT_TRUE(beyond(-0.5f)) << axis << " " << side;
        }
}

// The fuzz seeds, whole and cut at every byte: a reader that walks off its
// buffer fails here under ASan, not only in a fuzzing run.
TEST(ModelParse, CorpusFilesWholeAndCutAtEveryByte) {
    const auto files = ListFiles(std::string(AURELANT_FUZZ_CORPUS) + "/m3d");
    ASSERT_GE(files.size(), 4u);
    for (const std::string& path : files) {
        SCOPED_TRACE(path);
        const std::string bytes = ReadFile(path);
        Model3D model;
        std::vector<std::string> names;
        // The seeds are valid models: nothing may need clipping.
        EXPECT_FALSE(Parse(bytes, model, &names));
        EXPECT_GT(model.objectCount, 0);
        ExpectConsistent(model);
        for (size_t cut = 0; cut < bytes.size(); ++cut) {
            // A copy of just the prefix, so ASan sees any read past it.
            const std::vector<char> prefix(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(cut));
            Model3D part;
            ParseModel3D(prefix.data(), prefix.size(), part, &names);
            ExpectConsistent(part);
            PrepareModelBounds(part);
            if (::testing::Test::HasFatalFailure()) FAIL() << "cut at " << cut;
        }
    }
}
