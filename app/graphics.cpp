#include "app/graphics.h"

#include "app/window_size.h"
#include "assets/game_state.h"
#include "assets/loaded_assets.h"
#include "assets/log.h"
#include "assets/screen_area.h"
#include "assets/text2d.h"
#include "platform/platform.h"

#include <GL/gl.h>
#include <GL/glu.h>

uint32_t BuildFont(const char* face, int cellHeight) {
    const uint32_t base = glGenLists(256);
    if (!BuildBitmapFont(face, cellHeight, 700, base))
        PlatformWarning("font \"%s\" could not be built", face);
    return base;
}

bool SetupRenderState(int width, int height) {
    const PixelFormatRequest request = {ScreenBits, ScreenBits, true};
    const int format = ChoosePixelFormat(request);
    if (format == 0) {
        ShowMessageBox("ChoosePixelFormat failed", "Error");
        PostQuitMessage(0);
    } else if (!SetPixelFormat(format)) {
        ShowMessageBox("SetPixelFormat failed", "Error");
        PostQuitMessage(0);
    }
    // Without a context there is nothing to set; the game ends at the first pass of its loop.
    if (!CreateRenderContext()) {
        PostQuitMessage(0);
        return false;
    }

    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHT0);
    glEnable(GL_LIGHTING);
    glCullFace(GL_BACK);
    glEnable(GL_CULL_FACE);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glEnable(GL_TEXTURE_2D);
    glShadeModel(GL_SMOOTH);
    glClearColor(0.5f, 0.5f, 0.5f, 1.0f);
    glFogi(GL_FOG_MODE, GL_EXP);
    const GLfloat fogColor[4] = {0, 0, 0, 0};
    glFogfv(GL_FOG_COLOR, fogColor);
    glFogf(GL_FOG_DENSITY, FogDensity);
    glHint(GL_FOG_HINT, GL_NICEST);
    glEnable(GL_FOG);
    const GLfloat ambient[4] = {0.3f, 0.3f, 0.3f, 0.3f};
    const GLfloat diffuse[4] = {0.5f, 0.5f, 0.5f, 0.5f};
    const GLfloat position[4] = {0, 1, 0, 1};
    glLightfv(GL_LIGHT1, GL_AMBIENT, ambient);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, diffuse);
    glLightfv(GL_LIGHT1, GL_POSITION, position);
    glEnable(GL_COLOR_MATERIAL);

    LayOutForWindow(width, height);
    glLoadIdentity();
    return true;
}

bool InitGraphics() {
    int width = 0, height = 0;
    GetClientSize(&width, &height);
    // No window: the display was refused and the quit message is already posted.
    if (width <= 0 || height <= 0) return false;
    // The exit box was hidden for the size asked for; the window may have another (the desktop's own).
    const int32_t hiddenAsked = HiddenDialogueSlide(LayoutArea.height);
    if (!SetupRenderState(width, height)) return false;
    DialogueSlide = CarrySlide(DialogueSlide, hiddenAsked, HiddenDialogueSlide(LayoutArea.height));
    AppendLog("OpenGL Initialised!");

    ArialFontBase = BuildFont("Arial", 2 * FontCellHeight());
    AppendLog("Created Arial Font");

    // The log is the record of what was found, so a missing logo says so.
    if (LoadTGATexture(LogoTexture, "Textures/Logo.tga", true))
        AppendLog("Loaded Texture : Textures/Logo.tga");
    else
        AppendLog("Could not Load Texture : Textures/Logo.tga");
    if (LoadTGATexture(LogoSidesTexture, "Textures/LogoSides.tga", true))
        AppendLog("Loaded Texture : Textures/LogoSides.tga");
    else
        AppendLog("Could not Load Texture : Textures/LogoSides.tga");
    return true;
}
