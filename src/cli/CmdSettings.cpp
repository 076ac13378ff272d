#include <iostream>
#include <string>
#include <vector>

#include "analysis/AnalysisSettings.h"
#include "cli/CliCommon.h"
#include "session/ApplySetup.h"

namespace lumaret::cli {

namespace {

using analysis::HSetupTexts;
using analysis::VSetupTexts;

constexpr const char* kTrue = "TRUE";
constexpr const char* kFalse = "FALSE";

int Refuse(const std::string& text) {
  std::cerr << "lumaret-cli settings: " << text << '\n';
  return kExitFileError;
}

int WriteFailed(const data::CSettingsStore& store) { return Refuse("cannot write " + store.Path()); }

// A value that no control of the dialog could hold: a radio button or check box other
// than TRUE/FALSE, an SPR ratio that is not one of the four entries of its list.
std::string ControlFault(const std::string& key, const std::string& value) {
  if (analysis::IsSwitchKey(key) && value != kTrue && value != kFalse) return key + " takes TRUE or FALSE";
  if (key == "IDC_IDC_COMB_SPR_XDB" && value != "0" && value != "1" && value != "2" && value != "3")
    return key + " takes 0 (u/s), 1 (s/u), 2 (s/t) or 3 (u/t)";
  return "";
}

// Puts the value into the dialog's texts as the user's click or typing would: choosing one
// radio button of a pair turns the other one off. Throws for a key the dialog lacks.
template <typename Texts>
void PutValue(Texts& texts, const std::string& section, const std::string& key, const std::string& value) {
  std::string* field = analysis::FindSetupText(texts, key);
  if (!field) throw UsageError{key + " is not a key of " + section};
  *field = value;
  const std::string partner = analysis::RadioPartnerKey(key);
  if (!partner.empty()) *analysis::FindSetupText(texts, partner) = value == kTrue ? kFalse : kTrue;
}

// Runs the dialog's OK with the new value: the whole dialog is validated and written only
// when all of its fields are accepted.
int Outcome(const data::CSettingsStore& store, const session::SetupOutcome& outcome) {
  if (outcome.status == session::SetupStatus::Refused) {
    StderrMessages().Show(outcome.message, outcome.caption);
    return kExitFileError;
  }
  return outcome.status == session::SetupStatus::Applied ? kExitOk : WriteFailed(store);
}

template <typename Texts>
int SetDialogValue(session::CTessalyUnitDoc& doc, Texts texts, const std::string& section, const std::string& key,
                   const std::string& value, session::SetupOutcome (*apply)(analysis::AnalysisDocument&, const Texts&)) {
  PutValue(texts, section, key, value);
  if (const std::string fault = ControlFault(key, value); !fault.empty()) return Refuse(fault);
  return Outcome(doc.settings, apply(doc, texts));
}

// The radiation setup writes its radio pair.
int SetRadiationValue(session::CTessalyUnitDoc& doc, const std::string& key, const std::string& value) {
  VSetupTexts texts = analysis::ReadVSetupTexts(doc.settings);
  PutValue(texts, analysis::kVSetupSection, key, value);
  if (const std::string fault = ControlFault(key, value); !fault.empty()) return Refuse(fault);
  return Outcome(doc.settings, session::ApplyRadiationSetup(doc, analysis::RParaFromTexts(texts)));
}

int SetValue(session::CTessalyUnitDoc& doc, const std::string& section, const std::string& key,
             const std::string& value) {
  data::CSettingsStore& store = doc.settings;
  if (section == analysis::kHSetupSection)
    return SetDialogValue(doc, analysis::ReadHSetupTexts(store), section, key, value, &session::ApplyHSetup);
  if (section == analysis::kVSetupSection) {
    if (analysis::IsRadiationSetupKey(key)) return SetRadiationValue(doc, key, value);
    return SetDialogValue(doc, analysis::ReadVSetupTexts(store), section, key, value, &session::ApplyVSetup);
  }
  return store.Write(value, key, section) ? kExitOk : WriteFailed(store);
}

// Sections and keys are element names of the store: a name that XML cannot hold would
// leave a file that no later run could read.
bool IsElementName(const std::string& name) {
  auto isLetter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; };
  auto isNameChar = [&](char c) { return isLetter(c) || (c >= '0' && c <= '9') || c == '-' || c == '.'; };
  if (name.empty() || !isLetter(name[0])) return false;
  for (char c : name)
    if (!isNameChar(c)) return false;
  return true;
}

int RunSettings(const std::vector<std::string>& args) {
  const ArgParser parser(args, {}, {});
  const std::vector<std::string>& words = parser.Positionals();
  const bool isGet = !words.empty() && words[0] == "get" && words.size() == 3;
  const bool isSet = !words.empty() && words[0] == "set" && words.size() == 4;
  if (!isGet && !isSet) throw UsageError{"expected get SECTION KEY or set SECTION KEY VALUE"};
  if (!IsElementName(words[1]) || !IsElementName(words[2]))
    throw UsageError{"SECTION and KEY are names made of letters, digits, '_', '-' and '.'"};

  StderrMessages messages;
  session::CTessalyUnitDoc doc(messages);
  InitialiseForCli(doc, parser.Common());
  if (isSet) {
    // Only the sections and keys of the shipped store exist; a value with a control
    // character would make a file that strict XML readers refuse.
    const data::CSettingsStore shipped(doc.programFolder + "Config File/" + data::kSettingsFileName);
    if (!shipped.Has(words[2], words[1]))
      throw UsageError{words[1] + " " + words[2] + " is not a setting of " + data::kSettingsFileName};
    for (char c : words[3])
      if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
        throw UsageError{"the value of " + words[2] + " holds a control character"};
  }
  if (isGet) {
    return WriteStandardOutput(doc.settings.Read(words[2], words[1]) + '\n');
  }
  return SetValue(doc, words[1], words[2], words[3]);
}

const CommandRegistrar reg{{"settings", "settings get SECTION KEY | settings set SECTION KEY VALUE", RunSettings}};

}  // namespace

}  // namespace lumaret::cli
