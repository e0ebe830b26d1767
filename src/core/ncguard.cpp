#include "core/ncguard.hpp"

#include <fcntl.h>
#include <netcdf.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <deque>
#include <filesystem>
#include <iostream>
#include <vector>

#include "core/files.hpp"
#include "core/ncfile.hpp"

// Set by the sanitizers' runtime (and the fuzzer's, which records the input as a finding
// when a report ends the process); absent in a plain build.
extern "C" void __sanitizer_set_death_callback(void (*callback)()) __attribute__((weak));

namespace vm {

namespace {

// Exit codes of the child: every other ending means the library was stopped.
constexpr int kChildSound = 0;
constexpr int kChildLibraryError = 10;

// Variables of up to this many values are read whole; of larger ones the first value only,
// which reaches their first chunk and the index that leads to it, not every chunk: reading
// all the data twice would double the time of every reading of a large file.
constexpr size_t kWholeVariable = 1 << 16;
// Attribute values of up to this many bytes are read, as the readers would read them.
constexpr size_t kMostAttributeBytes = size_t{1} << 26;

// Keeps the first error of a walk that goes on past errors: a reader may carry on where one
// item could not be read (an attribute it looks for is unreadable), so every item is visited.
struct Walk {
  int ncid = -1;
  int first = NC_NOERR;
  bool ok(int status) {
    if (status != NC_NOERR && first == NC_NOERR) first = status;
    return status == NC_NOERR;
  }

  void attributes(int varid, int natts) {
    for (int a = 0; a < natts; ++a) {
      char name[NC_MAX_NAME + 1] = {};
      nc_type type = NC_NAT;
      size_t len = 0;
      if (!ok(nc_inq_attname(ncid, varid, a, name)) || !ok(nc_inq_att(ncid, varid, name, &type, &len))) continue;
      if (len == 0) continue;
      if (type == NC_CHAR && len <= kMostAttributeBytes) {
        std::vector<char> text(len);
        ok(nc_get_att_text(ncid, varid, name, text.data()));
      } else if (type == NC_STRING && len <= kMostAttributeBytes / sizeof(char*)) {
        std::vector<char*> strings(len, nullptr);
        if (ok(nc_get_att_string(ncid, varid, name, strings.data()))) nc_free_string(len, strings.data());
      } else if (isNumericType(type) && len <= kMostAttributeBytes / sizeof(double)) {
        std::vector<double> values(len);
        ok(nc_get_att_double(ncid, varid, name, values.data()));
      }
    }
  }

  void variable(int varid) {
    int ndims = 0;
    if (!ok(nc_inq_varndims(ncid, varid, &ndims)) || ndims < 0 || ndims > NC_MAX_VAR_DIMS) return;
    std::vector<int> dimids(static_cast<size_t>(ndims) + 1);
    char name[NC_MAX_NAME + 1] = {};
    nc_type type = NC_NAT;
    int natts = 0;
    if (!ok(nc_inq_var(ncid, varid, name, &type, nullptr, dimids.data(), &natts))) return;
    std::vector<size_t> shape(static_cast<size_t>(ndims));
    bool shaped = true;
    for (int k = 0; k < ndims; ++k) {
      char dname[NC_MAX_NAME + 1] = {};
      shaped = ok(nc_inq_dim(ncid, dimids[k], dname, &shape[k])) && shaped;
    }
    size_t typeSize = 0;
    ok(nc_inq_type(ncid, type, nullptr, &typeSize));
    int storage = 0;
    std::vector<size_t> chunks(static_cast<size_t>(ndims) + 1);
    ok(nc_inq_var_chunking(ncid, varid, &storage, chunks.data()));
    if (isNumericType(type) || type == NC_CHAR) {
      unsigned char fill[16] = {};
      int noFill = 0;
      ok(nc_inq_var_fill(ncid, varid, &noFill, fill));
    }
    attributes(varid, natts);
    if (shaped) values(varid, type, shape);
  }

