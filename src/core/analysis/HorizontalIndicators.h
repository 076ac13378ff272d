#pragma once

#include <optional>
#include <utility>

#include "analysis/AnalysisSettings.h"
#include "analysis/CPerformance.h"
#include "analysis/AnalysisDocument.h"
#include "data/PatternFile.h"

namespace lumaret::analysis {

// The indicators of a horizontal co-polar cut. Each operation reads the file's points and
// name fields and writes into the file's own result; an empty cut leaves everything alone.
// A value that cannot be computed is stored as unset (-999).

// Nominal direction of a file: name field 11 as a number (0 when it is not one), rounded
// to a float because it is compared with sample angles.
float NominalDirection(const NameFields& names);

// The slant-partner file of a horizontal cut (the other slant polarization of the paired
// port), or nullptr when it is not loaded or its key is the file's own.
data::PatternFile* PairedPolarizationFile(AnalysisDocument& doc, const data::PatternFile& file);

// Hpeak (window peak over the whole cut, mean angle of a flat top) and Hmin (first of the
// smallest levels).
void ComputeHPeakAndHMin(const CPerformance& perf, data::PatternFile& file);
// Hmax: the reference level and direction of the horizontal indicators, as levelRef and
// dirRef choose; with levelRef = 1 and no sample at the nominal direction the level keeps
// its previous value.
void ComputeHmax(const CPerformance& perf, data::PatternFile& file, const HPara& hPara);
// Width between the two crossings x dB below the reference level; unset when not found.
float HorizontalBeamWidth(const CPerformance& perf, data::PatternFile& file, double x);
// +X and -X levels: level at exactly PX_deg and -NX_deg, relative to the reference level.
void ComputeXLevels(data::PatternFile& file, const HPara& hPara);
// Front-to-back ratio against the highest level of the back window, widened to the seam.
void ComputeFbrCo(const CPerformance& perf, data::PatternFile& file, const HPara& hPara);
// Highest side lobe more than 10 dB below the reference level.
void ComputeSsMax(data::PatternFile& file);
void ComputeRoundness(data::PatternFile& file, const HPara& hPara);
// Squint: Hpeak angle minus the nominal direction.
void ComputeSquint(data::PatternFile& file);
// Squint difference to the slant partner (whose Hpeak, Hmin and Squint are stored in its
// own record).
void ComputeSquintError(const CPerformance& perf, AnalysisDocument& doc, data::PatternFile& file);
// Level difference between the samples at exactly +60 and -60 degrees.
void ComputeHps(data::PatternFile& file);
void ComputeLean(const CPerformance& perf, data::PatternFile& file, const HPara& hPara);
// Tracking against the slant partner: the THP slots and THP 10dB.
void ComputeThp(const CPerformance& perf, AnalysisDocument& doc, data::PatternFile& file, const HPara& hPara);
// The largest level difference between the two files at the x dB crossings of each;
// empty when either file has no crossing pair. Updates both files' Hmax.
std::optional<double> TrackingAtDrop(const CPerformance& perf, data::PatternFile& file, data::PatternFile& pair,
                                     const HPara& hPara, float x);
// The SPR sector (lo < hi, degrees): -X..X in the degree mode, the X dB crossings of the
// cut in the dB mode; nullopt when the sector cannot be formed. The file is not changed.
std::optional<std::pair<float, float>> SprSectorBounds(const CPerformance& perf, const data::PatternFile& file,
                                                       const HPara& hPara);
// Sector power ratio.
void ComputeSpr(const CPerformance& perf, data::PatternFile& file, const HPara& hPara);

// Highest level of the cut from a back-window edge to the +-180 seam on the edge's side
// (the part of a back window that wraps round the seam). -999 for an empty cut.
float LevelToSeam(const CPerformance& perf, const data::PointSequence& cut, float edge);

// Every indicator above in the stage's order, with the document's horizontal settings.
// The caller sets the stage-done flag.
void RunHorizontalCoStage(const CPerformance& perf, AnalysisDocument& doc, data::PatternFile& file);

}  // namespace lumaret::analysis
