#include "menus/title.h"

#include "assets/control_hints.h"
#include "assets/game_state.h"
#include "assets/loaded_assets.h"
#include "assets/text2d.h"
#include "menus/options_screen.h"
#include "menus/slot_list.h"
#include "platform/platform.h"
#include "world/level_table.h"
#include "world/story_scenes.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

float TitlePulse = 1.0f;
unsigned char TitlePulseFalling = 1;

const char* const CreditLines[kCreditLineCount] = {
    "Programming: The Aurelant developers",
    "3D Art: The Aurelant developers",
    "Music: The Aurelant developers",
    "Contact: aurelant@example.org",
};

namespace {

void DrawButtons() {
    static const float bottoms[kTitleButtonCount] = {0.4f, 0.3f, 0.2f, 0.1f, 0.0f};
    glEnable(GL_BLEND);
    for (int i = 0; i < kTitleButtonCount; ++i) {
        if (i == TitleCursor) glColor3f(TitlePulse, TitlePulse, TitlePulse);
        const float top = bottoms[i] + 0.1f;
        DrawTexturedQuad(0.4f, bottoms[i], 0.6f, bottoms[i], 0.6f, top, 0.4f, top,
                         TitleButtonTextures[i].texName);
        glColor3f(1, 1, 1);
    }
    glDisable(GL_BLEND);
}

void DrawLoadPage() {
    DrawSlotList();
    glColor3f(0, 0, 1);
    glEnable(GL_COLOR_MATERIAL);
    glDisable(GL_TEXTURE_2D);
    PrintText(TimesFontBase, LayoutX(1.24), LayoutY(25.6), "Load");
    PrintText(TimesFontBase, LayoutX(20.48), LayoutY(38.4), "Choose the Slot you wish to Load from");
}

void DrawCredits() {
    static const double divisors[4] = {2.02, 1.87, 1.74, 1.63};
    glEnable(GL_COLOR_MATERIAL);
    glDisable(GL_TEXTURE_2D);
    for (int i = 0; i < kCreditLineCount; ++i)
        PrintText(TimesFontBase, LayoutArea.width / 4, static_cast<int>(LayoutArea.height / divisors[i]),
                  "%s", CreditLines[i]);
}

// The logo is the same picture every frame while the state it is drawn with
// stays the same, and a filtered full-screen quad is most of the title's cost
// on a software renderer. So the picture is copied once and, while nothing it
// depends on has changed, put back texel for texel instead.
struct LogoState {
    float color[4];
    float normal[3];
    float projection[16];
    float modelview[16];
    GLint viewport[4];
    GLint texture;
    GLint environment;
    uint32_t enabled;
};

LogoState CurrentLogoState() {
    LogoState state;
    std::memset(&state, 0, sizeof state);
    glGetFloatv(GL_CURRENT_COLOR, state.color);
    glGetFloatv(GL_CURRENT_NORMAL, state.normal);
    glGetFloatv(GL_PROJECTION_MATRIX, state.projection);
    glGetFloatv(GL_MODELVIEW_MATRIX, state.modelview);
    glGetIntegerv(GL_VIEWPORT, state.viewport);
    state.texture = static_cast<GLint>(LogoTexture.texName);
    glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &state.environment);
    const GLenum caps[] = {GL_LIGHTING,   GL_LIGHT0, GL_LIGHT1,    GL_COLOR_MATERIAL, GL_FOG,
                           GL_TEXTURE_2D, GL_BLEND,  GL_CULL_FACE, GL_DEPTH_TEST};
    for (size_t i = 0; i < sizeof caps / sizeof caps[0]; ++i)
        if (glIsEnabled(caps[i])) state.enabled |= 1u << i;
    return state;
}

GLuint LogoCopy = 0;
GLint LogoCopySize[2] = {0, 0}; // the texture's, a power of two each way
bool LogoCopied = false;
LogoState LogoCopiedState;

void CopyLogo(const LogoState& state) {
    const GLint width = state.viewport[2], height = state.viewport[3];
    if (width <= 0 || height <= 0) return;
    if (LogoCopy == 0) glGenTextures(1, &LogoCopy);
    glBindTexture(GL_TEXTURE_2D, LogoCopy);
    const GLint tw = PowerOfTwoAtLeast(width + state.viewport[0]),
                th = PowerOfTwoAtLeast(height + state.viewport[1]);
    if (tw != LogoCopySize[0] || th != LogoCopySize[1]) {
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB8, tw, th, 0, GL_RGB, GL_UNSIGNED_BYTE, nullptr);
        LogoCopySize[0] = tw;
        LogoCopySize[1] = th;
    }
    glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, state.viewport[0], state.viewport[1], width, height);
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(state.texture));
    LogoCopied = true;
    LogoCopiedState = state;
}

