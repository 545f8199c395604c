#version 110
// The texel under the light the vertex shader worked out, fog included.

uniform sampler2D decal;

varying vec4 scale;
varying vec4 offset;

void main() {
  gl_FragColor = texture2D(decal, gl_TexCoord[0].st) * scale + offset;
}
