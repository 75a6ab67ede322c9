#pragma once

// A program started by a test, with its standard output readable line by line.

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace quor::test {

class ChildProcess {
public:
    // Starts program with args; extraEnvironment entries ("NAME=value") are added to ours.
    ChildProcess(const std::string& program, const std::vector<std::string>& args,
                 const std::vector<std::string>& extraEnvironment = {});
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Started() const { return m_pid > 0; }
    // The next line of output, or none when the deadline passes or the output ends.
    std::optional<std::string> ReadLine(std::chrono::milliseconds deadline = std::chrono::seconds(10));
    // Everything the program writes until it ends.
    std::string ReadAll();
    void Signal(int signal);
    // Exit status (or 128 + signal); waits for the end.
    int Wait();

private:
    int m_pid = -1;
    int m_output = -1;
    std::string m_buffer;
    std::optional<int> m_status;
};

// Runs a program to its end; its exit status and output.
int RunProgram(const std::string& program, const std::vector<std::string>& args, std::string* output = nullptr);

} // namespace quor::test
