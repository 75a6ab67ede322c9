#include "ChildProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

extern char** environ;

namespace quor::test {

ChildProcess::ChildProcess(const std::string& program, const std::vector<std::string>& args,
                           const std::vector<std::string>& extraEnvironment)
{
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0)
        return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    std::vector<std::string> arguments{program};
    arguments.insert(arguments.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    std::vector<std::string> environment(extraEnvironment);
    for (char** entry = environ; *entry; ++entry)
        environment.emplace_back(*entry);
    std::vector<char*> envp;
    for (auto& entry : environment)
        envp.push_back(entry.data());
    envp.push_back(nullptr);
    pid_t pid = -1;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data()) == 0)
        m_pid = pid;
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    m_output = pipeEnds[0];
}

ChildProcess::~ChildProcess()
{
    if (m_pid > 0 && !m_status) {
        kill(m_pid, SIGKILL);
        Wait();
    }
    if (m_output >= 0)
        close(m_output);
}

std::optional<std::string> ChildProcess::ReadLine(std::chrono::milliseconds deadline)
{
    const auto end = std::chrono::steady_clock::now() + deadline;
    for (;;) {
        if (const auto newline = m_buffer.find('\n'); newline != std::string::npos) {
            std::string line = m_buffer.substr(0, newline);
            m_buffer.erase(0, newline + 1);
            return line;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return std::nullopt;
        pollfd descriptor{m_output, POLLIN, 0};
        const int ready = poll(&descriptor, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return std::nullopt;
        char chunk[4096];
        const ssize_t got = read(m_output, chunk, sizeof chunk);
        if (got <= 0)
            return std::nullopt;
        m_buffer.append(chunk, static_cast<size_t>(got));
    }
}

std::string ChildProcess::ReadAll()
{
    char chunk[4096];
    ssize_t got = 0;
    while ((got = read(m_output, chunk, sizeof chunk)) > 0 || (got < 0 && errno == EINTR)) {
        if (got > 0)
            m_buffer.append(chunk, static_cast<size_t>(got));
    }
    return std::exchange(m_buffer, {});
}

void ChildProcess::Signal(int signal)
{
    if (m_pid > 0 && !m_status)
        kill(m_pid, signal);
}

int ChildProcess::Wait()
{
    if (m_status)
        return *m_status;
    if (m_pid <= 0)
        return -1;
    int status = 0;
    while (waitpid(m_pid, &status, 0) < 0 && errno == EINTR) {
    }
    m_status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return *m_status;
}

int RunProgram(const std::string& program, const std::vector<std::string>& args, std::string* output)
{
    ChildProcess child(program, args);
    std::string text = child.ReadAll();
    if (output)
        *output = std::move(text);
    return child.Wait();
}

} // namespace quor::test
