// Rigid-part rigs and the writer of the game's vertex-animation format. A rig is
// a model made of named parts, one object each, hanging from one another at
// joints; a pose turns every joint. Each frame of an animation is the whole
// model posed, written vertex by vertex in the model's own layout.
#pragma once

#include "assets/animation.h" // the game's storage limits: frames, objects, vertices
#include "content/mesh.h"

#include <string>
#include <vector>

struct RigPart {
    std::string name;
    int parent = -1;            // earlier part this one hangs from, -1 for the root
    CVector3 pivot = {0, 0, 0}; // joint position in the rest pose
    int32_t material = 0;
    Geometry geometry; // authored in the rest pose, in model space
};

struct Rig {
    std::vector<RigPart> parts;
    std::vector<MeshMaterial> materials;
};

struct JointPose {
    CVector3 rotation = {0, 0, 0}; // degrees about the joint, x then z then y
    CVector3 offset = {0, 0, 0};   // moves the part and everything below it
};

struct Pose {
    std::vector<JointPose> joints; // one per part
};

int AddPart(Rig& rig, const std::string& name, int parent, CVector3 pivot, int32_t material,
            Geometry geometry);
int FindPart(const Rig& rig, const std::string& name); // -1 when missing
// The joint of a named part in a pose; a missing part gives a spare joint whose
// changes go nowhere, so a renamed part cannot write into another's.
JointPose& NamedJoint(const Rig& rig, Pose& pose, const std::string& name);
Pose RestPose(const Rig& rig);
// Blends two poses joint by joint; t = 0 gives a, 1 gives b.
Pose BlendPoses(const Pose& a, const Pose& b, float t);
// Each part's transform from the rest pose to this pose.
std::vector<Affine> PoseTransforms(const Rig& rig, const Pose& pose);
Mesh PosedMesh(const Rig& rig, const Pose& pose);

// Smooth step from 0 to 1, for easing keyed motion.
float Ease(float t);

// Writes frames of one model's vertex positions; false with a reason when the
// frames break the storage limits or do not all repeat the first frame's
// object and vertex counts.
bool WriteAnimation(const std::vector<Mesh>& frames, std::string& text, std::string* error);
// Writes the frames into the data folder, or records why they could not be.
void WriteFrames(DataWriter& w, const std::string& path, const std::vector<Mesh>& frames);
// Poses the rig for every frame and writes the result.
bool WriteRigAnimation(const Rig& rig, const std::vector<Pose>& poses, std::string& text, std::string* error);
