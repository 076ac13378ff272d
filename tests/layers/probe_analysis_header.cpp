// Compiled by the layer tests: with the analysis layer's include folder it compiles, with
// the data layer's alone it must not (data may not look upwards).
#include "analysis/AnalysisDocument.h"

int main() { return 0; }
