// The four GLSL programs' sources. Scene: position at attribute 0, colour at attribute 1,
// "MVP", and the colour override "reColor"/"newColor" (a share of newColor over the own colours).
// Logos: 2D position and texture coordinate, "MVP", and the sampler "myTextureSampler".
#include <fstream>

#include "assets.h"

namespace assets {

namespace {

const char* const kSceneVertex = R"(#version 330 core

// Scene meshes: one flat colour per vertex, placed by the frame's camera and the mesh's model matrix.
layout(location = 0) in vec3 vertexPosition_modelspace;
layout(location = 1) in vec3 vertexColor;

uniform mat4 MVP;

out vec3 fragmentColor;

void main()
{
    gl_Position = MVP * vec4(vertexPosition_modelspace, 1.0);
    fragmentColor = vertexColor;
}
)";

const char* const kSceneFragment = R"(#version 330 core

// reColor = 0: the mesh's own colours; reColor = 1: every fragment in newColor (lines, text); in
// between, the own colours tinted toward newColor by that share (a refused placement, a site).
in vec3 fragmentColor;

uniform float reColor;
uniform vec3 newColor;

out vec4 color;

void main()
{
    color = vec4(mix(fragmentColor, newColor, reColor), 1.0);
}
)";

const char* const kLogoVertex = R"(#version 330 core

// Logo squares: positions already in normalised device coordinates before MVP.
layout(location = 0) in vec2 vertexPosition;
layout(location = 1) in vec2 vertexUV;

uniform mat4 MVP;

out vec2 UV;

void main()
{
    gl_Position = MVP * vec4(vertexPosition, 0.0, 1.0);
    UV = vertexUV;
}
)";

const char* const kLogoFragment = R"(#version 330 core

in vec2 UV;

uniform sampler2D myTextureSampler;

out vec4 color;

void main()
{
    color = vec4(texture(myTextureSampler, UV).rgb, 1.0);
}
)";

bool write_text(const std::string& path, const char* text) {
    std::ofstream f(path, std::ios::binary);
    f << text;
    return static_cast<bool>(f);
}

}  // namespace

bool write_shaders(const std::string& out_dir) {
    return write_text(out_dir + "/SimpleVertexShader.vertexshader.txt", kSceneVertex) &&
           write_text(out_dir + "/SingleColor.fragmentshader.txt", kSceneFragment) &&
           write_text(out_dir + "/LogoVertexShader.txt", kLogoVertex) &&
           write_text(out_dir + "/LogoFragmentShader.txt", kLogoFragment);
}

}  // namespace assets
