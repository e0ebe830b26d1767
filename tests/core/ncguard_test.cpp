// The guard before a netCDF-4 file is opened: a file whose damage stops the HDF5 library is
// one clear error naming it, in every reader and through the executable; a sound file and a
// file the library refuses by itself are opened as before.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/error.hpp"
#include "core/files.hpp"
#include "core/ncguard.hpp"
#include "forcing/harmonic.hpp"
#include "mesh/mesh.hpp"
#include "modelout/timeseries_netcdf.hpp"
#include "support/ncmesh.hpp"
#include "support/tooltest.hpp"

namespace {

using vmtest::readFile;
using vmtest::writeFile;

const std::string kStopped = "bad.nc: damaged NetCDF file: the NetCDF library stopped while reading its structure";

class NcGuardTest : public vmtest::ToolTest {
 protected:
  void SetUp() override {
    ToolTest::SetUp();
    vm::forgetNetcdfProbes();
    // One byte of a variable's DIMENSION_LIST attribute damaged: opened unguarded, asking
    // for that variable's description ends the process with a segmentation fault.
    std::filesystem::copy_file(std::string(VELMORANT_TEST_DATA) + "/netcdf/mesh-nc4-damaged.nc", "bad.nc");
  }
};

TEST_F(NcGuardTest, FileThatStopsTheLibraryIsOneErrorInEveryReader) {
  EXPECT_EQ(vm::probeNetcdf("bad.nc"), vm::NcProbe::Stopped);
  EXPECT_EQ(vmtest::failureOf([] { vm::readMeshNodes("bad.nc"); }), kStopped);
  EXPECT_EQ(vmtest::failureOf([&] { run("", [](vm::Console& c) { vm::readMeshFull("bad.nc", c); }); }), kStopped);
  EXPECT_EQ(vmtest::failureOf([] { vm::NcSeries("bad.nc", "node"); }), kStopped);
  EXPECT_EQ(vmtest::failureOf([] { vm::readNcMax("bad.nc"); }), kStopped);
  EXPECT_EQ(vmtest::failureOf([] { vm::HarmonicFile h("bad.nc"); }), kStopped);
}

TEST_F(NcGuardTest, SoundFileAndFileTheLibraryRefusesOpenAsBefore) {
  vmtest::NcMeshOptions o;
  o.form = vmtest::NcForm::Nc4Deflate;
  vmtest::writeMeshNetcdf("grid.nc", vmtest::gridMesh(), o);
  EXPECT_EQ(vm::probeNetcdf("grid.nc"), vm::NcProbe::Sound);
  int elements = 0;
  EXPECT_EQ(vm::readMeshNodes("grid.nc", &elements).x.size(), 12u);
  EXPECT_EQ(elements, 12);

  // The same name with other bytes is probed again.
  std::filesystem::copy_file("bad.nc", "grid.nc", std::filesystem::copy_options::overwrite_existing);
  EXPECT_EQ(vmtest::failureOf([] { vm::readMeshNodes("grid.nc"); }),
            "grid.nc: damaged NetCDF file: the NetCDF library stopped while reading its structure");

  // Cut inside its structure: the library says so itself, in the child and again here.
  writeFile("cut.nc", readFile("grid.nc").substr(0, 600));
  EXPECT_EQ(vm::probeNetcdf("cut.nc"), vm::NcProbe::LibraryError);
  EXPECT_EQ(vmtest::failureOf([] { vm::readMeshNodes("cut.nc"); }).rfind("cut.nc: cannot be opened as a NetCDF file (", 0),
            0u);
}

TEST_F(NcGuardTest, FileOnWhichTheLibraryLoopsIsCutOff) {
  std::filesystem::copy_file(std::string(VELMORANT_TEST_DATA) + "/netcdf/global-nc4-loops.nc", "loops.nc");
  const unsigned allowed = vm::ncProbeSeconds();
  vm::setNcProbeSeconds(1);
  EXPECT_EQ(vmtest::failureOf([] { vm::NcSeries("loops.nc", "node"); }),
            "loops.nc: damaged NetCDF file: the NetCDF library had not read its structure after 1 s");
  vm::setNcProbeSeconds(allowed);
}

TEST_F(NcGuardTest, ChildWritesNoneOfTheBufferedOutput) {
  vm::OutFile out("out.txt");
  out.line("written once");
  EXPECT_EQ(vm::probeNetcdf("bad.nc"), vm::NcProbe::Stopped);
  vmtest::NcMeshOptions o;
  vmtest::writeMeshNetcdf("grid.nc", vmtest::gridMesh(), o);
  EXPECT_EQ(vm::probeNetcdf("grid.nc"), vm::NcProbe::Sound);
  out.close();
  EXPECT_EQ(readFile("out.txt"), "written once\n");
}

TEST_F(NcGuardTest, ExecutableStopsWithOneLineAndItsOutputOnce) {
  const vmtest::ProgramRun r = vmtest::runProgram("12\nbad.nc\nbad.nc\n");
  EXPECT_NE(r.status, 0);
  EXPECT_EQ(r.err, "velmorant: " + kStopped + "\n");
  const size_t first = r.out.find("Select Option");
  ASSERT_NE(first, std::string::npos);
  EXPECT_EQ(r.out.find("Select Option", first + 1), std::string::npos) << r.out;
}

}  // namespace
