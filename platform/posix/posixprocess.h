#pragma once
#include <string>
#include <vector>

// Runs a program of the system (losetup, ntfsls) without a shell and collects its standard output.
class PosixProcess {
public:
    // Exit code of `argv` (program first, looked up in PATH), -1 when it could not start or was
    // ended by a signal. Standard error goes nowhere; `out` gets standard output.
    static int run(const std::vector<std::string>& argv, std::string& out);
};
