#include "render/shader_lighting.h"

SceneLight SceneLights[3];
Vector3 ViewDirection;

ObjectSpaceLights ComputeObjectSpaceLights(const Matrix4& modelMatrix, const SceneLight lights[3],
                                           const Vector3& viewDirection) {
  Matrix4 inverse = modelMatrix;
  Invert(inverse);
  ObjectSpaceLights result;
  for (int i = 0; i < 3; ++i) {
    result.positions[i] = TransformPoint(inverse, lights[i].position);
    result.directions[i] = TransformDirection(inverse, lights[i].direction);
  }
  result.viewDirection = TransformDirection(inverse, viewDirection);
  return result;
}
