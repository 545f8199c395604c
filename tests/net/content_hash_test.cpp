#include "net/content_hash.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

class ContentHash : public ::testing::Test {
 protected:
  void SetUp() override {
    root = fs::temp_directory_path() / ("content_hash_test_" + std::to_string(::getpid()));
    fs::remove_all(root);
    Write("maps/1/map.ms3d", "mesh bytes");
    Write("fighters/fdata/animation.cfg", "0 5 0 20\n");
    Write("menu/title.bmp", "BM....");
  }
  void TearDown() override { fs::remove_all(root); }
  void Write(const std::string& name, const std::string& bytes) {
    fs::create_directories((root / name).parent_path());
    std::ofstream(root / name, std::ios::binary) << bytes;
  }
  std::uint64_t Hash() const { return ContentTreeHash(root.string()); }
  fs::path root;
};

TEST_F(ContentHash, SameTreeSameHashAnyChangeAnother) {
  const std::uint64_t original = Hash();
  EXPECT_NE(original, 0u);
  EXPECT_EQ(Hash(), original);

  Write("maps/1/map.ms3d", "mesh bytez");
  EXPECT_NE(Hash(), original);
  Write("maps/1/map.ms3d", "mesh bytes");
  EXPECT_EQ(Hash(), original);

  // A byte moved from the end of one file to the start of the next one in order.
  Write("fighters/fdata/animation.cfg", "0 5 0 20");
  Write("maps/1/map.ms3d", "\nmesh bytes");
  EXPECT_NE(Hash(), original);
  Write("fighters/fdata/animation.cfg", "0 5 0 20\n");
  Write("maps/1/map.ms3d", "mesh bytes");

  fs::rename(root / "menu/title.bmp", root / "menu/title2.bmp");
  EXPECT_NE(Hash(), original);
  fs::rename(root / "menu/title2.bmp", root / "menu/title.bmp");
  Write("extra.txt", "");
  EXPECT_NE(Hash(), original);
}

TEST_F(ContentHash, AMissingFolderHashesToZero) {
  EXPECT_EQ(ContentTreeHash((root / "nowhere").string()), 0u);
}

}  // namespace
