#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

#include "app/input_state.h"

namespace {

TEST(KeyLatchTest, ClearsOnlyTheLatchesOfReleasedKeys) {
  std::fill(std::begin(KeyState), std::end(KeyState), 0);
  std::fill(std::begin(KeyLatch), std::end(KeyLatch), 1);
  KeyState['Z'] = 1;
  KeyState[VirtualKey::Space] = 1;
  ClearReleasedKeyLatches();
  for (int key = 0; key < 256; ++key) {
    const bool held = key == 'Z' || key == VirtualKey::Space;
    EXPECT_EQ(KeyLatch[key], held ? 1 : 0) << "key " << key;
  }
  KeyState['Z'] = 0;
  ClearReleasedKeyLatches();
  EXPECT_EQ(KeyLatch['Z'], 0);
  EXPECT_EQ(KeyLatch[VirtualKey::Space], 1);
}

}  // namespace
