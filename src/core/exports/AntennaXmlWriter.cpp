#include "exports/AntennaXmlWriter.h"

#include <tinyxml2.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "data/DataLine.h"
#include "exports/NameCodes.h"
#include "exports/OutputFile.h"
#include "exports/PlnWriter.h"

namespace lumaret::exports {

namespace {

using tinyxml2::XMLElement;

// Appends a child element; an empty text leaves the element empty.
XMLElement* AddChild(XMLElement* parent, const char* name, const std::string& text = "") {
  XMLElement* child = parent->InsertNewChildElement(name);
  if (!text.empty()) child->SetText(text.c_str());
  return child;
}

void AddMaskList(XMLElement* beam, const char* name, const data::PointSequence& points) {
  XMLElement* list = AddChild(beam, name);
  for (const data::PatternPoint& p : points)
    AddChild(list, "M", Format("%0.2f,%0.2f", static_cast<double>(p.fDeg), static_cast<double>(p.fMag)));
}

void AddBeamPattern(XMLElement* beamList, const PlnRecord& r) {
  XMLElement* beam = AddChild(beamList, "BEAM-PATTERN");
  beam->SetAttribute("UNIQUE-ID", (r.make + r.fileName).c_str());
  beam->SetAttribute("UNIQUE-ID-MODE", "AUTOMATIC");
  beam->SetAttribute("ID", r.fileName.c_str());
  const std::size_t blank = r.gain.find(' ');
  AddChild(beam, "DESCRIPTION", r.fileName);
  AddChild(beam, "ELEC-TILT", r.fileName.size() > 13 ? r.fileName.substr(13, 2) : "");
  AddChild(beam, "El-ARR-INDEX", "0");
  AddChild(beam, "CFG-ID");
  AddChild(beam, "ELEC-BEAM-ADJ", "1");
  AddChild(beam, "HORIZONTAL-BW", r.hWidth);
  AddChild(beam, "VERTICAL-BW", r.vWidth);
  AddChild(beam, "SWB-ROTATION-ANGLE", "0.000000");
  AddChild(beam, "SWB-BROADCAST", "NO");
  AddChild(beam, "GAIN", Format("%0.2f", data::LeadingNumber(r.gain.substr(0, blank))));
  AddChild(beam, "GAIN-TYPE", blank == std::string::npos ? "" : r.gain.substr(blank));
  AddChild(beam, "FREQUENCY", r.frequency);
  AddChild(beam, "TILE-TYPE", r.tilt);
  AddChild(beam, "FRONT-TO-BACK", r.frontToBack);
  AddChild(beam, "CROSS-POLOR-DISC", "0.000000");
  AddChild(beam, "POLARISATION", "CROSSPOLAR");
  AddMaskList(beam, "H-MASK-LIST", r.horizontal);
  AddMaskList(beam, "V-MASK-LIST", r.vertical);
}

void BuildDocument(tinyxml2::XMLDocument& xml, const std::vector<PlnRecord>& records) {
  xml.InsertEndChild(xml.NewDeclaration("xml version=\"1.0\""));
  XMLElement* list = xml.NewElement("ANTENNA-LIST");
  xml.InsertEndChild(list);
  list->SetAttribute("ENTERPRISE-XML-VERSION", 3);
  XMLElement* antenna = AddChild(list, "ANTENNA");
  antenna->SetAttribute("ID", records.front().fileName.substr(0, 13).c_str());
  AddChild(antenna, "SWITCH-BEAM", "NO");
  AddChild(antenna, "NUM-PATTERNS-RO", Format("%d", static_cast<int>(records.size())));
  AddChild(antenna, "MANUFACTURER", records.front().make);
  AddChild(antenna, "FOLDER-PATH", "All Projects\\");
  for (const char* empty : {"DESCRIPTION", "PHOTO-FILE", "FILE"}) AddChild(antenna, empty);
  AddChild(antenna, "COST", "0.000000");
  AddChild(antenna, "WEIGHT", "0.000000");
  for (const char* empty : {"ICON", "SUPPLIER"}) AddChild(antenna, empty);
  XMLElement* beams = AddChild(antenna, "BEAM-PATTERN-LIST");
  for (const PlnRecord& r : records) AddBeamPattern(beams, r);
}

// The XML name is cut to 24 characters; write only when it still names the combination.
bool PathNamesCombination(const std::string& xmlPath, const std::string& polarization, const std::string& frequency,
                          const std::string& portText) {
  const std::string name = xmlPath.substr(xmlPath.rfind('/') + 1);
  return ContainsNoCase(name, polarization) && ContainsNoCase(name, frequency) && ContainsNoCase(name, portText);
}

void CollectAndWrite(const analysis::AnalysisDocument& doc, ExportContext& context, const std::string& polarization,
                     const std::string& frequency, const std::string& portText) {
  std::vector<PlnRecord> records;
  Collect(context.plnFolder, polarization, frequency, portText, context, doc.Messages(), records);
  if (records.empty()) return;
  if (PathNamesCombination(context.xmlPath, polarization, frequency, portText)) {
    WriteXml(context.xmlPath, records, doc.Messages(), context.outcome);
    return;
  }
  // The name keeps only the first characters of the PLN name; when they no longer tell
  // the combination apart the document is not written, and the user is told so.
  doc.Messages().Show("XML file not written: " + context.xmlPath + " (its name does not carry " + polarization +
                      ", " + frequency + " and port " + portText + ")");
  context.outcome.failed.push_back(context.xmlPath);
}

}  // namespace

bool WriteXml(const std::string& xmlPath, const std::vector<PlnRecord>& records, data::UserMessages& messages,
              WriteOutcome& outcome) {
  if (records.empty()) return false;
  std::FILE* file = std::fopen(xmlPath.c_str(), "wb");
  const int openError = errno;
  bool saved = false;
  if (file) {
    tinyxml2::XMLDocument xml;
    BuildDocument(xml, records);
    saved = xml.SaveFile(file) == tinyxml2::XML_SUCCESS;
    saved = std::fclose(file) == 0 && saved;
    if (!saved) std::remove(xmlPath.c_str());
  }
  if (!saved) {
    messages.Show("Failed to create XML file: " + xmlPath + " (" + std::strerror(file ? EIO : openError) + ")");
    outcome.failed.push_back(xmlPath);
    return false;
  }
  outcome.written.push_back(xmlPath);
  return true;
}

void ExportXmlFiles(const analysis::AnalysisDocument& doc, ExportContext& context) {
  if (!context.plnChosen) ExportPlnFiles(doc, context);
  const bool multiPort = context.info.antennaType == "Multi-port";
  for (const char* polarization : {"M45", "P45"}) {
    if (multiPort) {
      for (const auto& [extension, portName] : context.info.portTable)
        for (const std::string& frequency : context.exportedFrequencies)
          CollectAndWrite(doc, context, polarization, frequency, portName);
    } else {
      for (const std::string& frequency : context.exportedFrequencies)
        CollectAndWrite(doc, context, polarization, frequency, "_");
    }
  }
}

}  // namespace lumaret::exports
