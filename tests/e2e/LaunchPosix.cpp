#include <cstdlib>
#include <fcntl.h>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include "e2e/Launch.h"

namespace e2e {

LaunchResult Launch(const LaunchRequest& request)
{
    LaunchResult result;
    std::vector<std::string> argv{request.programAsWritten.empty() ? request.program.string()
                                                                   : request.programAsWritten};
    argv.insert(argv.end(), request.arguments.begin(), request.arguments.end());
    for (const std::string& argument : argv)
        result.commandLineWritten += (result.commandLineWritten.empty() ? "" : " ") +
                                     (argument.find(' ') != std::string::npos ? "\"" + argument + "\"" : argument);

    int errors[2];
    if (pipe(errors) != 0)
        return result;
    const pid_t child = fork();
    if (child == 0) {
        std::vector<char*> pointers;
        for (std::string& argument : argv)
            pointers.push_back(argument.data());
        pointers.push_back(nullptr);
        dup2(errors[1], STDERR_FILENO);
        close(errors[0]);
        if (request.user && (setgroups(0, nullptr) != 0 || setgid(*request.user) != 0 || setuid(*request.user) != 0))
            _exit(125);
        if (!request.workingFolder.empty() && chdir(request.workingFolder.c_str()) != 0)
            _exit(126);
        execv(request.program.c_str(), pointers.data());
        _exit(127);
    }
    close(errors[1]);
    if (child < 0) {
        close(errors[0]);
        return result;
    }
    std::string stderrText;
    char buffer[4096];
    for (ssize_t got; (got = read(errors[0], buffer, sizeof buffer)) > 0;)
        stderrText.append(buffer, static_cast<std::size_t>(got));
    close(errors[0]);
    int status = 0;
    waitpid(child, &status, 0);
    result.started = WIFEXITED(status) && WEXITSTATUS(status) != 127 && WEXITSTATUS(status) != 125;
    result.exitCode = WIFEXITED(status) ? static_cast<std::uint32_t>(WEXITSTATUS(status)) : 0xFFFFu;
    if (!stderrText.empty()) {
        result.box.shown = true;
        if (stderrText.back() == '\n')
            stderrText.pop_back();
        result.box.text = Utf16FromUtf8(stderrText);
    }
    return result;
}

} // namespace e2e
