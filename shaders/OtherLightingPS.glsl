#version 110
// Per-pixel lighting of the arena and the fighters by the three nearest lamps. Everything arrives
// in the space of the object being drawn, so the surface needs no matrix here.

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
uniform sampler2D decal;

varying vec3 objectPosition;
varying vec3 objectNormal;

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
    // Schlick's rational stand-in for pow(d, shininess): the same highlight for a division, where
    // pow costs an exponential and a logarithm per lamp and pixel on software renderers.
    vec3 halfway = normalize(l + toViewer);
    float d = max(dot(n, halfway), 0.0);
    float s = max(shininess, 1.0);
    specular += colour.rgb * (d / (s - s * d + d)) * reach;
  }
  // A slightly wrapped diffuse term keeps the unlit side of a face from going flat black.
  return colour.rgb * (max(facing + 0.2, 0.0) / 1.2 * reach);
}

void main() {
  vec3 n = objectNormal * inversesqrt(max(dot(objectNormal, objectNormal), 0.00000001));
  bool shiny = dot(matSpecular.rgb, matSpecular.rgb) > 0.0;
  vec3 toViewer = cameraPos.w > 0.0 ? normalize(cameraPos.xyz - objectPosition) : -cameraOri;
  vec3 specular = vec3(0.0);
  vec3 diffuse = lamp(lightPos, lightOri, lightColor, lightFocus, objectPosition, n, toViewer, shiny, specular);
  diffuse += lamp(light2Pos, light2Ori, light2Color, light2Focus, objectPosition, n, toViewer, shiny, specular);
  diffuse += lamp(light3Pos, light3Ori, light3Color, light3Focus, objectPosition, n, toViewer, shiny, specular);
  vec3 light = emissive.rgb + ambientColor.rgb * matAmbient.rgb + diffuse * matDiffuse.rgb;

  vec4 texel = texture2D(decal, gl_TexCoord[0].st);
  vec3 colour = texel.rgb * light + specular * matSpecular.rgb;
  float fog = clamp(exp(-gl_Fog.density * gl_FogFragCoord), 0.0, 1.0);
  gl_FragColor = vec4(mix(gl_Fog.color.rgb, colour, fog), texel.a * matDiffuse.a);
}
