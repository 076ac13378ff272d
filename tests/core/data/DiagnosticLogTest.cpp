#include "data/DiagnosticLog.h"

#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
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
  // "[YYYY-MM-DD hh:mm:ss ] " then the message with its own line end.
  auto stamped = [](const std::string& l) {
    const std::string shape = "[dddd-dd-dd dd:dd:dd ] ";
    if (l.size() < shape.size() || l.back() != '\r') return false;
    for (std::size_t i = 0; i < shape.size(); ++i)
      if (shape[i] == 'd' ? !std::isdigit(static_cast<unsigned char>(l[i])) : l[i] != shape[i]) return false;
    return l.compare(shape.size(), 7, "thread ") == 0;
  };
  while (std::getline(in, line)) {
    if (line.find("thread") == std::string::npos) {
      EXPECT_EQ(line.size(), std::string("[2026-01-01 00:00:00 ] ").size() + 4095);
      continue;
    }
    EXPECT_TRUE(stamped(line)) << line;
    ++count;
  }
  EXPECT_EQ(count, 200);
  log.SetFolder(".");
}
