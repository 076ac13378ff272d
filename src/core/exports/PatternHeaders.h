#pragma once

#include <functional>
#include <string>

#include "analysis/AnalysisDocument.h"
#include "exports/ExportContext.h"

namespace lumaret::exports {

// Pieces shared by the MSI, TMVMSI, PLN and TXT writers.

// Which header dialect a line is written in.
enum class HeaderDialect {
  Msi,     // blanks between keyword and value
  TmvMsi,  // blanks; gain written as stored
  Pln,     // tabs (PLN and TXT)
};

// "GAIN <value><gap><unit>\r\n": value "%0.2f" of the gain, minus 2.15 when the unit
// contains "dBd" (except in the TMVMSI dialect, which writes the stored dBi value);
// gap is two blanks (MSI, TMVMSI) or a tab before and one blank after the value (PLN).
std::string GainLine(float gain, const std::string& unit, HeaderDialect dialect);
// "TILT", "TILT ELECTRICAL" or "TILT MACHANICAL" by the method (tab instead of blank
// except in the TMVMSI dialect); any other method gives no line.
std::string TiltLine(const std::string& tiltMethod, HeaderDialect dialect);
// "COMMENT DATE dd.mm.yyyy <description> system Lever position <tilt> deg\r\n".
std::string CommentLine(const CalendarDate& date, const std::string& description, const std::string& tiltText);

// The name fields the writers read.
inline constexpr int kFieldModel = 2;
inline constexpr int kFieldPortExtension = 6;
inline constexpr int kFieldTilt = 10;
inline constexpr int kFieldFrequency = 12;

// The name texts the writers use, made so in the records before the writers run (later
// steps see the changed texts). Before the MSI, PLN and TXT writers: the port extension
// and the polarization of every horizontal record of a cut pair lower-cased.
void ApplyPatternNameTexts(analysis::AnalysisDocument& doc);
// Before the TMVMSI writer: the port extension lower-cased, the model and the frequency
// upper-cased.
void ApplyTmvMsiNameTexts(analysis::AnalysisDocument& doc);

// The horizontal and vertical data sections with their block headers.
std::string DataSections(const data::PatternFile& horizontal, const data::PatternFile& vertical);

// Visits, in key order, every record whose file name marks a horizontal co-polar cut
// ("_h_co", without regard to case) and whose cut partner is loaded; the partner is the
// vertical cut written beside it.
void ForEachCutPair(const analysis::AnalysisDocument& doc,
                    const std::function<void(const data::PatternFile& horizontal, const data::PatternFile& vertical)>& visit);

// Assembles (with `build`) and writes one pattern file of the pair into `folder`. A pair
// with a cut without points is reported and not written: its file would have no data.
void WritePatternFile(const std::string& folder, const std::string& fileName, const data::PatternFile& horizontal,
                      const data::PatternFile& vertical, const std::function<std::string()>& build,
                      data::UserMessages& messages, ExportContext& context);

}  // namespace lumaret::exports
