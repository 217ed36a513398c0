// platform/draw.h in WebGL 2: one shader program doing what the desktop's fixed state does
// for this game (texture times colour, one lamp with colour material, linear fog, the alpha
// test), and every quad of a frame in one vertex buffer, drawn in a run per state change.
#include "platform/web/webgl_draw.h"

#include <GLES3/gl3.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "platform/draw.h"

namespace {

const char* const kVertexShader = R"(#version 300 es
uniform mat4 modelview;
uniform mat4 projection;
uniform bool lit;
uniform vec3 lamp;  // eye coordinates
layout(location = 0) in vec3 position;
layout(location = 1) in vec2 texcoord;
layout(location = 2) in vec4 colour;
layout(location = 3) in vec3 normal;
out vec4 shade;
out vec2 uv;
out float distance;
void main() {
    vec4 eye = modelview * vec4(position, 1.0);
    gl_Position = projection * eye;
    uv = texcoord;
    // The fog's distance is the eye's depth, as the desktop's driver takes it.
    distance = abs(eye.z);
    shade = colour;
    if (lit) {
        // Per vertex, as fixed-function lighting: 0.2 scene ambient, 0.2 lamp ambient and 0.8
        // diffuse. The model-view is a rigid motion, so its rotation carries the normal; the
        // normal keeps its length, as the desktop does not make normals unit length.
        vec3 n = mat3(modelview) * normal;
        float diffuse = max(dot(n, normalize(lamp - eye.xyz)), 0.0);
        shade.rgb = min(colour.rgb * (0.4 + 0.8 * diffuse), vec3(1.0));
    }
}
)";

const char* const kFragmentShader = R"(#version 300 es
precision highp float;
uniform sampler2D image;
uniform bool fogged;
uniform vec2 fogRange;
uniform vec3 fogColour;
uniform bool alphaTest;
in vec4 shade;
in vec2 uv;
in float distance;
out vec4 pixel;
void main() {
    vec4 c = texture(image, uv) * shade;
    // Texels keyed out carry alpha 1; the desktop passes alpha below its clamped reference 1.
    if (alphaTest && c.a >= 1.0) {
        discard;
    }
    if (fogged) {
        float f = clamp((fogRange.y - distance) / (fogRange.y - fogRange.x), 0.0, 1.0);
        c.rgb = mix(fogColour, c.rgb, f);
    }
    pixel = c;
}
)";

struct Vertex {
    float position[3];
    float texcoord[2];
    float colour[4];
    float normal[3];
};

// What a quad is drawn with, besides its vertices.
struct DrawState {
    TextureId texture = 0;
    bool lit = false;
    bool fogged = false;
    bool alphaTest = true;
    bool depthTest = true;
    Matrix4 modelview{};
    std::array<float, 3> lamp{};  // eye coordinates
    float fogStart = 0;
    float fogEnd = 1;
    float fogGrey = 0;

    bool operator==(const DrawState&) const = default;
};

struct Run {
    DrawState state;
    std::size_t firstQuad;
    std::size_t quads;
};

struct Uniforms {
    GLint modelview, projection, lit, lamp, image, fogged, fogRange, fogColour, alphaTest;
};

constexpr Matrix4 kIdentity = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

struct Drawing {
    GLuint program = 0;
    GLuint vertexArray = 0;
    GLuint vertexBuffer = 0;
    GLuint indexBuffer = 0;
    std::size_t indexedQuads = 0;
    Uniforms uniforms{};
    Matrix4 projection{};
    DrawState state;
    float colour[4] = {1, 1, 1, 1};
    Vec3 normal{0, 0, 1};
    float clearGrey[4] = {0, 0, 0, 0};       // current clear colour
    float clearThisFrame[4] = {0, 0, 0, 0};  // the one the desktop cleared this frame with
    std::vector<Vertex> vertices;
    std::vector<Run> runs;
};

Drawing drawing;

GLuint Compile(GLenum kind, const char* source) {
    const GLuint shader = glCreateShader(kind);
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    GLint ok = 0;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
    if (ok == 0) {
        char log[1024] = "";
        glGetShaderInfoLog(shader, sizeof log, nullptr, log);
        std::fprintf(stderr, "Orrindel: shader: %s\n", log);
    }
    return shader;
}

