// Reading the whole mesh with the start and end messages the forcing tools show around it.
#pragma once
#include <string>

#include "core/console.hpp"
#include "core/fmt.hpp"
#include "mesh/mesh.hpp"

namespace vm {

inline Mesh readGridAnnounced(Console& con, const std::string& name) {
  con.say(FreeLine().t("START! READING of Global data:  ").t(name));
  Mesh mesh = readMeshFull(name, con);
  con.say("GRID SUCCESSFULLY READ!");
  return mesh;
}

}  // namespace vm