// One unlit, unfogged texel per pixel; every state it touches is put back.
void PutBackLogo(const LogoState& state) {
    const float x0 = static_cast<float>(state.viewport[0]), y0 = static_cast<float>(state.viewport[1]);
    const float x1 = x0 + static_cast<float>(state.viewport[2]),
                y1 = y0 + static_cast<float>(state.viewport[3]);
    const float s1 = x1 / static_cast<float>(LogoCopySize[0]), t1 = y1 / static_cast<float>(LogoCopySize[1]);
    const float s0 = x0 / static_cast<float>(LogoCopySize[0]), t0 = y0 / static_cast<float>(LogoCopySize[1]);
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_TEXTURE_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_FOG);
    glDisable(GL_BLEND);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, LogoCopy);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(x0, x1, y0, y1, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glBegin(GL_QUADS);
    glTexCoord2f(s0, t0);
    glVertex2f(x0, y0);
    glTexCoord2f(s1, t0);
    glVertex2f(x1, y0);
    glTexCoord2f(s1, t1);
    glVertex2f(x1, y1);
    glTexCoord2f(s0, t1);
    glVertex2f(x0, y1);
    glEnd();
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopAttrib();
}

// Where the sides picture lies in the unit square the logo fills.
constexpr float kSidesLeft = -0.75f, kSidesRight = 1.75f, kSidesBottom = -0.25f, kSidesTop = 1.25f;

} // namespace

void DrawLogoPicture() {
    const AreaBounds picture = PictureInUnitSquare();
    if (picture.left < 0.0 || picture.right > 1.0 || picture.bottom < 0.0 || picture.top > 1.0)
        DrawTexturedQuad(kSidesLeft, kSidesBottom, kSidesRight, kSidesBottom, kSidesRight, kSidesTop,
                         kSidesLeft, kSidesTop, LogoSidesTexture.texName);
    DrawTexturedQuad(0, 0, 1, 0, 1, 1, 0, 1, LogoTexture.texName);
}

namespace {

// The clear and the logo over it; a frame clipped away (a hidden window) draws and keeps nothing.
void DrawLogo() {
    const LogoState state = CurrentLogoState();
    if (LogoCopied && std::memcmp(&state, &LogoCopiedState, sizeof state) == 0) {
        PutBackLogo(state);
        return;
    }
    DrawLogoPicture();
    // A pillarboxed picture is scissored too; only an empty box (a hidden window) drew nothing.
    GLint box[4] = {0, 0, 0, 0};
    glGetIntegerv(GL_SCISSOR_BOX, box);
    if (!glIsEnabled(GL_SCISSOR_TEST) || (box[2] > 0 && box[3] > 0)) CopyLogo(state);
}

// At rest only the buttons change from frame to frame. When the back buffer
// still holds the last title frame (checked against rows kept from it, every
// kKeptRowStep pixels outside the buttons), only the buttons' box is drawn again.
constexpr int32_t kKeptRowStep = 16;

struct KeptTitle {
    bool valid = false;
    GLint box[4] = {0, 0, 0, 0}; // the buttons, in window pixels from the bottom-left
    LogoState logo;
    std::vector<uint8_t> rows;
    std::vector<std::string> hint; // a pad pressed since renames the controls outside the box
};
KeptTitle Kept;

// The four buttons' box on the window, with a pixel to spare each side.
void ButtonsBox(GLint (&box)[4]) {
    GLdouble model[16], projection[16];
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, model);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    GLdouble x0 = 0, y0 = 0, x1 = 0, y1 = 0, z = 0;
    gluProject(0.4, 0.0, 0.0, model, projection, viewport, &x0, &y0, &z);
    gluProject(0.6, 0.5, 0.0, model, projection, viewport, &x1, &y1, &z);
    const auto clamp = [](double v, GLint low, GLint high) {
        return v < low ? low : v > high ? high : static_cast<GLint>(v);
    };
    const GLint right = viewport[0] + viewport[2], top = viewport[1] + viewport[3];
    box[0] = clamp(std::floor(std::min(x0, x1)) - 2, viewport[0], right);
    box[1] = clamp(std::floor(std::min(y0, y1)) - 2, viewport[1], top);
    box[2] = clamp(std::ceil(std::max(x0, x1)) + 2, viewport[0], right) - box[0];
    box[3] = clamp(std::ceil(std::max(y0, y1)) + 2, viewport[1], top) - box[1];
}