Vec3 Transform(const Matrix4& m, const Vec3& p) {
    return {m[0] * p.x + m[4] * p.y + m[8] * p.z + m[12],
            m[1] * p.x + m[5] * p.y + m[9] * p.z + m[13],
            m[2] * p.x + m[6] * p.y + m[10] * p.z + m[14]};
}

void UniformMatrix(GLint location, const Matrix4& m) {
    float f[16];
    for (int i = 0; i < 16; ++i) {
        f[i] = static_cast<float>(m[i]);
    }
    glUniformMatrix4fv(location, 1, GL_FALSE, f);
}

// Two triangles a quad, for as many quads as the frame has.
void IndexQuads(std::size_t quads) {
    if (quads <= drawing.indexedQuads) {
        return;
    }
    std::vector<std::uint32_t> indices;
    indices.reserve(quads * 6);
    for (std::uint32_t q = 0; q < quads; ++q) {
        for (std::uint32_t k : {0u, 1u, 2u, 0u, 2u, 3u}) {
            indices.push_back(q * 4 + k);
        }
    }
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, drawing.indexBuffer);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLsizeiptr>(indices.size() * 4),
                 indices.data(), GL_STATIC_DRAW);
    drawing.indexedQuads = quads;
}

void ApplyState(const DrawState& s) {
    const Uniforms& u = drawing.uniforms;
    glBindTexture(GL_TEXTURE_2D, s.texture);
    s.depthTest ? glEnable(GL_DEPTH_TEST) : glDisable(GL_DEPTH_TEST);
    UniformMatrix(u.modelview, s.modelview);
    glUniform1i(u.lit, s.lit ? 1 : 0);
    glUniform3f(u.lamp, s.lamp[0], s.lamp[1], s.lamp[2]);
    glUniform1i(u.fogged, s.fogged ? 1 : 0);
    glUniform2f(u.fogRange, s.fogStart, s.fogEnd);
    glUniform3f(u.fogColour, s.fogGrey, s.fogGrey, s.fogGrey);
    glUniform1i(u.alphaTest, s.alphaTest ? 1 : 0);
}

}  // namespace

bool InitDrawing(const Matrix4& projection) {
    Drawing& d = drawing;
    d.projection = projection;
    d.state.modelview = kIdentity;
    d.program = glCreateProgram();
    glAttachShader(d.program, Compile(GL_VERTEX_SHADER, kVertexShader));
    glAttachShader(d.program, Compile(GL_FRAGMENT_SHADER, kFragmentShader));
    glLinkProgram(d.program);
    GLint linked = 0;
    glGetProgramiv(d.program, GL_LINK_STATUS, &linked);
    if (linked == 0) {
        return false;
    }
    glUseProgram(d.program);
    d.uniforms = {
        glGetUniformLocation(d.program, "modelview"), glGetUniformLocation(d.program, "projection"),
        glGetUniformLocation(d.program, "lit"),       glGetUniformLocation(d.program, "lamp"),
        glGetUniformLocation(d.program, "image"),     glGetUniformLocation(d.program, "fogged"),
        glGetUniformLocation(d.program, "fogRange"),  glGetUniformLocation(d.program, "fogColour"),
        glGetUniformLocation(d.program, "alphaTest")};
    UniformMatrix(d.uniforms.projection, projection);
    glUniform1i(d.uniforms.image, 0);

    glGenVertexArrays(1, &d.vertexArray);
    glBindVertexArray(d.vertexArray);
    glGenBuffers(1, &d.vertexBuffer);
    glGenBuffers(1, &d.indexBuffer);
    glBindBuffer(GL_ARRAY_BUFFER, d.vertexBuffer);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, d.indexBuffer);
    const auto field = [](std::size_t offset) { return reinterpret_cast<const void*>(offset); };
    glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, sizeof(Vertex),
                          field(offsetof(Vertex, position)));
    glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, sizeof(Vertex),
                          field(offsetof(Vertex, texcoord)));
    glVertexAttribPointer(2, 4, GL_FLOAT, GL_FALSE, sizeof(Vertex),
                          field(offsetof(Vertex, colour)));
    glVertexAttribPointer(3, 3, GL_FLOAT, GL_FALSE, sizeof(Vertex),
                          field(offsetof(Vertex, normal)));
    for (GLuint a = 0; a < 4; ++a) {
        glEnableVertexAttribArray(a);
    }
    glDepthFunc(GL_LEQUAL);
    glClearDepthf(1.0f);
    return true;
}

