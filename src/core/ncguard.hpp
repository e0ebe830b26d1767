// A guard for netCDF-4 files before the toolkit opens them in its own process.
//
// The HDF5 library beneath the NetCDF library trusts the structure of a file: a few damaged
// bytes can make it read through a wild pointer or abort, where a damaged netCDF-3 header is
// caught by classicHeaderFault instead. So a forked child process opens the file first and
// reads everything the readers touch while opening it (every dimension, every variable's
// description, chunking and type, every attribute of the file and of its variables, the
// small variables whole and the first value of each large one), then ends. Only when the
// child ended by itself does the toolkit open the file; a child that was stopped (a signal,
// an abort, a sanitizer's report) means the library cannot survive the file.
#pragma once
#include <string>

namespace vm {

enum class NcProbe {
  Sound,         // the library read the structure without a fault
  LibraryError,  // the library reported an error: opening the file again reports it too
  Stopped,       // the library did not survive the file (the child was stopped)
  TimedOut,      // the library had not read the structure in the time allowed (it loops)
  NotChecked,    // no child process could be started: the file is opened unchecked
};

// The time the child is given, 60 s unless set otherwise (the fuzzers allow less).
unsigned ncProbeSeconds();
void setNcProbeSeconds(unsigned seconds);

// Reads the structure of `path` through the NetCDF library in a forked child. Buffered output
// of the calling process is flushed first; the child writes nothing and never flushes the
// buffers it inherits (it ends with _exit).
// When the library refused to open the file at all, `openError` (if given) receives its
// error code, so that the caller need not ask it again (the library loses memory on each
// refusal); otherwise NC_NOERR. Files of up to 1 MB are probed once for each content: the
// last few contents probed are remembered with their outcome.
NcProbe probeNetcdf(const std::string& path, int* openError = nullptr);
// Forgets them (for the tests).
void forgetNetcdfProbes();

}  // namespace vm
