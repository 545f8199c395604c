#version 120
// Hands the fragment shader the surface in object space; the lights come in the same space.

varying vec3 objectPosition;
varying vec3 objectNormal;

void main() {
  objectPosition = gl_Vertex.xyz;
  objectNormal = gl_Normal;
  gl_TexCoord[0] = gl_MultiTexCoord0;
  gl_FogFragCoord = abs((gl_ModelViewMatrix * gl_Vertex).z);
  gl_Position = ftransform();
}
