#version 110
// The texel under the light the vertex shader worked out, fog included.

uniform sampler2D decal;

varying vec2 decalCoord;
varying vec4 scale;
varying vec3 offset;

void main() {
  gl_FragColor = texture2D(decal, decalCoord) * scale + vec4(offset, 0.0);
}
