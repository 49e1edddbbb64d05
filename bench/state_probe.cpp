// Preloaded into the game (LD_PRELOAD) to switch one piece of render state
// off at the GL door, so a timedemo shows what that state costs a frame.
// AURELANT_PROBE names one or more of, comma-separated:
//   fog      fog never on               light    lighting never on
//   texture  2D texturing never on      nomip    minify from the base level only
//   nearest  every filter nearest       halftex  every mipmapped texture from level 1
//   sky      the sky not drawn          clear    the colour buffer not cleared
//   flat     flat shading               fogfast  fog computed per vertex
//   nodraw   no model drawn at all      nodepth  no depth test
// The picture changes, of course: this measures, it does not ship.
#include <GL/gl.h>
#include <GL/glu.h>
#include <dlfcn.h>

#include <cstdlib>
#include <cstring>

namespace {

bool Probe(const char* name) {
    static const char* probes = std::getenv("AURELANT_PROBE");
    if (!probes) return false;
    const size_t length = std::strlen(name);
    for (const char* p = probes; (p = std::strstr(p, name)) != nullptr; p += length)
        if ((p == probes || p[-1] == ',') && (p[length] == '\0' || p[length] == ',')) return true;
    return false;
}

template <typename F>
F Real(const char* name) {
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

bool FarDepthRange = false;

bool Suppressed(GLenum cap) {
    return (cap == GL_FOG && Probe("fog")) || (cap == GL_LIGHTING && Probe("light")) ||
           (cap == GL_TEXTURE_2D && Probe("texture")) || (cap == GL_DEPTH_TEST && Probe("nodepth"));
}

GLint Filter(GLenum pname, GLint value) {
    if (Probe("nearest") && (pname == GL_TEXTURE_MIN_FILTER || pname == GL_TEXTURE_MAG_FILTER))
        return GL_NEAREST;
    if (Probe("nomip") && pname == GL_TEXTURE_MIN_FILTER && value != GL_NEAREST && value != GL_LINEAR)
        return GL_LINEAR;
    return value;
}

} // namespace

extern "C" {

void glEnable(GLenum cap) {
    static auto real = Real<void (*)(GLenum)>("glEnable");
    static auto disable = Real<void (*)(GLenum)>("glDisable");
    if (Suppressed(cap))
        disable(cap);
    else
        real(cap);
}

void glClear(GLbitfield mask) {
    static auto real = Real<void (*)(GLbitfield)>("glClear");
    if (Probe("clear")) mask &= ~static_cast<GLbitfield>(GL_COLOR_BUFFER_BIT);
    if (mask) real(mask);
}

void glTexParameteri(GLenum target, GLenum pname, GLint value) {
    static auto real = Real<void (*)(GLenum, GLenum, GLint)>("glTexParameteri");
    real(target, pname, Filter(pname, value));
}

void glTexParameterf(GLenum target, GLenum pname, GLfloat value) {
    static auto real = Real<void (*)(GLenum, GLenum, GLfloat)>("glTexParameterf");
    real(target, pname, static_cast<GLfloat>(Filter(pname, static_cast<GLint>(value))));
}

GLint gluBuild2DMipmaps(GLenum target, GLint components, GLint width, GLint height, GLenum format,
                        GLenum type, const void* data) {
    static auto real =
        Real<GLint (*)(GLenum, GLint, GLint, GLint, GLenum, GLenum, const void*)>("gluBuild2DMipmaps");
    const GLint result = real(target, components, width, height, format, type, data);
    if (Probe("halftex") && (width > 1 || height > 1)) glTexParameteri(target, GL_TEXTURE_BASE_LEVEL, 1);
    if (Probe("nomip") || Probe("nearest")) glTexParameteri(target, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    return result;
}

void glHint(GLenum target, GLenum mode) {
    static auto real = Real<void (*)(GLenum, GLenum)>("glHint");
    real(target, target == GL_FOG_HINT && Probe("fogfast") ? GL_FASTEST : mode);
}

void glShadeModel(GLenum mode) {
    static auto real = Real<void (*)(GLenum)>("glShadeModel");
    real(Probe("flat") ? GL_FLAT : mode);
}

void glDepthRange(GLclampd nearValue, GLclampd farValue) {
    static auto real = Real<void (*)(GLclampd, GLclampd)>("glDepthRange");
    FarDepthRange = nearValue >= 1.0;
    real(nearValue, farValue);
}

void glDrawElements(GLenum mode, GLsizei count, GLenum type, const void* indices) {
    static auto real = Real<void (*)(GLenum, GLsizei, GLenum, const void*)>("glDrawElements");
    if (Probe("nodraw") || (FarDepthRange && Probe("sky"))) return;
    real(mode, count, type, indices);
}

} // extern "C"