  void values(int varid, nc_type type, const std::vector<size_t>& shape) {
    if (!isNumericType(type) && type != NC_CHAR) return;
    size_t n = 1;  // up to kWholeVariable + 1, where that means "more"
    for (size_t len : shape) {
      if (len == 0) return;
      n = len > kWholeVariable ? kWholeVariable + 1 : std::min(n * len, kWholeVariable + 1);
    }
    std::vector<size_t> start(shape.size(), 0), count(shape);
    if (n > kWholeVariable) {
      count.assign(shape.size(), 1);
      n = 1;
    }
    if (type == NC_CHAR) {
      std::vector<char> text(n);
      ok(nc_get_vara_text(ncid, varid, start.data(), count.data(), text.data()));
    } else {
      std::vector<double> out(n);
      ok(nc_get_vara_double(ncid, varid, start.data(), count.data(), out.data()));
    }
  }
};

// What the child does: opens the file and reads its structure. Returns the first library
// error (NC_NOERR when there is none); `opened` is the status of nc_open.
int readNetcdfStructure(const std::string& path, int& opened) {
  Walk w;
  opened = nc_open(path.c_str(), NC_NOWRITE, &w.ncid);
  if (!w.ok(opened)) return w.first;
  int ndims = 0, nvars = 0, ngatts = 0, unlimited = -1;
  if (w.ok(nc_inq(w.ncid, &ndims, &nvars, &ngatts, &unlimited))) {
    int count = 0;
    if (w.ok(nc_inq_dimids(w.ncid, &count, nullptr, 0)) && count >= 0) {
      std::vector<int> ids(static_cast<size_t>(count) + 1);
      if (w.ok(nc_inq_dimids(w.ncid, &count, ids.data(), 0)))
        for (int k = 0; k < count; ++k) {
          char name[NC_MAX_NAME + 1] = {};
          size_t len = 0;
          w.ok(nc_inq_dim(w.ncid, ids[static_cast<size_t>(k)], name, &len));
        }
    }
    w.attributes(NC_GLOBAL, ngatts);
    for (int id = 0; id < nvars; ++id) w.variable(id);
  }
  w.ok(nc_close(w.ncid));
  return w.first;
}

// The child's end: no destructor, no atexit handler, no flush of an inherited buffer.
[[noreturn]] void childEnd(int code) { _exit(code); }

// `report` receives the status of nc_open.
[[noreturn]] void child(const std::string& path, int report) {
  // A fault ends the child by its signal, not through a handler it inherited (a test
  // framework's, the fuzzer's, a sanitizer's, which would report it as the parent's).
  sigset_t faults;
  sigemptyset(&faults);
  for (int sig : {SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT, SIGTRAP, SIGSYS, SIGALRM, SIGXCPU}) {
    std::signal(sig, SIG_DFL);
    sigaddset(&faults, sig);
  }
  sigprocmask(SIG_UNBLOCK, &faults, nullptr);
  if (__sanitizer_set_death_callback) __sanitizer_set_death_callback(nullptr);
  // The child says nothing: the library's or a sanitizer's messages would be the parent's.
  const int null = open("/dev/null", O_RDWR);
  if (null >= 0) {
    dup2(null, STDOUT_FILENO);
    dup2(null, STDERR_FILENO);
  }
  alarm(ncProbeSeconds());
  int status = NC_NOERR, opened = NC_NOERR;
  try {
    status = readNetcdfStructure(path, opened);
  } catch (...) {  // memory for a value: the parent meets the same and reports it
    childEnd(kChildLibraryError);
  }
  if (write(report, &opened, sizeof opened) != sizeof opened) childEnd(kChildLibraryError);
  childEnd(status == NC_NOERR ? kChildSound : kChildLibraryError);
}

NcProbe forkProbe(const std::string& path, int& openError) {
  openError = NC_NOERR;
  int report[2];
  if (pipe2(report, O_CLOEXEC) != 0) return NcProbe::NotChecked;
  // Nothing buffered may reach the child: what it would write is the parent's to write.
  std::cout.flush();
  std::clog.flush();
  std::cerr.flush();
  std::fflush(nullptr);
  const pid_t pid = fork();
  if (pid == 0) {
    close(report[0]);
    child(path, report[1]);
  }
  close(report[1]);
  int status = 0;
  pid_t got = -1;
  if (pid > 0) {
    do got = waitpid(pid, &status, 0);
    while (got < 0 && errno == EINTR);
  }
  int opened = NC_NOERR;
  const bool told = got == pid && read(report[0], &opened, sizeof opened) == sizeof opened;
  close(report[0]);
  if (got != pid) return NcProbe::NotChecked;
  if (WIFEXITED(status) && WEXITSTATUS(status) == kChildSound) return NcProbe::Sound;
  if (WIFEXITED(status) && WEXITSTATUS(status) == kChildLibraryError) {
    if (told) openError = opened;
    return NcProbe::LibraryError;
  }
  if (WIFSIGNALED(status) && WTERMSIG(status) == SIGALRM) return NcProbe::TimedOut;
  return NcProbe::Stopped;
}

unsigned& probeSeconds() {
  static unsigned seconds = 60;
  return seconds;
}

// Small files read again and again in one run (by each reader of a tool that opens the same
// file, by the tests) are probed once; a large file's reading dwarfs the probe.
constexpr size_t kRememberedBytes = size_t{1} << 20;
constexpr size_t kRemembered = 4;

struct Remembered {
  std::string content;
  NcProbe probe;
  int openError;
};

std::deque<Remembered>& remembered() {
  static std::deque<Remembered> r;
  return r;
}

}  // namespace

NcProbe probeNetcdf(const std::string& path, int* openError) {
  int opened = NC_NOERR;
  if (!openError) openError = &opened;
  std::error_code ec;
  const auto size = std::filesystem::file_size(path, ec);
  std::string content;
  if (ec || size > kRememberedBytes || !readWholeFile(path, content) || content.size() > kRememberedBytes)
    return forkProbe(path, *openError);
  for (const Remembered& r : remembered())
    if (r.content == content) {
      *openError = r.openError;
      return r.probe;
    }
  const NcProbe probe = forkProbe(path, *openError);
  if (probe != NcProbe::NotChecked) {
    if (remembered().size() == kRemembered) remembered().pop_front();
    remembered().push_back({std::move(content), probe, *openError});
  }
  return probe;
}

void forgetNetcdfProbes() { remembered().clear(); }

unsigned ncProbeSeconds() { return probeSeconds(); }

void setNcProbeSeconds(unsigned seconds) { probeSeconds() = seconds ? seconds : 1; }

}  // namespace vm
