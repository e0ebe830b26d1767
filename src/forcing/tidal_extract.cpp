#include "forcing/tidal_extract.hpp"

#include <string>

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
  std::vector<double> amp(nc * static_cast<size_t>(stations)), ph(amp.size());
  {
    FileReader in(input);
    for (int k = 0; k < layout.headerLines; ++k) in.need("a header line");
    std::string text1, text2;
    double lat = 0.0, lon = 0.0;
    for (long s = 0; s < stations; ++s) {
      for (int k = 0; k < layout.stationLines; ++k) in.need("a station heading line");
      for (size_t c = 0; c < nc; ++c) {
        double& a = amp[static_cast<size_t>(s) * nc + c];
        double& p = ph[static_cast<size_t>(s) * nc + c];
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
