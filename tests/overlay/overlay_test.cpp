// The time line, the end screen and the menu screen, frame by frame against a reference drawing
// written here straight from the rules of the text: each character a quad on z = -50 in eye
// space, showing its cell of the font sheet. The frames are drawn over a wall nearer than the
// text, in a state that the overlays must replace.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <tuple>

#include "menu/menu_screen.h"
#include "menu/menu_taps.h"
#include "overlay/hud.h"
#include "overlay/text.h"
#include "platform/image.h"
#include "platform/input.h"
#include "tests/support/display.h"

namespace {

struct RefLine {
    std::string text;
    Vec3 origin, width, height, colour;
};
const Vec3 yellow{1, 1, 0};

using Matrix = std::vector<double>;
const Matrix identity{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
const Matrix camera{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 1, 2, 3, 1};
const GLenum switches[] = {GL_DEPTH_TEST, GL_TEXTURE_2D, GL_LIGHTING, GL_COLOR_MATERIAL, GL_FOG};
const char* const names[] = {" depth", " texture", " lighting", " material", " fog"};

// The scene's switches: all on but texturing; the overlay's: the other way round.
void Switch(bool scene) {
    for (const GLenum s : switches) {
        (s == GL_TEXTURE_2D) != scene ? glEnable(s) : glDisable(s);
    }
}

Matrix Current(GLenum which) {
    Matrix m(16);
    glGetDoublev(which, m.data());
    return m;
}

// Code c shows column c % 16, row c / 16 - 2 of the 16 x 14 sheet, less 1/256 on the right
// and far side; the sheet's constants are floats and the sums are rounded once.
void DrawLine(const RefLine& line) {
    const double w = 1.0f / 16, h = 1.0f / 14, cut = 1.0f / 256;
    const Vec3 step = line.width / static_cast<double>(line.text.size());
    Vec3 corner = line.origin;
    glColor3d(line.colour.x, line.colour.y, line.colour.z);
    for (const unsigned char c : line.text) {
        const float s0 = static_cast<float>(c % 16 * w), t0 = static_cast<float>((c / 16 - 2) * h);
        const float s1 = static_cast<float>(s0 + w - cut), t1 = static_cast<float>(t0 + h - cut);
        const float s[] = {s0, s1, s1, s0}, t[] = {t1, t1, t0, t0};  // t = 0 is the top row
        const Vec3 p[] = {corner, corner + step, corner + step + line.height, corner + line.height};
        glBegin(GL_QUADS);
        for (int k = 0; k < 4; ++k) {
            glTexCoord2f(s[k], t[k]);
            glVertex3d(p[k].x, p[k].y, p[k].z);
        }
        glEnd();
        corner += step;
    }
}

// The generated sheet, loaded as the game loads it, and the projection of the video mode:
// once per test program.
TextureId font = 0;
Matrix projection;

TextureId Font() {
    if (font == 0) {
        OpenGameWindow();
        font = LoadKeyedTexture(kFontSheetPath, 0, 0, 0, 1);
    }
    return font;
}

// A wall across the view, nearer than the text, in the depth buffer; then the state the
// scene leaves for the overlays: a camera on the model-view matrix, the projection matrix
// selected, lighting, colour material and fog on, texturing off.
void DrawScene() {
    if (projection.empty()) {
        OpenGameWindow();
        projection = Current(GL_PROJECTION_MATRIX);
    }
    glMatrixMode(GL_PROJECTION);
    glLoadMatrixd(projection.data());  // whatever an overlay did to it
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixd(identity.data());
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    Switch(false);
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_DEPTH_TEST);
    glColor4f(0.2f, 0.3f, 0.6f, 0.0f);  // alpha 0 passes the game's alpha test
    glTranslated(0, 0, -10);
    glRectd(-6, -5, 6, 5);
    glLoadMatrixd(camera.data());
    glMatrixMode(GL_PROJECTION);
    Switch(true);
}

// The GL state in words, and what the scene must find after an overlay.
std::string GlState() {
    const Matrix view = Current(GL_MODELVIEW_MATRIX);
    std::string state = view == identity ? "identity" : view == camera ? "camera" : "moved";
    for (int i = 0; i < 5; ++i) {
        state += glIsEnabled(switches[i]) ? names[i] : "";
    }
    return state;
}

// What the scene finds after the overlays.
const std::string overlayState = "identity depth texture";

// Reads the frame the game drew, draws the scene with the lines over it from the rules and
// expects the same pixels; on a difference saves both as shots/<name>-*.png. Returns the game's.
std::vector<std::uint8_t> ExpectReferenceFrame(const std::vector<RefLine>& lines,
                                               const std::string& name) {
    const std::vector<std::uint8_t> game = ReadFrameRgb();
    DrawScene();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    Switch(false);
    glBindTexture(GL_TEXTURE_2D, Font());
    for (const RefLine& line : lines) {
        DrawLine(line);
    }
    const std::vector<std::uint8_t> reference = ReadFrameRgb();
    if (game != reference) {
        std::filesystem::create_directories("shots");
        SaveRgbPng("shots/" + name + "-game.png", game);
        SaveRgbPng("shots/" + name + "-reference.png", reference);
        ADD_FAILURE() << name << " differs from the reference drawing: see shots/" << name;
    }
    return game;
}

// A finger on any pixel row where an item is drawn points at that item, counted from the top;
// on the rows of the page title (red), at none. Above the time line, the only other yellow.
void ExpectTapTargets(const std::vector<std::uint8_t>& frame, const ShownPage& page,
                      const std::string& name) {
    int item = 0;
    bool onItem = false;
    for (int row = 0; row < kFrameHeight * 5 / 6; ++row) {
        bool yellow = false;
        bool red = false;
        for (int x = 0; x < kFrameWidth; ++x) {
            const std::uint8_t* p = &frame[(row * kFrameWidth + x) * 3];
            yellow = yellow || (p[0] > 128 && p[1] > 128 && p[2] < 64);
            red = red || (p[0] > 128 && p[1] < 64 && p[2] < 64);
        }
        item += yellow && !onItem ? 1 : 0;
        onItem = yellow;
        const int at = MenuLineAt(page, 0.5, (row + 0.5) / kFrameHeight);
        if (yellow || red) {
            ASSERT_EQ(at, yellow ? item : 0) << name << ", row " << row;
        }
    }
    EXPECT_EQ(item + 1, static_cast<int>(page.lines.size())) << name;
}

using Lines = std::vector<std::string>;
const std::map<std::string, Lines> pages{
    {"Menu", {"Choose difficulty", "Quit"}},
    {"Choose difficulty",
     {"Easy Levels", "Medium Levels", "Difficult Levels", "Impossible Levels"}},
    {"Medium Levels", {"11x11x11", "13x13x13", "15x15x15", "17x17x17", "19x19x19"}},
    {"Difficult Levels", {"21x21x21", "23x23x23", "25x25x25", "27x27x27", "29x29x29"}},
};

// What the menu must show for a result.
std::vector<RefLine> Screen(int result, const std::string& page, unsigned highlighted) {
    std::vector<RefLine> out;
    if (result >= 5) {
        out.push_back(
            {"Building maze... Please wait...", {-20, -10, -50}, {45, 0, 0}, {0, 5, 0}, yellow});
    }
    if (result != 0) {
        return out;
    }
    Lines lines = pages.at(page);
    lines.insert(lines.begin(), page);
    for (unsigned i = 0; i < lines.size(); ++i) {
        const std::string text = i == highlighted ? "-> " + lines[i] + " <-" : lines[i];
        const double n = static_cast<double>(text.size());
        const Vec3 colour = i == 0 ? Vec3{1, 0, 0} : yellow;
        out.push_back({text, {-n / 2, 6.0 - 3 * i, -50}, {n, 0, 0}, {0, 2, 0}, colour});
    }
    out.push_back({"Orrindel", {-20, 15, -50}, {45, 0, 0}, {0, 4, 0}, {0, 1, 0}});
    out.push_back({"QUANDORP Creation", {-10, 11, -50}, {25, 0, 0}, {0, 3, 0}, {0, 1, 1}});
    return out;
}

// Frame by frame as the play loop draws the overlays over the scene: the time line, the menu,
// and (the menu closed) the end screen when the player has just won.
TEST(Overlays, AKeyScriptFrameByFrame) {
    // Keys of a frame (u, d, r: Up, Down, Return; e: Escape toggles the menu before the
    // frame; c: the play loop closes it after a size; w, W: won, with the end screen's flag 1
    // or -2), then the result and what is shown.
    const std::tuple<std::string, int, std::string, unsigned> script[] = {
        // clang-format off
        {"d", -1, "", 0},  // a closed menu leaves the cursor keys to flying
        // Up and Down stop at the ends; Return takes effect in the next frame.
        {"e", 0, "Menu", 1}, {"u", 0, "Menu", 1}, {"d", 0, "Menu", 2}, {"d", 0, "Menu", 2},
        {"u", 0, "Menu", 1}, {"r", 0, "Menu", 1}, {"", 0, "Choose difficulty", 1},
        // Return chooses the line Down moved to in the same frame.
        {"d", 0, "Choose difficulty", 2}, {"dr", 0, "Choose difficulty", 3},
        {"", 0, "Difficult Levels", 1},
        // Closing cuts the chain: the menu reopens at its root; pages keep their highlight.
        {"e", -1, "", 0}, {"e", 0, "Menu", 1}, {"r", 0, "Menu", 1},
        {"u", 0, "Choose difficulty", 2}, {"r", 0, "Choose difficulty", 2},
        // A size from the frame after Return until the play loop closes the menu.
        {"d", 0, "Medium Levels", 2}, {"r", 0, "Medium Levels", 2}, {"", 13, "", 0},
        {"", 13, "", 0}, {"c", -1, "", 0}, {"w", -1, "", 0}, {"W", -1, "", 0},
        // Quit draws nothing.
        {"e", 0, "Menu", 1}, {"d", 0, "Menu", 2}, {"r", 0, "Menu", 2}, {"", 1, "", 0},
        // clang-format on
    };
    // The time of a frame in turn, as the line shows it: seconds truncated and unpadded,
    // minutes unbounded.
    const std::pair<int, std::string> times[] = {{0, "0'0"},          {999, "0'0"},
                                                 {59'999, "0'59"},    {60'000, "1'0"},
                                                 {3'725'999, "62'5"}, {83'000, "1'23"}};
    const auto root = BuildMenu();
    int frame = 0;
    for (const auto& [keys, result, page, highlighted] : script) {
        const auto& [ms, time] = times[frame % std::size(times)];
        const std::string name = "overlays-" + std::to_string(frame++);
        inputState = InputState{};
        if (keys == "e" || keys == "c") {
            root->SetVisible(keys == "e" ? -1 : 0);
        } else {
            for (const char k : keys) {
                const auto at = std::string("udr").find(k);
                if (at != std::string::npos) {
                    inputState.keys[at == 0 ? key::Up : at == 1 ? key::Down : key::Return] = 1;
                }
            }
        }
        DrawScene();
        DrawHud(Font(), ms, 0);
        ASSERT_EQ(MenuFrame(*root, Font()), result) << name;
        std::vector<RefLine> lines = Screen(result, page, highlighted);
        lines.insert(
            lines.begin(),
            {"Elapsed time : " + time + "\"", {-5, -19, -50}, {30, 0, 0}, {0, 2, 0}, yellow});
        if (keys == "w" || keys == "W") {  // the prompt stands above the congratulation
            DrawHud(Font(), ms, keys == "w" ? 1 : -2);
            lines.push_back(lines.front());
            lines.push_back(
                {"Congratulations !!!!", {-20, -10, -50}, {40, 0, 0}, {0, 5, 0}, yellow});
            lines.push_back({"Hit Enter", {-20, 0, -50}, {40, 0, 0}, {0, 5, 0}, yellow});
        }
        EXPECT_EQ(GlState(), overlayState) << name;
        EXPECT_EQ(inputState.keys[key::Down], keys == "d" && result == MenuClosed) << name;
        const std::vector<std::uint8_t> shown = ExpectReferenceFrame(lines, name);
        if (result == MenuOpen) {
            Lines drawn = pages.at(page);
            drawn.insert(drawn.begin(), page);
            ExpectTapTargets(shown, {drawn, highlighted}, name);
        }
    }
}

}  // namespace
