#include "tools/sample-site/catalogue.h"
#include "tools/sample-site/server.h"

#include <csignal>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <string>

// kinovra-sample-site [--port N]: serves the sample catalogue on 127.0.0.1 until it is
// interrupted or terminated. Prints the port it listens on, alone on one line, once it listens.
int main(int argc, char** argv)
{
    int port = kinovra::sample_site::kDefaultPort;
    for (int i = 1; i < argc; ++i) {
        std::size_t used = 0;
        if (std::strcmp(argv[i], "--port") == 0 && i + 1 < argc) {
            try {
                port = std::stoi(argv[++i], &used);
            } catch (const std::exception&) {
                used = 0;
            }
        }
        if (used == 0 || argv[i][used] != '\0' || port < 0 || port > 65535) {
            std::fprintf(stderr,
                "usage: %s [--port N]   (N from 0 to 65535, 0 for any free port)\n", argv[0]);
            return 2;
        }
    }

    // Taken by sigwait below; blocked before the server starts so its threads inherit the mask.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    kinovra::sample_site::Server server(port);
    if (server.Port() == 0) {
        std::fprintf(stderr, "%s: cannot listen on 127.0.0.1:%d\n", argv[0], port);
        return 1;
    }
    std::printf("%d\n", server.Port());
    std::fflush(stdout);

    int signal = 0;
    sigwait(&stopSignals, &signal);
    server.Stop();
    return 0;
}
