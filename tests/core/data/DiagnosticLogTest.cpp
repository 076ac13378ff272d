#include "data/DiagnosticLog.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include "support/TempDir.h"

using lumaret::data::CDiagnosticLog;

TEST(DiagnosticLog, LinesCarryTheTimeStampFormatAndSurviveManyThreads) {
  lumaret::test::TempDir dir;
  CDiagnosticLog& log = CDiagnosticLog::Instance();
  log.SetFolder(dir.path().string());
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t)
    threads.emplace_back([&log, t] {
      for (int i = 0; i < 50; ++i) log.Write("thread %d line %d\r\n", t, i);
    });
  for (auto& th : threads) th.join();
  log.Write("%s", std::string(5000, 'x').c_str());  // cut to the 4096-byte buffer
  log.Close();

  std::ifstream in(dir.path() / "Log.txt", std::ios::binary);
  std::string line;
  int count = 0;
  const std::regex stamp(R"(^\[\d{4}-\d{2}-\d{2} \d{2}:\d{2}:\d{2} \] thread \d line \d+\r$)");
  while (std::getline(in, line)) {
    if (line.find("thread") == std::string::npos) {
      EXPECT_EQ(line.size(), std::string("[2026-01-01 00:00:00 ] ").size() + 4095);
      continue;
    }
    EXPECT_TRUE(std::regex_match(line, stamp)) << line;
    ++count;
  }
  EXPECT_EQ(count, 200);
  log.SetFolder(".");
}
