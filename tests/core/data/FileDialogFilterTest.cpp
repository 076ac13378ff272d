#include "data/FileDialogFilter.h"

#include <gtest/gtest.h>

namespace lumaret::data {
namespace {

TEST(FileDialogFilterTest, PipeFiltersBecomeDoubleSemicolonFilters) {
  const struct {
    const char* pipe;
    const char* expected;
  } cases[] = {
      // The configuration dialogs' filter, whose second description is never closed.
      {"Config File (*.ini)|*.ini|All Files (*.*|*.*||", "Config File (*.ini);;All Files (*)"},
      {"Pattern Files|*.msi;*.pln||", "Pattern Files (*.msi *.pln)"},
      {"Text (*.txt)|*.txt", "Text (*.txt)"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(FileDialogFilter(c.pipe), c.expected) << c.pipe;
}

}  // namespace
}  // namespace lumaret::data
