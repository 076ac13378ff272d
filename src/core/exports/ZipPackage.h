#pragma once

#include <map>
#include <string>

namespace lumaret::exports {

// The parts of a zip package (an Office document): part name -> bytes.
using PackageParts = std::map<std::string, std::string>;

// Reads every part of the package. False, with the reason, when the file is not a
// readable zip archive or a part is larger than the limit this reader accepts.
bool ReadZipPackage(const std::string& path, PackageParts& parts, std::string& reason);

// Writes the parts as a new zip archive (deflated; "[Content_Types].xml" first, as Office
// packages have it). The archive is written beside the path and renamed over it only when
// complete, so a failed write leaves an existing file as it was.
bool WriteZipPackage(const std::string& path, const PackageParts& parts, std::string& reason);

}  // namespace lumaret::exports
