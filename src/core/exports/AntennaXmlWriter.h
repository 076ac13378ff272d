#pragma once

#include <string>
#include <vector>

#include "analysis/AnalysisDocument.h"
#include "data/PatternFile.h"
#include "exports/ExportContext.h"

namespace lumaret::exports {

// What the XML export keeps of one PLN file. A header value is the text after the line's
// first blank or tab ("NULL" when the line has neither, or is missing).
struct PlnRecord {
  std::string fileName;     // FILENAME
  std::string make;         // MAKE, with its leading blank
  std::string frequency;    // FREQUENCY, with its trailing blank
  std::string hWidth;       // H_WIDTH
  std::string vWidth;       // V_WIDTH
  std::string frontToBack;  // FRONT_TO_BACK
  std::string gain;         // GAIN: value, blank, unit
  std::string tilt;         // TILT: "ELECTRICAL", "MACHANICAL" or "NULL"
  data::PointSequence horizontal;
  data::PointSequence vertical;
};

// Parses the text of a PLN file (line feeds; a carriage return before one is dropped).
PlnRecord ParsePlnText(const std::string& text);

// The XML export: runs the PLN writer first when PLN files were not chosen, then writes
// one XML document per polarization ("M45", "P45"), exported frequency and, for a
// "Multi-port" antenna, port of the port table.
void ExportXmlFiles(const analysis::AnalysisDocument& doc, ExportContext& context);

// Fills `records` with the PLN files of the folder (visited in ascending byte order of
// their names) whose name parts carry the polarization, the frequency's code and, unless
// portText is "_", the port name at the end of the base name (all without regard to
// case). Sets the context's XML path from the last file that matched. A file that cannot
// be read shows "File does not exist" and ends the collection.
void Collect(const std::string& plnFolder, const std::string& polarization, const std::string& frequency,
             const std::string& portText, ExportContext& context, data::UserMessages& messages,
             std::vector<PlnRecord>& records);

// The folder the XML documents go to: the PLN folder with its final "PLN" turned into "XML".
std::string XmlFolderOf(const std::string& plnFolder);
// The XML path for a PLN file: XML folder + the first 24 characters of "/" + file name +
// ".xml". For a port of a multi-port antenna (portText other than "_") whose name the cut
// removed, "_" + the port name is added before ".xml".
std::string XmlPathFor(const std::string& xmlFolder, const std::string& plnFileName, const std::string& portText = "_");

// Writes one antenna document from the records to the path. A file that cannot be
// created shows "Failed to create XML file: <path> (<reason>)" and returns false.
bool WriteXml(const std::string& xmlPath, const std::vector<PlnRecord>& records, data::UserMessages& messages,
              WriteOutcome& outcome);

}  // namespace lumaret::exports
