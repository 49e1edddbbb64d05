// Any bytes at all through the model reader; the result must stay inside its arrays.
#include "assets/model3d.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Model3D model;
    std::vector<std::string> names;
    ParseModel3D(reinterpret_cast<const char*>(data), size, model, &names);
    if (model.objectCount != static_cast<int32_t>(model.objects.size())) std::abort();
    if (model.materialCount != static_cast<int32_t>(model.materials.size())) std::abort();
    if (names.size() > static_cast<size_t>(kModelTextureSlots)) std::abort();
    for (const Object3D& o : model.objects) {
        const size_t vertices = static_cast<size_t>(o.vertexCount);
        if (o.vertices.size() != vertices || o.vertexArray->size() != vertices ||
            o.normalArray->size() != vertices)
            std::abort();
        if (o.hasTexture != (o.texelArray != nullptr) || (o.texelArray && o.texelArray->size() != vertices))
            std::abort();
        if (o.indexArray->size() != static_cast<size_t>(o.indexCount)) std::abort();
        for (uint32_t index : *o.indexArray)
            if (index >= vertices) std::abort();
    }
    PrepareModelBounds(model);
    return 0;
}