// Every kKeptRowStep-th row of the viewport, the buttons' part left out.
std::vector<uint8_t> ReadKeptRows(const GLint (&box)[4]) {
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    std::vector<uint8_t> rows;
    std::vector<uint8_t> row(static_cast<size_t>(viewport[2]) * 4);
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    for (GLint y = viewport[1]; y < viewport[1] + viewport[3]; y += kKeptRowStep) {
        glReadPixels(viewport[0], y, viewport[2], 1, GL_RGBA, GL_UNSIGNED_BYTE, row.data());
        if (y >= box[1] && y < box[1] + box[3]) {
            const size_t from = static_cast<size_t>(box[0] - viewport[0]) * 4;
            std::fill(row.begin() + static_cast<std::ptrdiff_t>(from),
                      row.begin() + static_cast<std::ptrdiff_t>(from + static_cast<size_t>(box[2]) * 4), 0);
        }
        rows.insert(rows.end(), row.begin(), row.end());
    }
    glPopClientAttrib();
    return rows;
}

// Whether this frame need draw only the buttons; a scissored frame (a hidden
// window, a pillarbox) is always drawn whole.
bool OnlyButtonsChanged(const LogoState& logo, const GLint (&box)[4], const std::vector<std::string>& hint) {
    if (!Kept.valid || glIsEnabled(GL_SCISSOR_TEST) || hint != Kept.hint) return false;
    if (std::memcmp(&logo, &Kept.logo, sizeof logo) != 0 || std::memcmp(box, Kept.box, sizeof box) != 0)
        return false;
    return ReadKeptRows(box) == Kept.rows;
}

// The main page takes only OK; the credits only Cancel, back to it.
HintActions TitleHint(int page) {
    return {.ok = page == 0, .cancel = page == 2};
}

} // namespace

void AdvanceTitlePulse() {
    if (TitlePulseFalling) {
        TitlePulse -= 0.03f;
        if (TitlePulse <= 0.3) TitlePulseFalling = 0;
    } else {
        TitlePulse += 0.03f;
    }
    if (!TitlePulseFalling && TitlePulse >= 0.7) TitlePulseFalling = 1;
}

void TitleFrame(int page) {
    glDisable(GL_DEPTH_TEST);
    // Clear fog this close rounds to a factor of exactly 1, yet costs a third of
    // the frame on a software renderer: off, the picture is the same.
    const bool fogless = FogDensity <= kClearFogDensity;
    if (fogless) glDisable(GL_FOG);
    glEnable(GL_COLOR_MATERIAL);
    // The ending hands over with its closing words just drawn, texturing off.
    glEnable(GL_TEXTURE_2D);
    glLoadIdentity();
    glPushMatrix();
    EnterUnitSquare();

    const LogoState logo = CurrentLogoState();
    GLint box[4];
    ButtonsBox(box);
    const std::vector<std::string> hint =
        HintsFlag ? HintEntries(TitleHint(page)) : std::vector<std::string>{};
    const bool onlyButtons = page == 0 && OnlyButtonsChanged(logo, box, hint);
    if (onlyButtons) {
        glEnable(GL_SCISSOR_TEST);
        glScissor(box[0], box[1], box[2], box[3]);
    }
    glClearColor(0.2f, 0.5f, 1.0f, 0.5f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    AdvanceTitlePulse();
    DrawLogo();

    if (page == 0) DrawButtons();
    if (page == 1) DrawLoadPage();
    if (page == 2) DrawCredits();
    DrawHint(HintSpot::Title, TitleHint(page));
    if (page == kTitleOptionsPage) {
        AdvanceOptions();
        DrawOptions();
    }
    if (page == 1 || page == 2 || page == kTitleOptionsPage) {
        glColor3f(1, 1, 1);
        glDisable(GL_COLOR_MATERIAL);
        glEnable(GL_TEXTURE_2D);
    }
    glPopMatrix();
    glEnable(GL_DEPTH_TEST);
    if (fogless) glEnable(GL_FOG);
    if (onlyButtons)
        glDisable(GL_SCISSOR_TEST);
    else if (page == 0 && LogoCopied && !glIsEnabled(GL_SCISSOR_TEST))
        Kept = {true, {box[0], box[1], box[2], box[3]}, logo, ReadKeptRows(box), hint};
    else
        Kept.valid = false;
    SwapScreenBuffer();
}

void NewGame() {
    GameMode = ModeField;
    CurrentLevel = LevelVoruduDungeon;
    PlayMusic(LevelTable[LevelVoruduDungeon].Music);
    PlayHours = 0;
    PlayMinutes = 0;
    PlaySeconds = 0;
    // The ending hands the title back with control off and its last words up.
    PlayerHasControl = 1;
    DialogueOpen = 0;
    // A game played to its end before would leave every scene done.
    ResetStory();
}
