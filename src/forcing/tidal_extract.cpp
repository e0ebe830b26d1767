#include "forcing/tidal_extract.hpp"

#include <string>

#include "core/counts.hpp"
#include "core/files.hpp"
#include "core/fmt.hpp"
#include "core/lines.hpp"
#include "core/listin.hpp"
#include "forcing/dialogue.hpp"

namespace vm {

void extractTidalResults(Console& con, const TidalResultLayout& layout) {
  const std::string input =
      askName(con, "Enter the name of the " + std::string(layout.source) + " file", "the result file name");
  con.say("Enter the number of stations");
  long stations = 0;
  con.read("the number of stations", stations);
  if (stations < 0) stations = 0;
  const std::string output = askOutputName(con, "Enter the name of the extract file", "the extract file name", input);

  const size_t nc = layout.order.size();
  // The values grow with the stations read: a mistyped count stops at the end of the file
  // instead of taking memory for stations that are not there.
  std::vector<double> amp, ph;
  amp.reserve(nc * reserveAhead(stations));
  ph.reserve(amp.capacity());
  {
    FileReader in(input);
    for (int k = 0; k < layout.headerLines; ++k) in.need("a header line");
    std::string text1, text2;
    double lat = 0.0, lon = 0.0;
    for (long s = 0; s < stations; ++s) {
      for (int k = 0; k < layout.stationLines; ++k) in.need("a station heading line");
      for (size_t c = 0; c < nc; ++c) {
        double& a = amp.emplace_back(0.0);
        double& p = ph.emplace_back(0.0);
        if (layout.withPosition)
          readList(in, "latitude, longitude, two texts, amplitude and phase", lat, lon, text1, text2, a, p);
        else
          readList(in, "constituent name, amplitude and phase", text1, a, p);
      }
    }
  }

  OutFile out(output);
  const Format line(layout.lineFormat);
  for (size_t k = 0; k < nc; ++k) {
    const ExtractConstituent& c = layout.order[k];
    out.line(FreeLine().t(c.name).str());
    const size_t from = static_cast<size_t>(c.input - 1);
    for (long s = 0; s < stations; ++s) {
      const size_t at = static_cast<size_t>(s) * nc + from;
      out.put(line.line(amp[at], ph[at], static_cast<long long>(k + 1), static_cast<long long>(s + 1)));
    }
  }
  out.close();
}

}  // namespace vm
