#include "shaders.h"

#include "gl_functions.h"
#include "mesh_data.h"

namespace kf {

namespace {

// Lighting as the fixed-function pipeline did it: per vertex, ambient plus
// one directional light, clamped to 1; the light's direction is the way it
// travels.
const char* meshVertex = R"(#version 330 core
layout(location = 0) in vec3 aPos;
layout(location = 1) in vec3 aNormal;
layout(location = 2) in vec2 aUv;
layout(location = 3) in uvec4 aJoints;
layout(location = 4) in vec4 aWeights;
uniform mat4 uViewProj;
uniform mat4 uWorld;
uniform mat3 uNormalMat;
uniform bool uSkinned;
uniform mat4 uJoints[MAX_JOINTS];
uniform bool uLighting;
uniform vec3 uAmbient;
uniform vec3 uLightDir;
uniform vec3 uLightDiffuse;
out vec2 vUv;
out vec3 vLight;
void main() {
    vec4 p = vec4(aPos, 1.0);
    vec3 n = aNormal;
    if (uSkinned) {
        mat4 skin = aWeights.x * uJoints[aJoints.x] + aWeights.y * uJoints[aJoints.y]
                  + aWeights.z * uJoints[aJoints.z] + aWeights.w * uJoints[aJoints.w];
        p = skin * p;
        n = mat3(skin) * n;
    }
    gl_Position = uViewProj * (uWorld * p);
    vUv = aUv;
    if (uLighting) {
        vec3 wn = normalize(uNormalMat * n);
        vLight = min(uAmbient + uLightDiffuse * max(dot(wn, -uLightDir), 0.0), vec3(1.0));
    } else {
        vLight = vec3(1.0);
    }
}
)";

const char* meshFragment = R"(#version 330 core
in vec2 vUv;
in vec3 vLight;
uniform sampler2D uTex;
uniform vec4 uColour;
uniform float uAlphaCut;
out vec4 fragColour;
void main() {
    vec4 c = texture(uTex, vUv) * uColour;
    if (c.a < uAlphaCut) discard;
    fragColour = vec4(c.rgb * vLight, c.a);
}
)";

const char* quadVertex = R"(#version 330 core
layout(location = 0) in vec3 aPos;
layout(location = 1) in vec2 aUv;
layout(location = 2) in vec4 aColour;
uniform mat4 uViewProj;
out vec2 vUv;
out vec4 vColour;
void main() {
    gl_Position = uViewProj * vec4(aPos, 1.0);
    vUv = aUv;
    vColour = aColour;
}
)";

const char* quadFragment = R"(#version 330 core
in vec2 vUv;
in vec4 vColour;
uniform sampler2D uTex;
out vec4 fragColour;
void main() {
    fragColour = texture(uTex, vUv) * vColour;
}
)";

uint32_t compile(uint32_t type, const std::string& source, std::string* error) {
    GlFunctions* f = gl();
    const uint32_t s = f->glCreateShader(type);
    const char* text = source.c_str();
    f->glShaderSource(s, 1, &text, nullptr);
    f->glCompileShader(s);
    int ok = 0;
    f->glGetShaderiv(s, GL_COMPILE_STATUS, &ok);
    if (!ok) {
        char log[2048] = {};
        f->glGetShaderInfoLog(s, sizeof log, nullptr, log);
        if (error) *error = log;
        f->glDeleteShader(s);
        return 0;
    }
    return s;
}

uint32_t link(const std::string& vs, const std::string& fs, std::string* error) {
    GlFunctions* f = gl();
    const uint32_t v = compile(GL_VERTEX_SHADER, vs, error);
    const uint32_t fr = v ? compile(GL_FRAGMENT_SHADER, fs, error) : 0;
    if (!fr) {
        if (v) f->glDeleteShader(v);
        return 0;
    }
    const uint32_t p = f->glCreateProgram();
    f->glAttachShader(p, v);
    f->glAttachShader(p, fr);
    f->glLinkProgram(p);
    f->glDeleteShader(v);
    f->glDeleteShader(fr);
    int ok = 0;
    f->glGetProgramiv(p, GL_LINK_STATUS, &ok);
    if (!ok) {
        char log[2048] = {};
        f->glGetProgramInfoLog(p, sizeof log, nullptr, log);
        if (error) *error = log;
        f->glDeleteProgram(p);
        return 0;
    }
    return p;
}

}  // namespace

bool buildMeshProgram(MeshProgram* p, std::string* error) {
    std::string vs = meshVertex;
    vs.replace(vs.find("MAX_JOINTS"), 10, std::to_string(maxJoints));
    p->id = link(vs, meshFragment, error);
    if (!p->id) return false;
    GlFunctions* f = gl();
    auto loc = [&](const char* name) { return f->glGetUniformLocation(p->id, name); };
    p->viewProj = loc("uViewProj");
    p->world = loc("uWorld");
    p->normalMat = loc("uNormalMat");
    p->skinned = loc("uSkinned");
    p->joints = loc("uJoints");
    p->colour = loc("uColour");
    p->lighting = loc("uLighting");
    p->ambient = loc("uAmbient");
    p->lightDir = loc("uLightDir");
    p->lightDiffuse = loc("uLightDiffuse");
    p->alphaCut = loc("uAlphaCut");
    p->tex = loc("uTex");
    return true;
}

bool buildQuadProgram(QuadProgram* p, std::string* error) {
    p->id = link(quadVertex, quadFragment, error);
    if (!p->id) return false;
    p->viewProj = gl()->glGetUniformLocation(p->id, "uViewProj");
    p->tex = gl()->glGetUniformLocation(p->id, "uTex");
    return true;
}

}  // namespace kf
