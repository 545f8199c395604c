#version 110
// Lighting of the arena and the fighters by the three nearest lamps, worked out at the corners
// of each triangle: the arena's large surfaces are cut into a fine grid, so pools of light still
// form under each lamp, and the pixels only blend a texel with the light handed down here.
// Everything arrives in the space of the object being drawn, so the surface needs no matrix.

uniform vec4 lightPos;
uniform vec4 light2Pos;
uniform vec4 light3Pos;
uniform vec3 lightOri;  // unit directions: the scene's lights only turn, and so do our objects
uniform vec3 light2Ori;
uniform vec3 light3Ori;
uniform vec4 lightColor;
uniform vec4 light2Color;
uniform vec4 light3Color;
uniform int lightFocus;
uniform int light2Focus;
uniform int light3Focus;
uniform vec4 ambientColor;
uniform vec4 matAmbient;
uniform vec4 matDiffuse;
uniform vec4 matSpecular;
uniform vec4 emissive;
uniform float shininess;
uniform vec3 cameraOri;
uniform vec4 cameraPos;  // w > 0: a viewer at a point; otherwise a viewer along cameraOri

// The fragment is texel × scale + offset: the fog is folded into both, so each pixel costs a
// texture read and one multiply-add. Only what varies is handed down (ten values a pixel).
varying vec2 decalCoord;
varying vec4 scale;
varying vec3 offset;

// One lamp: a cone around its direction that narrows as the focus grows, fading with distance,
// plus a little light spilt around the lamp so that walls outside its cone do not go black.
// Returns the diffuse light; adds the highlight to `specular` for shiny materials.
vec3 lamp(vec4 position, vec3 direction, vec4 colour, int focus, vec3 p, vec3 n, vec3 toViewer, bool shiny,
          inout vec3 specular) {
  vec3 toLight = position.xyz - p;
  float distanceSquared = max(dot(toLight, toLight), 0.00000001);
  vec3 l = toLight * inversesqrt(distanceSquared);
  float along = max(-dot(l, direction), 0.0);
  float cone = focus > 0 ? pow(along, float(focus)) : 1.0;
  float reach = (0.1 + 0.9 * cone) / (1.0 + 0.02 * distanceSquared);
  float facing = dot(n, l);
  if (shiny && facing > 0.0) {
    vec3 halfway = normalize(l + toViewer);
    float d = max(dot(n, halfway), 0.0);
    specular += colour.rgb * pow(d, shininess) * reach;
  }
  // A slightly wrapped diffuse term keeps the unlit side of a face from going flat black.
  return colour.rgb * (max(facing + 0.2, 0.0) / 1.2 * reach);
}

void main() {
  vec3 p = gl_Vertex.xyz;
  vec3 n = gl_Normal * inversesqrt(max(dot(gl_Normal, gl_Normal), 0.00000001));
  // A highlight needs a specular colour and a shininess that narrows it into a spot.
  bool shiny = shininess > 1.0 && dot(matSpecular.rgb, matSpecular.rgb) > 0.0;
  vec3 toViewer = cameraPos.w > 0.0 ? normalize(cameraPos.xyz - p) : -cameraOri;
  vec3 specular = vec3(0.0);
  vec3 diffuse = lamp(lightPos, lightOri, lightColor, lightFocus, p, n, toViewer, shiny, specular);
  diffuse += lamp(light2Pos, light2Ori, light2Color, light2Focus, p, n, toViewer, shiny, specular);
  diffuse += lamp(light3Pos, light3Ori, light3Color, light3Focus, p, n, toViewer, shiny, specular);
  vec3 light = emissive.rgb + ambientColor.rgb * matAmbient.rgb + diffuse * matDiffuse.rgb;

  gl_FogFragCoord = abs((gl_ModelViewMatrix * gl_Vertex).z);
  float fog = clamp(exp(-gl_Fog.density * gl_FogFragCoord), 0.0, 1.0);
  scale = vec4(light * fog, matDiffuse.a);
  offset = specular * matSpecular.rgb * fog + gl_Fog.color.rgb * (1.0 - fog);

  decalCoord = gl_MultiTexCoord0.st;
  gl_Position = ftransform();
}
