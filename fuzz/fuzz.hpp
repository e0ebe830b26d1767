// Fuzz targets: each one feeds arbitrary bytes to one of the toolkit's readers, the way a
// damaged or foreign file would reach it. A target registers itself under its name; the
// fuzzing driver runs the one target it is linked with, and the test program replays the
// committed corpus of every target.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/console.hpp"

namespace fuzz {

using Entry = void (*)(const std::uint8_t* data, std::size_t size);

struct Target {
  std::string name;
  Entry run;
};

std::vector<Target>& targets();

struct Register {
  Register(const char* name, Entry run) { targets().push_back({name, run}); }
};

// Makes a private scratch folder (once per process) and makes it the working directory.
// Tools write their outputs there; `clean` empties it between inputs.
void enterScratch();
std::string scratchDir();
void clean();

// The input as text, and split into `n` parts at form-feed characters (missing parts are
// empty), for tools that read several files.
std::string text(const std::uint8_t* data, std::size_t size);
std::vector<std::string> parts(const std::uint8_t* data, std::size_t size, std::size_t n);

// Writes a file in the scratch folder.
void put(const std::string& name, std::string_view content);

// Runs a tool on scripted answers (lines joined by '\n'), with its console output thrown
// away. A clean stop (vm::Failure) is an expected outcome; anything else escapes. The
// chooser's listing command is done in-process meanwhile (no shell per call).
void runTool(const std::string& answers, const std::function<void(vm::Console&)>& tool);

}  // namespace fuzz

// Defines and registers a target: VM_FUZZ_TARGET(name) { ... uses data, size ... }
#define VM_FUZZ_TARGET(name)                                                        \
  static void fuzz_##name(const std::uint8_t* data, std::size_t size);             \
  static const ::fuzz::Register fuzz_register_##name(#name, &fuzz_##name);         \
  static void fuzz_##name(const std::uint8_t* data, std::size_t size)
