#include "shell/menu.hpp"

#include <functional>
#include <vector>

namespace vm {

namespace {

struct Option {
  int number;
  const char* text;  // menu line after the leading blank column; null when not listed
  std::function<void(Console&, MenuState&)> run;
};

const std::vector<Option>& options() {
  static const std::vector<Option> table = {
      {1, "  1. Create Station List from TALVO file ", [](Console& c, MenuState& s) { talvolist(c, s.os); }},
      {2, "  2. Create TALVO hwm from TALVO watlev ", [](Console& c, MenuState& s) { wl2hwm(c, s.os); }},
      {3, "  3. Convert a fort.61/62 to TALVO format",
       [](Console& c, MenuState& s) {
         talvo61(c, s.os, s.cntrl, s.start, s.filestationu, s.fort61u, s.dtype, s.dfolder);
       }},
      {4, "  4. *.F, Filter/Remove Stations from an TALVO file",
       [](Console& c, MenuState& s) { talvofilter(c, s.os); }},
      {5, "  5. Number TALVO Stations", [](Console& c, MenuState& s) { talvorename(c, s.os); }},
      {6, "  6. Merge TALVO files", [](Console& c, MenuState& s) { talvomerge(c, s.os); }},
      {7, "  7. Adjust Time or Elevation in an TALVO file", [](Console& c, MenuState& s) { talvoadjust(c, s.os); }},
      {8, "  8. *.C, Clean an TALVO file", [](Console& c, MenuState& s) { talvoclean(c, s.os); }},
      {10, "  10. Create a fort.61/62 from a fort.63/64",
       [](Console& c, MenuState& s) {
         tsextract(c, s.os, s.cntrl, s.filestationu, s.fort14u, s.fort63u, s.runid, s.dfolder);
       }},
      {11, "  11. Create a wet.14 file", [](Console& c, MenuState& s) { wetdry(c, s.os); }},
      {12, "  12. Find Min-Max", [](Console& c, MenuState& s) { findminmax(c, s.os); }},
      {13, "  13. Create Maximum Envelope of Water (MEOW)", [](Console& c, MenuState& s) { meow(c, s.os); }},
      {14, "  14. Generate a max file from a TimeSeries File", [](Console& c, MenuState& s) { generatemax(c, s.os); }},
      {15, nullptr, [](Console& c, MenuState& s) { projector(c, s.os); }},
      {16, "  16. Generate a Difference File", [](Console& c, MenuState& s) { generatediff(c, s.os); }},
      {17, "  17. *.P, Populate Stations file with Preferred Nodes",
       [](Console& c, MenuState& s) { listnodes(c, s.os); }},
      {18, "  18. *.L, Popolate Stations file with new Locations",
       [](Console& c, MenuState& s) { relocator(c, s.os); }},
      {21, "  21. Convert CRMS raw data to TALVO format", [](Console& c, MenuState&) { crms2talvo(c); }},
      {22, "  22. Convert NOAA raw data to TALVO format", [](Console& c, MenuState&) { noaa2talvo(c); }},
      {23, "  23. Convert TCOON raw data to TALVO format", [](Console& c, MenuState&) { tcoon2talvo(c); }},
      {24, "  24. Convert VANTE raw data to TALVO format", [](Console& c, MenuState&) { vante2talvo(c); }},
      {25, "  25. Convert USGS-DEPL raw data to TALVO format", [](Console& c, MenuState&) { usgsdepl2talvo(c); }},
      {26, "  26. Convert USGS-PERM raw data to TALVO format", [](Console& c, MenuState&) { usgsperm2talvo(c); }},
      {27, "  27. Convert VANTE-RVT raw data to TALVO format", [](Console& c, MenuState&) { vantervt(c); }},
      {28, "  28. Convert SLOSH raw data to TALVO format", [](Console& c, MenuState&) { slosh2talvo(c); }},
      {29, "  29. Convert CSI raw data to TALVO format", [](Console& c, MenuState&) { csi2talvo(c); }},
      {30, "  30. Convert NDBC raw data to TALVO format", [](Console& c, MenuState&) { ndbc2talvo(c); }},
      {31, "  31. Create 61.TALVO with TALVO.ctrl", [](Console& c, MenuState& s) { talvocntrl(c, s.os); }},
      {32, "  32. Convert NOAA CO-OPS CSV downloads to TALVO format", [](Console& c, MenuState&) { coops2talvo(c); }},
      {33, "  33. Convert USGS NWIS RDB downloads to TALVO format", [](Console& c, MenuState&) { nwis2talvo(c); }},
      {34, "  34. Convert NDBC standard meteorological files to TALVO format",
       [](Console& c, MenuState&) { stdmet2talvo(c); }},
      {41, "  41. Export Open Ocean Boundary Coordinates", [](Console& c, MenuState& s) { exportoob(c, s.os); }},
      {42, "  42. Extract OOB forcing from OSU", [](Console& c, MenuState&) { osuextract(c); }},
      {43, "  43. Extract OOB forcing from FES2004", [](Console& c, MenuState&) { fes2004extract(c); }},
      {44, "  44. Extract OOB forcing from TB3307", [](Console& c, MenuState&) { tb3307extract(c); }},
      {45, "  45. Decompose a fort.53 into *.14 Format files", [](Console& c, MenuState&) { decompose53(c); }},
      {51, "  51. Add Wave-Refraction to Fort.13", [](Console& c, MenuState&) { addwave13(c); }},
      {52, "  52. River Flux Boundary Extraction", [](Console& c, MenuState&) { riverextract(c); }},
      {61, "  61. Compare Model and Observed TALVO files", [](Console& c, MenuState& s) { talvocompare(c, s.os); }},
  };
  return table;
}

const char* const kStars = "*************************************************";
const char* const kSeparator = "  ------------------------------------------------";

void showMenu(Console& con) {
  con.empty();
  con.say(kStars);
  con.say("         Velmorant-RVT Toolkit by DWX  v.41      ");
  con.say(kStars);
  con.empty();
  // The menu is shown in groups, each closed by the separator.
  const int groupEnds[] = {8, 18, 30, 31, 34, 45, 52, 61};
  size_t g = 0;
  for (const Option& o : options()) {
    if (o.text) con.say(o.text);
    if (g < std::size(groupEnds) && o.number == groupEnds[g]) {
      con.say(kSeparator);
      ++g;
    }
  }
  con.say("  98. Change Operating System");
  con.say("  99. Terminate Program");
  con.prompt(" Select Option: ");
}

}  // namespace

bool runOption(Console& con, MenuState& st, long long option) {
  if (option == 98) {
    if (st.os == "unix") {
      con.say("Operating System changed to DOS");
      st.os = "dos";
    } else {
      con.say("Operating System changed to UNIX");
      st.os = "unix";
    }
    return true;
  }
  for (const Option& o : options()) {
    if (o.number == option) {
      o.run(con, st);
      return true;
    }
  }
  return false;
}

int runMenu(Console& con) {
  MenuState st;
  for (;;) {
    showMenu(con);
    long long choice = con.readField10(" Select Option: ");
    con.empty();
    if (choice == 99) {
      con.say("Program Terminated");
      con.flush();
      return 0;
    }
    if (!runOption(con, st, choice)) {
      con.line("Option Unacceptable, Try Again");
      continue;
    }
    con.empty();
    con.say("Yatta!");
    con.empty();
  }
}

}  // namespace vm
