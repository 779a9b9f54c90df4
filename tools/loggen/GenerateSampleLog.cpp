// Writes the sample flight as a log file: velzar-loggen <file.log>
#include "tools/loggen/SampleFlight.h"

#include <cstdio>
#include <exception>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <file.log>\n", argv[0]);
        return 2;
    }
    try {
        SampleFlight flight = MakeSampleFlight();
        flight.Log.WriteTo(argv[1]);
        std::printf("%s: %zu pages, %zu records, %.2f s, apogee %.1f m\n", argv[1], flight.Log.PageCount(),
                    flight.Samples.size(), flight.Samples.back().TicksAfter / 100.0, flight.ApogeeAltitude / 10.0);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
