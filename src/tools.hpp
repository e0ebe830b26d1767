// Every tool of the toolkit, by the name the menu knows it under. Each takes the console
// it talks through and what the menu passes to it.
#pragma once
#include <array>
#include <string>

#include "core/console.hpp"

namespace vm {

// Simulation start date of the station tools: year, month, day, hour, minute.
using StartDate = std::array<int, 5>;

// Observation files.
void talvolist(Console& con, const std::string& os);
void wl2hwm(Console& con, const std::string& os);
void talvo61(Console& con, const std::string& os, int cntrl, StartDate& start, std::string& filestationu,
             std::string& fort61u, int& dtype, std::string& dfolder);
void talvofilter(Console& con, const std::string& os);
void talvorename(Console& con, const std::string& os);
void talvomerge(Console& con, const std::string& os);
void talvoadjust(Console& con, const std::string& os);
void talvoclean(Console& con, const std::string& os);
void talvocntrl(Console& con, const std::string& os);

// Model output.
void tsextract(Console& con, const std::string& os, int cntrl, std::string& filestationu, std::string& fort14u,
               std::string& fort63u, std::string& runid, std::string& dfolder);
void wetdry(Console& con, const std::string& os);
void findminmax(Console& con, const std::string& os);
void meow(Console& con, const std::string& os);
void generatemax(Console& con, const std::string& os);
void projector(Console& con, const std::string& os);
void generatediff(Console& con, const std::string& os);
void listnodes(Console& con, const std::string& os);
void relocator(Console& con, const std::string& os);
void addwave13(Console& con);

// Field-data converters.
void crms2talvo(Console& con);
void noaa2talvo(Console& con);
void tcoon2talvo(Console& con);
void vante2talvo(Console& con);
void usgsdepl2talvo(Console& con);
void usgsperm2talvo(Console& con);
void vantervt(Console& con);
void slosh2talvo(Console& con);
void csi2talvo(Console& con);
void ndbc2talvo(Console& con);
// Today's download layouts.
void coops2talvo(Console& con);
void nwis2talvo(Console& con);
void stdmet2talvo(Console& con);

// Boundary forcing.
void exportoob(Console& con, const std::string& os);
void osuextract(Console& con);
void fes2004extract(Console& con);
void tb3307extract(Console& con);
void decompose53(Console& con);
void riverextract(Console& con);

// Model-versus-observation comparison.
void talvocompare(Console& con, const std::string& os);

}  // namespace vm
