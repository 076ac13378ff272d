#include "display/Normalisation.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "data/DiagnosticLog.h"
#include "support/TempDir.h"
#include "session/CTessalyUnitDoc.h"

using namespace lumaret;
using namespace lumaret::display;

namespace {

class Normalisation : public ::testing::Test {
 protected:
  data::PatternFile& Load(const std::string& key, const char* plane, const char* component) {
    data::PatternFile& f = doc.LookUpOrCreate(key);
    f.key = key;
    f.fileName = key.substr(key.rfind('/') + 1);
    f.nameFields[data::kFieldCut] = plane;
    f.nameFields[data::kFieldComponent] = component;
    f.kind = data::ClassifyCut(f.nameFields);
    f.result.hpeak = {3.0f, -1.5f};
    f.result.vmax = {-6.0f, -2.5f};
    return f;
  }
  data::RecordingMessages messages;
  session::CTessalyUnitDoc doc{messages};
};

}  // namespace

TEST_F(Normalisation, EachCutIsShiftedByItsOwnMaximum) {
  data::PatternFile& msi = Load("/d/a.msi", "msi", "");
  EXPECT_EQ(NormalisationOffset(doc, msi, CutPlane::Horizontal), -1.5f);
  EXPECT_EQ(NormalisationOffset(doc, msi, CutPlane::Vertical), -2.5f);
}

TEST_F(Normalisation, CrossPolarCutFollowsItsCoPolarPartnerOrStaysWhenItIsMissing) {
  data::PatternFile& co = Load("/d/p1_p45_h_co_1.cm", "h", "co");
  data::PatternFile& cr = Load("/d/p1_p45_h_cr_1.cm", "h", "cr");
  co.result.hpeak.fMag = -0.75f;
  cr.result.hpeak.fMag = -20.0f;
  EXPECT_EQ(NormalisationOffset(doc, cr, CutPlane::Horizontal), -0.75f);

  data::CDiagnosticLog& logger = data::CDiagnosticLog::Instance();
  const std::string previousFolder = std::filesystem::path(logger.FilePath()).parent_path().string();
  test::TempDir logDir;
  logger.SetFolder(logDir.path().string());
  data::PatternFile& lonely = Load("/d/p2_m45_e_cr_1.cm", "e", "cr");
  EXPECT_EQ(NormalisationOffset(doc, lonely, CutPlane::Vertical), 0.0f);
  logger.Close();
  std::ifstream log(logger.FilePath());
  std::string line;
  std::getline(log, line);
  logger.SetFolder(previousFolder);
  EXPECT_NE(line.find("LAST ERROR: "), std::string::npos);
  EXPECT_NE(line.find("(p2_m45_e_cr_1.cm)"), std::string::npos);
}
