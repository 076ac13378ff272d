#include "data/SettingsStore.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/FileText.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;
using lumaret::data::CSettingsStore;

TEST(SettingsStore, WriteThenReadRoundTripsAndCreatesMissingElements) {
  lumaret::test::TempDir dir;
  CSettingsStore store((dir.path() / "Config.xml").string());
  EXPECT_EQ(store.Read("IDC_EDIT_HBWXdB", "IDD_DIALOG_H_SETUP"), "");  // no file yet
  ASSERT_TRUE(store.Write("12.5", "IDC_EDIT_HBWXdB", "IDD_DIALOG_H_SETUP"));
  ASSERT_TRUE(store.Write("中文 & <tags>", "IDC_EDIT_OPEN_CONFIG", "IDD_DIALOG_OPEN_CONFIG"));
  EXPECT_EQ(store.Read("IDC_EDIT_HBWXdB", "IDD_DIALOG_H_SETUP"), "12.5");
  EXPECT_EQ(store.Read("IDC_EDIT_OPEN_CONFIG", "IDD_DIALOG_OPEN_CONFIG"), "中文 & <tags>");
  EXPECT_EQ(store.Read("IDC_MISSING", "IDD_DIALOG_H_SETUP"), "");
  EXPECT_EQ(store.Read("IDC_EDIT_HBWXdB", "IDD_MISSING"), "");
  // Values are kept as plain text, readable by a person.
  EXPECT_NE(lumaret::test::FileText((dir.path() / "Config.xml").string()).find("value=\"12.5\""), std::string::npos);
  EXPECT_FALSE(fs::exists(dir.path() / "Config.xml.tmp"));
}

TEST(SettingsStore, BrokenFileIsMovedAsideNeverOverwritten) {
  lumaret::test::TempDir dir;
  const fs::path path = dir.path() / "Config.xml";
  std::ofstream(path) << "<ConfigApp><IDD_X><IDC_Y value=\"1\"></ConfigApp";  // not well-formed
  CSettingsStore store(path.string());
  EXPECT_EQ(store.Read("IDC_Y", "IDD_X"), "");
  ASSERT_TRUE(store.Write("2", "IDC_Y", "IDD_X"));
  EXPECT_EQ(store.Read("IDC_Y", "IDD_X"), "2");
  int aside = 0;
  for (const auto& e : fs::directory_iterator(dir.path()))
    if (e.path().filename().string().rfind("Config.xml.bad-", 0) == 0) {
      ++aside;
      EXPECT_NE(lumaret::test::FileText(e.path().string()).find("IDC_Y value=\"1\""), std::string::npos);
    }
  EXPECT_EQ(aside, 1);
}
