#include "modelout/tsextract_names.hpp"

#include "core/text.hpp"

namespace vm {

std::string stationBase(std::string_view stationPath) {
  std::string_view p = rtrim(stationPath);
  const size_t l = p.size();
  if (l >= 8 && p.substr(l - 8) == "Stations") {
    if (l >= 9 && p[l - 9] != '/') return std::string(p.substr(0, l - 9));
    return std::string(p.substr(0, l - 8));
  }
  return std::string(p);
}

std::string summaryName(std::string_view stationPath, std::string_view meshPath) {
  std::string_view mesh = rtrim(meshPath);
  const size_t slash = mesh.rfind('/');
  if (slash != std::string_view::npos) mesh = mesh.substr(slash + 1);
  return std::string(rtrim(stationPath)) + "." + std::string(mesh) + ".Summary";
}

std::string seriesName(std::string_view stationPath, std::string_view runid, int recordType) {
  std::string name = stationBase(stationPath) + "." + std::string(rtrim(runid)) + (recordType == 1 ? ".61" : ".62");
  return std::string(cut(name, 100));
}

}  // namespace vm
