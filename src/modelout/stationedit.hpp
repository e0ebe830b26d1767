// Editing station files: a new station file written from an existing one, where the
// stations named in a second file get new data (a preferred node, new coordinates).
//
// The second file holds a count E on its first line and then up to E entries, each a
// station name followed by its data, read free-format. Station lines are read as ID,
// latitude and longitude (anything after them is dropped); a station whose ID equals an
// entry's name (trailing blanks aside, case counting) takes that entry, the last one when
// several match. Every station is written, matched or not.
#pragma once
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/console.hpp"
#include "core/files.hpp"
#include "core/fmt.hpp"
#include "core/lines.hpp"
#include "core/listin.hpp"
#include "core/text.hpp"

namespace vm {

// The station file's name with its last eight characters replaced by `ending` (the whole
// name when it has eight characters or fewer), cut to 120 characters.
std::string editedStationFileName(std::string_view input, std::string_view ending);

// A station ID as a free-format item that reads back as the same ID: put in apostrophes
// when it holds a blank, tab, comma or slash, starts with a quote or is empty.
std::string stationIdItem(std::string_view id);

// Station IDs and entry names are texts of 120 characters: compared without trailing
// blanks.
inline std::string stationKey(std::string_view s) { return std::string(rtrim(cut(s, 120))); }

// The dialogue and the copy. `Entry` has a `name`; read(src, line, entry) takes one entry
// from a line of the second file (continuing on the following lines when it must);
// write(line, entry or nullptr, latitude, longitude) completes a station's output line,
// which already holds the ID.
template <class Entry, class Read, class Write>
void editStationFile(Console& con, const std::string& os, std::string_view secondPrompt, std::string_view ending,
                     Read read, Write write);

// --- implementation

std::string chooseStationFiles(Console& con, const std::string& os, std::string_view secondPrompt,
                               std::string_view ending, std::string& stations, std::string& second);

template <class Entry, class Read, class Write>
void editStationFile(Console& con, const std::string& os, std::string_view secondPrompt, std::string_view ending,
                     Read read, Write write) {
  std::string stationsName, secondName;
  const std::string outName = chooseStationFiles(con, os, secondPrompt, ending, stationsName, secondName);

  std::vector<Entry> entries;
  std::unordered_map<std::string, size_t> byName;  // the last entry of each name
  {
    FileReader in(secondName);
    long long announced = 0;
    readList(in, "the number of entries", announced);
    std::string_view line;
    for (long long k = 0; k < announced; ++k) {
      bool found = false;  // an end of file before all entries ends the list
      while (!found && in.next(line)) found = firstNonBlank(line) != '\0';
      if (!found) break;
      Entry e;
      read(in, line, e);
      byName[stationKey(e.name)] = entries.size();
      entries.push_back(std::move(e));
    }
  }

  FileReader in(stationsName);
  OutFile out(outName);
  long long count = 0;
  readList(in, "the number of stations", count);
  out.line(FreeLine().i(count).str());
  std::string id;
  double lat = 0.0, lon = 0.0;
  for (long long i = 0; i < count; ++i) {
    readList(in, "a station line (ID, latitude, longitude)", id, lat, lon);
    const std::string key = stationKey(id);
    auto it = byName.find(key);
    FreeLine l;
    l.t(stationIdItem(key));
    write(l, it == byName.end() ? nullptr : &entries[it->second], lat, lon);
    out.line(l.str());
  }
  out.close();
}

}  // namespace vm
