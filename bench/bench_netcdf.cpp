// The model's NetCDF global files streamed through the station extraction, the min-max
// tool and the max-file tool: a scalar file of 1,000,000 nodes and 100 snaps (800 MB of
// 64-bit values, a quarter of the nodes dry), stored as netCDF-3 64-bit offset,
// netCDF-4 contiguous and netCDF-4 deflated (level 2) in chunks of one snap. Each tool
// is timed less a run on a file of the same form without snaps (mesh reading and station
// location), so the seconds are those of the streaming; every time is the faster of two
// runs, in wall-clock and in processor seconds (the second less disturbed on a shared
// machine). For every form, the library's own reading of the same values
// (netcdf_anchor.hpp) is timed in the same run; a quarter-size deflated file shows that the memory does not grow with the
// snaps.
#include <netcdf.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "modelout_data.hpp"
#include "netcdf_anchor.hpp"
#include "scratch.hpp"
#include "tools.hpp"

namespace {

enum class Form { Offset64, Contiguous, Deflate };

const char* formName(Form f) {
  switch (f) {
    case Form::Offset64: return "netCDF-3 64-bit offset";
    case Form::Contiguous: return "netCDF-4 contiguous";
    case Form::Deflate: return "netCDF-4 deflate 2, one-snap chunks";
  }
  return "?";
}

void check(int status, const char* what) {
  if (status != NC_NOERR) throw std::runtime_error(std::string(what) + ": " + nc_strerror(status));
}

// Water levels as the model writes them: a quarter of the nodes dry (fill values) in each
// snap, the others smooth in space and time. Returns the bytes of values written.
double writeNc(const std::string& path, Form form, long np, int snaps) {
  int nc, dTime, dNode, vTime, vZeta;
  check(nc_create(path.c_str(), NC_CLOBBER | (form == Form::Offset64 ? NC_64BIT_OFFSET : NC_NETCDF4), &nc), "create");
  // Contiguous storage needs fixed dimensions.
  check(nc_def_dim(nc, "time", form == Form::Contiguous ? static_cast<size_t>(snaps) : NC_UNLIMITED, &dTime), "time");
  check(nc_def_dim(nc, "node", static_cast<size_t>(np), &dNode), "node");
  check(nc_def_var(nc, "time", NC_DOUBLE, 1, &dTime, &vTime), "time");
  const int dims[2] = {dTime, dNode};
  check(nc_def_var(nc, "zeta", NC_DOUBLE, 2, dims, &vZeta), "zeta");
  const double fill = -99999.0, dt = 2.0;
  check(nc_put_att_double(nc, vZeta, "_FillValue", NC_DOUBLE, 1, &fill), "fill");
  check(nc_put_att_double(nc, NC_GLOBAL, "dt", NC_DOUBLE, 1, &dt), "dt");
  check(nc_put_att_text(nc, NC_GLOBAL, "rundes", 13, "synthetic run"), "rundes");
  if (form == Form::Contiguous && snaps > 0) {  // a time of length 0 is unlimited
    check(nc_def_var_chunking(nc, vZeta, NC_CONTIGUOUS, nullptr), "contiguous");
  } else if (form == Form::Deflate) {
    const size_t chunks[2] = {1, static_cast<size_t>(np)};
    check(nc_def_var_chunking(nc, vZeta, NC_CHUNKED, chunks), "chunking");
    check(nc_def_var_deflate(nc, vZeta, 0, 1, 2), "deflate");
  }
  check(nc_enddef(nc), "enddef");
  std::vector<double> snap(static_cast<size_t>(np));
  for (int s = 0; s < snaps; ++s) {
    for (long k = 0; k < np; ++k)
      snap[static_cast<size_t>(k)] =
          (k + s) % 4 == 0 ? fill : std::round(std::sin(0.001 * static_cast<double>(k) + 0.3 * s) * 2.5e4) / 1e4;
    const size_t start[2] = {static_cast<size_t>(s), 0}, count[2] = {1, static_cast<size_t>(np)};
    const double t = 3600.0 * (s + 1);
    check(nc_put_vara_double(nc, vTime, start, count, &t), "time data");
    check(nc_put_vara_double(nc, vZeta, start, count, snap.data()), "zeta data");
  }
  check(nc_close(nc), "close");
  return 8.0 * static_cast<double>(np) * snaps;
}

double extract(const std::string& global) {
  std::string st = "bench.Stations", mesh = "bench.14", g = global, runid = "R", folder;
  return bench::timeTool("", [&](vm::Console& c) { vm::tsextract(c, "unix", 1, st, mesh, g, runid, folder); });
}
double minmax(const std::string& global) {
  return bench::timeTool("bench.14\n" + global + "\n", [](vm::Console& c) { vm::findminmax(c, "unix"); });
}
double maxfile(const std::string& global) {
  return bench::timeTool("bench.14\n" + global + "\nmax.63\n", [](vm::Console& c) { vm::generatemax(c, "unix"); });
}

}  // namespace

