// What the field-data converters share: the station list, observation output files with
// their header lines, station header and data lines, and the reads of raw-file fields cut
// from fixed columns or from columns found by separators; for today's downloads, fields cut
// at a separator and found by their column names, ISO date-times and Gregorian time shifts.
#pragma once
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "core/console.hpp"
#include "core/files.hpp"
#include "core/lines.hpp"
#include "observations/talvo_format.hpp"

namespace vm {

// A list's offset column holds this when no datum offset is known.
inline constexpr double kNoOffset = -9999.0;
// Value written for a missing measurement.
inline constexpr double kMissing = -999.0;
inline constexpr double kFeetToMetres = 0.3048;

// Names and text items are single tokens of up to this many characters.
inline constexpr size_t kNameWidth = 120;

// Writes the prompt as a message line and reads one name (a free-form item).
std::string askName(Console& con, std::string_view prompt, size_t width = kNameWidth);

// Writes the prompt, leaving the cursor on the line, and reads one free-form word.
std::string askWord(Console& con, std::string_view prompt, std::string_view what);

// One station of a converter's list; each converter fills the columns its list has.
struct Station {
  std::string stnid, filename, filename2, site, code;
  double lat = 0.0, lon = 0.0, conv = 0.0;
};

// Reads a station list: the count on line 1, a caption line that is skipped when
// `caption` is set, then one free-form record per station, read by `record` starting on a
// new line. Text items are cut to `width` characters.
template <class ReadRecord>
std::vector<Station> readStations(const std::string& path, bool caption, ReadRecord record,
                                  size_t width = kNameWidth);

// Stops the run, before any output file is created, when one of the converter's fixed
// output names denotes one of its input files: the files named in `inputs` and every raw
// file the station list names. The raw files are read only after the outputs are created,
// and a list or data file would be emptied by the run that reads it.
void refuseOutputsOverInputs(std::initializer_list<const char*> outputs, const std::vector<std::string>& inputs,
                             const std::vector<Station>& stations = {});

// The network prefix (which ends in "_") followed by the trimmed identifier.
std::string labelOf(std::string_view prefix, std::string_view stnid);

// Skips the n header lines of a raw file; a file that ends first stops the run.
void skipHeader(LineSource& raw, int n);

// "Processing station Id: " with the running number and the identifier.
void sayProcessing(Console& con, long number, std::string_view stnid);

// An observation output file, created anew with its three header lines: the kind line,
// the caption line ("% year month day hour min sec " and the column caption) and the
// source line (network word, time-zone word, datum word), each written free-format.
class TalvoOut {
 public:
  // `zone` is the time-zone word of the source line; all but one network's files are in UTC.
  TalvoOut(const std::string& name, std::string_view kind, std::string_view caption, std::string_view network,
           std::string_view datum, std::string_view zone = "UTC");

  void station(std::string_view label, double lat, double lon);
  void data(const ObsRecord& r);                // "(6i7,f14.4)"
  void data(const ObsRecord& r, double value);  // the same with another value
  void dataInt(const ObsRecord& r, long long value);  // "(6i7,i14)"
  void close() { out_.close(); }

