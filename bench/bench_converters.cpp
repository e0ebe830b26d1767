// Throughput of the field-data converters on large generated raw files.
// Usage: bench_converters [megabytes=200]
#include "bench_util.hpp"
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>

#include "comparison/comparison.hpp"
#include "core/console.hpp"
#include "core/files.hpp"
#include "scratch.hpp"
#include "tools.hpp"

namespace {

// Steps a date by six minutes.
struct Clock {
  int year = 2008, month = 1, day = 1, hour = 0, minute = 0;
  void tick() {
    if ((minute += 6) < 60) return;
    minute = 0;
    if (++hour < 24) return;
    hour = 0;
    if (++day < 29) return;
    day = 1;
    month = month % 12 + 1;
  }
};

std::string two(int v) {
  char b[16];
  std::snprintf(b, sizeof b, "%02d", v);
  return b;
}

// Writes lines made by `line(k)` until the file holds `megabytes`.
template <class Line>
void generate(const std::string& name, const std::string& head, double megabytes, Line line) {
  vm::OutFile out(name);
  out.put(head);
  double bytes = 0;
  for (long k = 0; bytes < megabytes * 1e6; ++k) {
    const std::string l = line(k);
    bytes += static_cast<double>(l.size()) + 1;
    out.line(l);
  }
  out.close();
}

void time(const char* what, const std::string& raw, void (*tool)(vm::Console&), const std::string& answers) {
  std::istringstream in(answers);
  std::ostringstream con;
  vm::Console c(in, con);
  const auto t0 = std::chrono::steady_clock::now();
  tool(c);
  const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
  const double bytes = static_cast<double>(std::filesystem::file_size(raw));
  bench::report(what, std::to_string(static_cast<long>(bytes / 1e6)) + " MB raw file", bytes, s);
}

}  // namespace

