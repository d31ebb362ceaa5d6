// Prints the hand-written report of district N in UTF-8, for the shell tests of the Windows
// executable to compare with what its window shows.
#include "../DistrictReports.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    const int district = argc == 2 ? std::atoi(argv[1]) : -1;
    if (district < 0 || district >= DistrictReports.size()) {
        std::fputs("usage: PrintDistrictReport 0|1|2|3\n", stderr);
        return 2;
    }
    const QByteArray report = DistrictReports.at(district).toUtf8();
    std::fwrite(report.constData(), 1, size_t(report.size()), stdout);
    return 0;
}
