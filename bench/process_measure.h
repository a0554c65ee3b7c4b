// Runs a program to its end and measures it as a whole process.
#pragma once

#include <string>
#include <vector>

namespace kinmora::bench {

struct ProcessRun {
    double seconds = 0;       // wall-clock time
    double cpuSeconds = 0;    // user and system time, its own children included
    long peakResidentKb = 0;  // the largest resident set the process reached
    int status = -1;          // exit status, -1 when it did not exit normally
};

// Runs `command` (program and arguments, looked up on PATH) with its standard
// output and error sent to /dev/null.
ProcessRun runProcess(const std::vector<std::string>& command);

// The median of `values` (which must not be empty).
double median(std::vector<double> values);

}  // namespace kinmora::bench