int main(int argc, char** argv) {
  return bench::guarded([&] {
    const int side = argc > 1 ? std::stoi(argv[1]) : 999;  // (side+1)^2 nodes
    const int snaps = argc > 2 ? std::stoi(argv[2]) : 100;
    const std::string only = argc > 3 ? argv[3] : "ocd";  // forms: o(ffset), c(ontiguous), d(eflate)
    const long np = (side + 1L) * (side + 1), stations = 1000;
    const double h = 5.0 / side;
    const ScratchFolder scratch;
    bench::writeGridMesh("bench.14", side, -95.0, 25.0, h);
    bench::writeStations("bench.Stations", stations, side, -95.0, 25.0, h);
    struct Tool {
      const char* name;
      double (*run)(const std::string&);
    };
    const Tool tools[] = {{"tsextract", extract}, {"findminmax", minmax}, {"generatemax", maxfile}};
    for (Form form : {Form::Offset64, Form::Contiguous, Form::Deflate}) {
      if (only.find("ocd"[static_cast<int>(form)]) == std::string::npos) continue;
      writeNc("empty.nc", form, np, 0);
      for (int n : form == Form::Deflate ? std::vector<int>{snaps, snaps / 4} : std::vector<int>{snaps}) {
        const double bytes = writeNc("zeta.nc", form, np, n);
        const std::string input = std::to_string(np) + " nodes, " + std::to_string(n) + " snaps (" +
                                  std::to_string(std::lround(bytes / 1e6)) + " MB of values)";
        double anchor = 1e30, anchorCpu = 1e30;
        bench::isolated([&] {
          double sink = bench::anchorRead("zeta.nc", "zeta");  // a first pass brings the file into memory
          for (int k = 0; k < 2; ++k) {
            const double t0 = bench::now(), c0 = bench::cpuSeconds();
            sink += bench::anchorRead("zeta.nc", "zeta");
            anchor = std::min(anchor, bench::now() - t0);
            anchorCpu = std::min(anchorCpu, bench::cpuSeconds() - c0);
          }
          char cpu[64];
          std::snprintf(cpu, sizeof cpu, " (processor %.3f s)", anchorCpu + 0 * sink);
          bench::report(std::string("NetCDF library reading alone (the anchor), ") + formName(form) + cpu, input,
                        bytes, anchor);
          FILE* f = std::fopen("anchor.txt", "w");
          std::fprintf(f, "%.17g %.17g\n", anchor, anchorCpu);
          std::fclose(f);
        });
        if (FILE* f = std::fopen("anchor.txt", "r")) {
          if (std::fscanf(f, "%lf %lf", &anchor, &anchorCpu) != 2) anchor = anchorCpu = 0;
          std::fclose(f);
        }
        for (const Tool& tool : tools) {
          if (n != snaps && std::string(tool.name) != "generatemax") continue;
          bench::isolated([&] {
            // Wall and processor seconds, the faster of two runs each.
            auto timed = [&](const std::string& file, double& cpu) {
              double wall = 1e30;
              cpu = 1e30;
              for (int k = 0; k < 2; ++k) {
                const double c0 = bench::cpuSeconds();
                wall = std::min(wall, tool.run(file));
                cpu = std::min(cpu, bench::cpuSeconds() - c0);
              }
              return wall;
            };
            double baseCpu, cpu;
            const double base = timed("empty.nc", baseCpu);
            const double t = timed("zeta.nc", cpu) - base;
            cpu -= baseCpu;
            char ratio[96];
            std::snprintf(ratio, sizeof ratio, " (%.2f x the anchor; processor %.3f s, %.2f x)",
                          anchor > 0 ? t / anchor : 0.0, cpu, anchorCpu > 0 ? cpu / anchorCpu : 0.0);
            bench::report(std::string(tool.name) + " streaming, " + formName(form) + ratio, input, bytes, t);
          });
        }
        std::remove("zeta.nc");
      }
      std::remove("empty.nc");
    }
  });
}
