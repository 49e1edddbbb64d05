#include "content/anim.h"
#include "content/output.h"

#include <cstdio>

int AddPart(Rig& rig, const std::string& name, int parent, CVector3 pivot, int32_t material,
            Geometry geometry) {
    rig.parts.push_back({name, parent, pivot, material, std::move(geometry)});
    return static_cast<int>(rig.parts.size() - 1);
}

int FindPart(const Rig& rig, const std::string& name) {
    for (size_t i = 0; i < rig.parts.size(); ++i)
        if (rig.parts[i].name == name) return static_cast<int>(i);
    return -1;
}

JointPose& NamedJoint(const Rig& rig, Pose& pose, const std::string& name) {
    static JointPose spare;
    const int i = FindPart(rig, name);
    if (i < 0 || static_cast<size_t>(i) >= pose.joints.size()) {
        spare = {};
        return spare;
    }
    return pose.joints[static_cast<size_t>(i)];
}

Pose RestPose(const Rig& rig) {
    return Pose{std::vector<JointPose>(rig.parts.size())};
}

Pose BlendPoses(const Pose& a, const Pose& b, float t) {
    Pose out = a;
    for (size_t i = 0; i < out.joints.size() && i < b.joints.size(); ++i) {
        out.joints[i].rotation = Lerp(a.joints[i].rotation, b.joints[i].rotation, t);
        out.joints[i].offset = Lerp(a.joints[i].offset, b.joints[i].offset, t);
    }
    return out;
}

std::vector<Affine> PoseTransforms(const Rig& rig, const Pose& pose) {
    std::vector<Affine> world(rig.parts.size(), IdentityAffine());
    for (size_t i = 0; i < rig.parts.size(); ++i) {
        const RigPart& part = rig.parts[i];
        JointPose joint = i < pose.joints.size() ? pose.joints[i] : JointPose{};
        Affine local = Translation(joint.offset) * RotationAbout(part.pivot, joint.rotation);
        // Parents come first, so theirs is already known; a bad parent index counts as none.
        bool hasParent = part.parent >= 0 && static_cast<size_t>(part.parent) < i;
        world[i] = hasParent ? world[part.parent] * local : local;
    }
    return world;
}

Mesh PosedMesh(const Rig& rig, const Pose& pose) {
    Mesh mesh;
    mesh.materials = rig.materials;
    std::vector<Affine> world = PoseTransforms(rig, pose);
    for (size_t i = 0; i < rig.parts.size(); ++i)
        AddObject(mesh, rig.parts[i].name, rig.parts[i].material,
                  Transformed(rig.parts[i].geometry, world[i]));
    return mesh;
}

float Ease(float t) {
    if (t <= 0) return 0;
    if (t >= 1) return 1;
    return t * t * (3 - 2 * t);
}

bool WriteAnimation(const std::vector<Mesh>& frames, std::string& out, std::string* error) {
    auto fail = [&](const std::string& why) {
        if (error) *error = why;
        return false;
    };
    if (frames.empty()) return fail("no frames");
    if (frames.size() > static_cast<size_t>(kMaxAnimationFrames)) return fail("more than 35 frames");
    const Mesh& first = frames[0];
    if (first.objects.size() > static_cast<size_t>(kMaxAnimationObjects)) return fail("more than 15 objects");
    for (const MeshObject& o : first.objects)
        if (o.geometry.vertices.size() > static_cast<size_t>(kMaxAnimationVertices))
            return fail("object " + o.name + " has more than 100 vertices");
    for (const Mesh& f : frames) {
        if (f.objects.size() != first.objects.size()) return fail("frames differ in their objects");
        for (size_t i = 0; i < f.objects.size(); ++i)
            if (f.objects[i].geometry.vertices.size() != first.objects[i].geometry.vertices.size())
                return fail("frames differ in the vertices of object " + first.objects[i].name);
    }
    char buf[96];
    out.clear();
    std::snprintf(buf, sizeof buf, "Animation Frames:%d\n", static_cast<int>(frames.size()));
    out += buf;
    for (size_t f = 0; f < frames.size(); ++f) {
        std::snprintf(buf, sizeof buf, "Frame:%d\nObjects:%d\n", static_cast<int>(f),
                      static_cast<int>(frames[f].objects.size()));
        out += buf;
        for (size_t i = 0; i < frames[f].objects.size(); ++i) {
            const auto& verts = frames[f].objects[i].geometry.vertices;
            std::snprintf(buf, sizeof buf, "Object:%d Vertices:%d\n", static_cast<int>(i),
                          static_cast<int>(verts.size()));
            out += buf;
            for (const MeshVertex& v : verts)
                out += FormatFloat(v.position.x) + " " + FormatFloat(v.position.y) + " " +
                       FormatFloat(v.position.z) + "\n";
        }
    }
    return true;
}

bool WriteRigAnimation(const Rig& rig, const std::vector<Pose>& poses, std::string& out, std::string* error) {
    std::vector<Mesh> frames;
    frames.reserve(poses.size());
    for (const Pose& p : poses) frames.push_back(PosedMesh(rig, p));
    return WriteAnimation(frames, out, error);
}

void WriteFrames(DataWriter& w, const std::string& path, const std::vector<Mesh>& frames) {
    std::string text, why;
    if (WriteAnimation(frames, text, &why))
        w.Write(path, text);
    else
        w.failures.push_back(path + ": " + why);
}
