#pragma once

#include <map>
#include <string>

namespace lumaret::exports {

// Texts that build the names of the written pattern files.

std::string UpperCase(std::string text);  // ASCII letters only
std::string LowerCase(std::string text);
// True when `text` contains `part`, letters compared without regard to case.
bool ContainsNoCase(const std::string& text, const std::string& part);
bool EqualsNoCase(const std::string& a, const std::string& b);

// "900" -> "0900", "90" -> "090", "1710" -> "1710": one leading zero below 4 characters.
std::string FrequencyCode(const std::string& frequency);
// "2" -> "02t", "10" -> "10t", any other length -> "".
std::string TiltCode(const std::string& tilt);
// The TMVMSI form: suffix "FT" for "None" and "Mechanical", "ET" for "Electrical";
// "2" -> "02ET", "10" -> "10ET"; any other length or method -> "".
std::string TmvTiltCode(const std::string& tilt, const std::string& tiltMethod);
// The TMVMSI polarization code: "m45" -> "N45", "p45" -> "P45" (exact case), else "".
std::string TmvPolarizationCode(const std::string& polarization);
// The port name of a port extension, upper-cased: the table is walked in key order and
// every entry whose extension the port extension contains (without regard to case)
// replaces the name found so far; "" when none matches.
std::string PortName(const std::string& portExtension, const std::map<std::string, std::string>& portTable);

}  // namespace lumaret::exports
