// Writes the sample flight as a log file: velzar-loggen <file.log>, or as a
// stream log: velzar-loggen --stream <file.log>
#include "tools/loggen/SampleFlight.h"
#include "tools/loggen/SampleStreamFlight.h"

#include <cstdio>
#include <exception>
#include <string>

namespace {

void WritePagedLog(const char* fileName) {
    SampleFlight flight = MakeSampleFlight();
    flight.Log.WriteTo(fileName);
    std::printf("%s: %zu pages, %zu records, %.2f s, apogee %.1f m\n", fileName, flight.Log.PageCount(),
                flight.Samples.size(), flight.Samples.back().TicksAfter / 100.0, flight.ApogeeAltitude / 10.0);
}

void WriteStreamLog(const char* fileName) {
    SampleStreamFlight flight = MakeSampleStreamFlight();
    flight.Log.WriteTo(fileName);
    std::printf("%s: stream log, %d records, %zu GPS fixes, %zu error spans, %zu bytes\n", fileName, flight.Records,
                flight.Fixes.size(), flight.Errors.size(), flight.Log.Bytes().size());
}

}  // namespace

int main(int argc, char** argv) {
    const bool stream = argc == 3 && std::string(argv[1]) == "--stream";
    if (argc != 2 && !stream) {
        std::fprintf(stderr, "usage: %s [--stream] <file.log>\n", argv[0]);
        return 2;
    }
    try {
        if (stream)
            WriteStreamLog(argv[2]);
        else
            WritePagedLog(argv[1]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
