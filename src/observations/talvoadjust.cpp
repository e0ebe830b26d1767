// Adjust: shifts the dates of an observation file by whole hours (a time-zone change),
// shifts its values by a constant (a datum change) or converts them between feet and
// metres, and updates the source line and caption to match.
#include <string>

#include "core/files.hpp"
#include "core/fmt.hpp"
#include "core/text.hpp"
#include "observations/obs_edit.hpp"
#include "observations/talvo_format.hpp"
#include "shell/calendar.hpp"
#include "shell/choosefile.hpp"
#include "tools.hpp"

namespace vm {

namespace {

const char* const kCaptionMetres = " % year month day hour min sec watlev (m)";
const char* const kCaptionFeet = " % year month day hour min sec watlev (ft)";

constexpr double kMissing = -999.0;

// The caption's unit is told by the character before its last non-blank one: "m" of
// "(m)" or "t" of "(ft)". Any caption in metres becomes the water-level caption.
std::string normalisedCaption(const std::string& caption) {
  const std::string_view c = rtrim(caption);
  if (c.size() >= 2) {
    if (c[c.size() - 2] == 'm') return kCaptionMetres;
    if (c[c.size() - 2] == 't') return kCaptionFeet;
  }
  return caption;
}

// Date and value of a data line holding six, five or four integers before the value;
// the minute and second it lacks are 0.
ObsRecord readAdjustable(std::string_view line, const LineSource& in) {
  std::string_view items[7];
  const int n = splitItems(line, items, 7);
  int date[6];
  double value = 0.0;
  for (int ints = 6; ints >= 4; --ints) {
    if (n > ints && itemsAreInts(items, ints, date) && parseReal(items[ints], value)) {
      for (int k = ints; k < 6; ++k) date[k] = 0;
      return recordAt(date, value);
    }
  }
  in.fail("expected year, month, day and hour (and possibly minute and second) followed by a value");
}

}  // namespace

void talvoadjust(Console& con, const std::string& os) {
  con.say("This program will adjust the time and/or Elevation");
  con.empty();
  con.say("Enter the name of the TALVO file");
  const std::string input = choosefile(con, kTalvo, os);
  const std::string output = derivedOutput(input + ".A.TALVO", {&input});

  FileReader in(input);
  EditHeader header = readEditHeader(in);
  std::string& caption = header.caption;
  SourceWords& words = header.words;
  caption = normalisedCaption(caption);

  con.empty();
  con.say(" Select Adjustment Option");
  con.say(" 1. Change Time Zone");
  con.say(" 2. Change Datum and Vertically Adjust Values");
  con.say(" 3. Change Units from feet to meters");
  con.say(" 4. Change Units from meters to feet");
  int option = 0;
  con.read("the adjustment option", option);
  int shift = 0;
  double vertical = 0.0, factor = 1.0;
  if (option == 1) {
    con.say("Enter Time Zone");
    con.read("the time zone", words.zone);
    words.zone = std::string(cut(words.zone, kObsLineWidth));
    con.say("Enter Time Zone Adjustment in Hours");
    con.read("the time zone adjustment in hours", shift);
  } else if (option == 2) {
    con.say("Enter Datum");
    con.read("the datum", words.datum);
    words.datum = std::string(cut(words.datum, kObsLineWidth));
    con.say("Enter Vertical Adjustment");
    con.read("the vertical adjustment", vertical);
  } else if (option == 3) {
    caption = kCaptionMetres;
    factor = 0.3048;
  } else if (option == 4) {
    caption = kCaptionFeet;
    factor = 3.280839895013123;
  }

  OutFile out(output);
  writeEditHeader(out, header);

  std::string_view ln;
  bool more = in.next(ln);  // a file of three header lines has no stations
  std::string text;
  while (more) {
    const StationHeader h = parseStationHeader(cut(ln, kObsLineWidth), &in);
    out.line(stationHeaderLine(rtrim(cut(h.label, kObsLineWidth)), h.lat, h.lon));
    while ((more = in.next(ln))) {
      const std::string_view s = shiftedLine(ln);
      if (s.empty() || s[0] != '2') {
        ln = s;
        break;
      }
      ObsRecord r = readAdjustable(s, in);
      if (shift != 0) {
        const long long hour = static_cast<long long>(r.hour) + shift;
        if ((hour < 0 || hour > 23) && (r.month < 1 || r.month > 12))
          in.fail("month " + std::to_string(r.month) + " is outside 1 to 12; the date cannot be shifted");
        tzconvert(r.year, r.month, r.day, r.hour, shift);
      }
      // A missing value stays the missing marker whatever the datum or unit.
      if (r.value != kMissing) r.value = r.value * factor + vertical;
      text.clear();
      putDate6(text, r);
      putF(text, r.value, 14, 4);
      out.line(text);
    }
  }
  out.close();
}

}  // namespace vm