 private:
  OutFile out_;
  std::string buf_;
};

// A raw-file field read as "(i10)" from columns first..last (1-based, inclusive): blanks
// are ignored, an empty or inverted range is 0. A field that is not an integer stops the
// run with an error naming the raw file and its line.
int colInt(std::string_view line, long first, long last, const LineSource& src, std::string_view what);

// A text part cut from columns first..last; empty when the range is empty or inverted.
std::string_view colText(std::string_view line, long first, long last);

// Columns of the separators of a date written month/day/year (and a time hour:minute):
// `s1` the first slash, `s2` the next slash after it, `k` the first colon (1-based).
struct Separators {
  long s1 = 0, s2 = 0, k = 0;
};

// Finds the separators; a line without both slashes (or without the colon, when one is
// needed) holds no date and stops the run with an error naming the raw file and line.
Separators findSeparators(std::string_view line, const LineSource& src, bool colon);

// Month, day and year of a slash-separated date: month before s1, day between the
// slashes, year in the four columns after s2.
void readSlashDate(std::string_view line, const Separators& sep, const LineSource& src, ObsRecord& r);

// The next record of a raw file whose lines start "month/day/year hour:minute": the line
// (cut to 120 columns) with its separators found and its date read into `r`. Blank lines
// are passed over. False at the end of the file.
bool nextSlashDated(FileReader& raw, std::string_view& line, Separators& sep, ObsRecord& r);

// Shifts the record's date and hour by whole hours; a month outside 1 to 12 stops the run
// with an error naming the raw file and line.
void shiftRecord(ObsRecord& r, int shift, const LineSource& src);

// The first free-form number of a text part; false when the part is empty or its first
// item is not a number.
bool firstReal(std::string_view text, double& v);

// A whole line of blanks (or an empty one).
bool isBlank(std::string_view line);

// Fields of a line cut at every `sep` (each field keeps its blanks; an empty line is one
// empty field).
void splitAt(std::string_view line, char sep, std::vector<std::string_view>& fields);

// Words of a line separated by blanks and tabs.
void splitWords(std::string_view line, std::vector<std::string_view>& words);

// Position of the column named `name` (blanks around names ignored), or -1.
long columnNamed(const std::vector<std::string_view>& names, std::string_view name);

// A decimal number of a raw file: what a free-form read takes as a real, and finite.
bool decimalValue(std::string_view text, double& v);

// A date and time written "YYYY-MM-DD HH:MM", or "YYYY-MM-DD HH:MM:SS", with blanks around
// ignored, into `r` (second 0 when the text has none). False unless the text has that
// layout and names a real date and time of the Gregorian calendar.
bool readIsoStamp(std::string_view text, ObsRecord& r);

// A real date and time of the Gregorian calendar (month 1-12, the day within its month,
// hour 0-23, minute and second 0-59).
bool validTime(const ObsRecord& r);

// Seconds since 1970-01-01 00:00:00 of the record's date and time (Gregorian calendar),
// and back: a key that sorts records by time.
long long timeKey(const ObsRecord& r);
void setTime(ObsRecord& r, long long key);

// Shifts a valid date and time by whole minutes (negative moves back), carrying across
// day, month and year ends by the Gregorian calendar.
void shiftMinutes(ObsRecord& r, long long minutes);

// Free-form items of raw records read one after another. Items are words separated by
// blanks, tabs or commas (a slash is part of a word); a record may continue on following
// lines, and blank lines are passed over.
class WordReader {
 public:
  explicit WordReader(LineSource& src) : src_(src) {}
  // The next word; false at the end of the file.
  bool word(std::string& w);
  // Reads `n` words into `words`; false when the file ends first (a record cut short is
  // dropped). The next record starts on a new line.
  bool record(std::string* words, size_t n);
  // The next word is taken from a new line.
  void endRecord() {
    line_ = {};
    pos_ = 0;
  }

 private:
  LineSource& src_;
  std::string_view line_;
  size_t pos_ = 0;
};

// Numbers of words read by a WordReader; one that is not a number stops the run with an
// error naming the raw file and its line.
int wordInt(const std::string& w, const LineSource& src, std::string_view what);
double wordReal(const std::string& w, const LineSource& src, std::string_view what);

// ---------------------------------------------------------------------------------------

void cutTo(std::string& s, size_t width);

template <class ReadRecord>
std::vector<Station> readStations(const std::string& path, bool caption, ReadRecord record, size_t width) {
  FileReader in(path);
  long n = 0;
  readList(in, "the number of stations", n);
  if (caption) in.need("the caption line of the station list");
  std::vector<Station> list;
  for (long i = 0; i < n; ++i) {
    Station s;
    record(in, s);
    cutTo(s.stnid, width);
    cutTo(s.filename, width);
    cutTo(s.filename2, width);
    cutTo(s.site, width);
    cutTo(s.code, width);
    list.push_back(std::move(s));
  }
  return list;
}

}  // namespace vm