int main(int argc, char** argv) {
  return bench::guarded([&] {
    const double megabytes = argc > 1 ? std::atof(argv[1]) : 200.0;
    const ScratchFolder scratch;

    {
      Clock t;
      generate("noaa.raw", "h1\nh2\nh3\nh4\nh5\nh6\n" + std::string(40, 'v') + "\n", megabytes, [&](long k) {
        t.tick();
        char b[64];
        std::snprintf(b, sizeof b, "8761724 %04d%02d%02d %02d:%02d %6.3f %7.3f", t.year, t.month, t.day, t.hour,
                      t.minute, 0.001 * static_cast<double>(k % 3000), 0.001 * static_cast<double>(k % 4000) - 1.5);
        return std::string(b);
      });
      vm::OutFile list("noaa.list");
      list.put("1\ncaption\n8761724 noaa.raw LA 29.263 -89.957 0.5\n");
    }
    time("noaa2talvo", "noaa.raw", vm::noaa2talvo, "noaa.list\n");
    scratch.clear();

    {
      Clock t;
      generate("crms.csv", "caption\n", megabytes, [&](long k) {
        t.tick();
        std::string s = "CRMS" + std::to_string(100 + k / 100000) + "-H01," + two(t.month) + "/" + two(t.day) +
                        "/2008," + two(t.hour) + ":" + two(t.minute) + ":00";
        for (int f = 4; f <= 15; ++f) s += ",1.5";
        return s + "," + std::to_string(0.001 * static_cast<double>(k % 4000)) + ",x";
      });
      vm::OutFile stations("crms.stations");
      stations.put("200\ncaption\n");
      for (int id = 100; id < 300; ++id) stations.line("CRMS" + std::to_string(id) + "-H01 -90.5 29.5 0.1 -9999");
    }
    time("crms2talvo", "crms.csv", vm::crms2talvo, "2008 1 1 0 0 0\n2008 12 31 23 59 59\ncrms.csv\ncrms.stations\n");
    scratch.clear();

    {
      Clock t;
      generate("ndbc.raw", "", megabytes, [&](long k) {
        t.tick();
        std::string s = "42001 " + std::to_string(t.year) + " " + two(t.month) + " " + two(t.day) + " " + two(t.hour) +
                        " " + two(t.minute);
        for (int f = 0; f < 14; ++f) s += " 9.9";
        return s + " 1.25 0.0 8.5 5.5 " + std::to_string(k % 360);
      });
      vm::OutFile list("ndbc.list");
      list.put("1\nB1 -88.5 29.5 ndbc.raw\n");
    }
    time("ndbc2talvo", "ndbc.raw", vm::ndbc2talvo, "ndbc.list\n");
    scratch.clear();

    {
      Clock t;
      generate("vante.raw", "", megabytes, [&](long k) {
        t.tick();
        return std::to_string(t.month) + "/" + std::to_string(t.day) + "/2005 " + std::to_string(t.hour) + ":" +
               two(t.minute) + " " + std::to_string(0.01 * static_cast<double>(k % 500));
      });
      vm::OutFile list("vante.list");
      list.put("1\ncaption\nV1 29.5 -90.25 vante.raw NAVD88 0.5\n");
    }
    time("vante2talvo", "vante.raw", vm::vante2talvo, "vante.list\n");
    scratch.clear();

    // Today's downloads. CO-OPS: one 6-minute water-level series with sigma and flags.
    {
      Clock t;
      generate("coops.csv", "Date Time, Water Level, Sigma, O, F, R, L, Quality \n", megabytes, [&](long k) {
        t.tick();
        char b[96];
        std::snprintf(b, sizeof b, "%04d-%02d-%02d %02d:%02d,%.3f,0.036,1,0,0,0,p", t.year, t.month, t.day, t.hour,
                      t.minute, 0.001 * static_cast<double>(k % 4000) - 1.5);
        return std::string(b);
      });
      vm::OutFile list("coops.list");
      list.put("1\ncaption\n8761724 coops.csv 29.263 -89.957\n");
    }
    time("coops2talvo", "coops.csv", vm::coops2talvo, "coops.list\nGMT\nmetric\nMLLW\n");
    scratch.clear();

    // NWIS: one site's gage height in RDB, local times across daylight saving.
    {
      Clock t;
      generate("nwis.rdb",
               "# comment\nagency_cd\tsite_no\tdatetime\ttz_cd\t150155_00065\t150155_00065_cd\n"
               "5s\t15s\t20d\t6s\t14n\t10s\n",
               megabytes, [&](long k) {
                 t.tick();
                 char b[96];
                 std::snprintf(b, sizeof b, "USGS\t08074000\t%04d-%02d-%02d %02d:%02d\t%s\t%.2f\tP", t.year, t.month,
                               t.day, t.hour, t.minute, t.month > 3 && t.month < 11 ? "CDT" : "CST",
                               0.01 * static_cast<double>(k % 2000));
                 return std::string(b);
               });
      vm::OutFile list("nwis.list");
      list.put("1\ncaption\n08074000 nwis.rdb 29.5 -95.0 00065 1.5\n");
    }
    time("nwis2talvo", "nwis.rdb", vm::nwis2talvo, "nwis.list\nNAVD88\n");
    scratch.clear();

    // NDBC real-time layout, newest record first, every quantity valid on every row (the
    // most the converter holds: all five series of the file).
    {
      const long rows = static_cast<long>(megabytes * 1e6 / 96.0);
      vm::Seconds at = vm::toSeconds({2008, 1, 1, 0, 0, 0}) + rows * 600;
      generate("stdmet.txt",
               "#YY  MM DD hh mm WDIR WSPD GST  WVHT   DPD   APD MWD   PRES  ATMP  WTMP  DEWP  VIS PTDY  TIDE\n"
               "#yr  mo dy hr mn degT m/s  m/s     m   sec   sec degT   hPa  degC  degC  degC  nmi  hPa    ft\n",
               megabytes, [&](long k) {
                 const vm::CalendarTime d = vm::fromSeconds(at -= 600);
                 char b[160];
                 std::snprintf(b, sizeof b,
                               "%04d %02d %02d %02d %02d 120  2.0   MM %5.2f %5.2f %5.2f %3ld 1007.8  10.7  11.1    MM   "
                               "MM -0.8 %5.2f",
                               d.year, d.month, d.day, d.hour, d.minute, 0.01 * static_cast<double>(k % 900),
                               4.0 + 0.01 * static_cast<double>(k % 1200), 3.0 + 0.01 * static_cast<double>(k % 500),
                               k % 360, 0.01 * static_cast<double>(k % 700) - 2.0);
                 return std::string(b);
               });
      vm::OutFile list("stdmet.list");
      list.put("1\ncaption\n46097 stdmet.txt 44.639 -124.304\n");
    }
    time("stdmet2talvo", "stdmet.txt", vm::stdmet2talvo, "stdmet.list\n");
    scratch.clear();

  });
}
