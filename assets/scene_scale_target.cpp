#include "assets/scene_scale_target.h"

#include "platform/platform.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <cstdio>

namespace {

struct FramebufferCalls {
    PFNGLGENFRAMEBUFFERSPROC genFramebuffers = nullptr;
    PFNGLISFRAMEBUFFERPROC isFramebuffer = nullptr;
    PFNGLBINDFRAMEBUFFERPROC bindFramebuffer = nullptr;
    PFNGLFRAMEBUFFERTEXTURE2DPROC framebufferTexture2D = nullptr;
    PFNGLGENRENDERBUFFERSPROC genRenderbuffers = nullptr;
    PFNGLBINDRENDERBUFFERPROC bindRenderbuffer = nullptr;
    PFNGLRENDERBUFFERSTORAGEPROC renderbufferStorage = nullptr;
    PFNGLFRAMEBUFFERRENDERBUFFERPROC framebufferRenderbuffer = nullptr;
    PFNGLCHECKFRAMEBUFFERSTATUSPROC checkFramebufferStatus = nullptr;
};

enum class Support { Unknown, Yes, No };

Support Usable = Support::Unknown;
FramebufferCalls Calls;
GLuint Framebuffer = 0;
GLuint ColourTexture = 0;
GLuint DepthBuffer = 0;
int32_t TargetWidth = 0;
int32_t TargetHeight = 0;
GLint LargestSide = 0;

template <typename Call>
bool Find(Call& call, const char* name) {
    call = reinterpret_cast<Call>(GetGLFunction(name));
    return call != nullptr;
}

bool ContextVersionAtLeast(int wantedMajor, int wantedMinor) {
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    int major = 0, minor = 0;
    if (version == nullptr || std::sscanf(version, "%d.%d", &major, &minor) != 2) return false;
    return major > wantedMajor || (major == wantedMajor && minor >= wantedMinor);
}

// Both GL 3.0 and ARB_framebuffer_object name the calls without a suffix.
bool FindCalls() {
    const bool offered = ContextVersionAtLeast(3, 0) || HasGLExtension("GL_ARB_framebuffer_object");
    // The target is exactly the scene's size, whatever that is.
    const bool anySize = ContextVersionAtLeast(2, 0) || HasGLExtension("GL_ARB_texture_non_power_of_two");
    if (!offered || !anySize) return false;
    FramebufferCalls calls;
    const bool found = Find(calls.genFramebuffers, "glGenFramebuffers") &&
                       Find(calls.isFramebuffer, "glIsFramebuffer") &&
                       Find(calls.bindFramebuffer, "glBindFramebuffer") &&
                       Find(calls.framebufferTexture2D, "glFramebufferTexture2D") &&
                       Find(calls.genRenderbuffers, "glGenRenderbuffers") &&
                       Find(calls.bindRenderbuffer, "glBindRenderbuffer") &&
                       Find(calls.renderbufferStorage, "glRenderbufferStorage") &&
                       Find(calls.framebufferRenderbuffer, "glFramebufferRenderbuffer") &&
                       Find(calls.checkFramebufferStatus, "glCheckFramebufferStatus");
    if (!found) return false;
    Calls = calls;
    GLint textureSide = 0, bufferSide = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &textureSide);
    glGetIntegerv(GL_MAX_RENDERBUFFER_SIZE, &bufferSide);
    LargestSide = textureSide < bufferSide ? textureSide : bufferSide;
    return LargestSide > 0;
}

// The texture and depth buffer at the new size; false when the driver will
// not draw into them, which sends every later scene the copying way.
bool MakeTarget(int32_t width, int32_t height) {
    GLint boundTexture = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &boundTexture);
    if (Framebuffer == 0) {
        Calls.genFramebuffers(1, &Framebuffer);
        Calls.genRenderbuffers(1, &DepthBuffer);
        glGenTextures(1, &ColourTexture);
    }
    glBindTexture(GL_TEXTURE_2D, ColourTexture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_BGRA, GL_UNSIGNED_BYTE, nullptr);
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(boundTexture));
    Calls.bindRenderbuffer(GL_RENDERBUFFER, DepthBuffer);
    Calls.renderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, width, height);
    Calls.bindRenderbuffer(GL_RENDERBUFFER, 0);
    Calls.bindFramebuffer(GL_FRAMEBUFFER, Framebuffer);
    Calls.framebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, ColourTexture, 0);
    Calls.framebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, DepthBuffer);
    const bool complete = Calls.checkFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    Calls.bindFramebuffer(GL_FRAMEBUFFER, 0);
    TargetWidth = complete ? width : 0;
    TargetHeight = complete ? height : 0;
    return complete;
}

} // namespace

bool BindSceneTarget(int32_t width, int32_t height) {
    // A new context forgets the old names, and may offer something else.
    if (Usable == Support::Yes && Framebuffer != 0 &&
        (!glIsTexture(ColourTexture) || !Calls.isFramebuffer(Framebuffer))) {
        Usable = Support::Unknown;
        Framebuffer = ColourTexture = DepthBuffer = 0;
        TargetWidth = TargetHeight = 0;
    }
    if (Usable == Support::Unknown) Usable = FindCalls() ? Support::Yes : Support::No;
    if (Usable != Support::Yes || width < 1 || height < 1 || width > LargestSide || height > LargestSide)
        return false;
    if ((width != TargetWidth || height != TargetHeight) && !MakeTarget(width, height)) {
        Usable = Support::No;
        return false;
    }
    Calls.bindFramebuffer(GL_FRAMEBUFFER, Framebuffer);
    glViewport(0, 0, width, height);
    glEnable(GL_SCISSOR_TEST);
    glScissor(0, 0, width, height);
    return true;
}

void UnbindSceneTarget() {
    if (Usable == Support::Yes) Calls.bindFramebuffer(GL_FRAMEBUFFER, 0);
}

bool BindSceneTargetTexture() {
    if (Usable != Support::Yes || TargetWidth == 0) return false;
    glBindTexture(GL_TEXTURE_2D, ColourTexture);
    return true;
}
