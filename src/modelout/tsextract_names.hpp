// Names of the files the station extraction writes beside its station file.
#pragma once
#include <string>
#include <string_view>

namespace vm {

// The station path without a final "Stations" and the character before it; that character
// stays when it is a folder separator ("sub/Stations" gives "sub/").
std::string stationBase(std::string_view stationPath);

// "<station path>.<mesh file name without its folders>.Summary".
std::string summaryName(std::string_view stationPath, std::string_view meshPath);

// "<station base>.<run tag>.61" for record type 1, ".62" otherwise; cut to 100 characters.
std::string seriesName(std::string_view stationPath, std::string_view runid, int recordType);

}  // namespace vm