void PresentFrame() {
    Drawing& d = drawing;
    glClearColor(d.clearThisFrame[0], d.clearThisFrame[1], d.clearThisFrame[2],
                 d.clearThisFrame[3]);
    glDepthMask(GL_TRUE);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (!d.vertices.empty()) {
        glBindBuffer(GL_ARRAY_BUFFER, d.vertexBuffer);
        glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(d.vertices.size() * sizeof(Vertex)),
                     d.vertices.data(), GL_STREAM_DRAW);
        IndexQuads(d.vertices.size() / 4);
        for (const Run& run : d.runs) {
            ApplyState(run.state);
            glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(run.quads * 6), GL_UNSIGNED_INT,
                           reinterpret_cast<const void*>(run.firstQuad * 6 * 4));
        }
    }
    d.vertices.clear();
    d.runs.clear();
    d.state.modelview = kIdentity;
    for (int i = 0; i < 4; ++i) {
        d.clearThisFrame[i] = d.clearGrey[i];
    }
}

void SetGreyAndFog(float grey, float fogStart, float fogEnd) {
    drawing.clearGrey[0] = drawing.clearGrey[1] = drawing.clearGrey[2] = grey;
    drawing.clearGrey[3] = 1.0f;
    drawing.state.fogged = true;
    drawing.state.fogGrey = grey;
    drawing.state.fogStart = fogStart;
    drawing.state.fogEnd = fogEnd;
}

void SetLamp(const Vec3& position) {
    drawing.state.lit = true;
    const Vec3 eye = Transform(drawing.state.modelview, position);
    drawing.state.lamp = {static_cast<float>(eye.x), static_cast<float>(eye.y),
                          static_cast<float>(eye.z)};
}

void SetAlphaTest(bool on) { drawing.state.alphaTest = on; }

void SetDepthTest(bool on) { drawing.state.depthTest = on; }

void BeginFlat() {
    DrawState& s = drawing.state;
    s.modelview = kIdentity;
    s.depthTest = false;
    s.lit = false;
    s.fogged = false;
}

void SetColour(float red, float green, float blue) {
    drawing.colour[0] = red;
    drawing.colour[1] = green;
    drawing.colour[2] = blue;
    drawing.colour[3] = 1.0f;
}

void SetColourBytes(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    SetColour(red / 255.0f, green / 255.0f, blue / 255.0f);
}

void SetNormal(const Vec3& n) { drawing.normal = n; }

void BindTexture(TextureId texture) { drawing.state.texture = texture; }

void DrawQuadCorners(const Vec3 (&corners)[4], const float (&s)[4], const float (&t)[4]) {
    Drawing& d = drawing;
    const std::size_t quad = d.vertices.size() / 4;
    if (d.runs.empty() || !(d.runs.back().state == d.state)) {
        d.runs.push_back({d.state, quad, 0});
    }
    ++d.runs.back().quads;
    const auto f = [](double v) { return static_cast<float>(v); };
    for (int k = 0; k < 4; ++k) {
        d.vertices.push_back({{f(corners[k].x), f(corners[k].y), f(corners[k].z)},
                              {s[k], t[k]},
                              {d.colour[0], d.colour[1], d.colour[2], d.colour[3]},
                              {f(d.normal.x), f(d.normal.y), f(d.normal.z)}});
    }
}

void LookAt(const Vec3& eye, const Vec3& centre, const Vec3& up) {
    drawing.state.modelview = drawing.state.modelview * LookAtMatrix(eye, centre, up);
}

void GetMatrices(Matrix4& projection, Matrix4& modelview) {
    projection = drawing.projection;
    modelview = drawing.state.modelview;
}
