// extractor-cli: restores backups from the command line.
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

#include "ExtractCommand.h"
#include "platform/Console.h"

namespace {

int Usage() {
    std::fputs("usage: extractor-cli extract [--to DIR] ARCHIVE\n", stderr);
    return 2;
}

int RunExtract(int argc, char** argv) {
    cli::ExtractRequest request;
    int i = 2;
    for (; i < argc; ++i) {
        if (std::strcmp(argv[i], "--to") == 0 && i + 1 < argc) {
            request.destination = argv[++i];
        } else if (std::strncmp(argv[i], "--to=", 5) == 0) {
            request.destination = argv[i] + 5;
        } else if (std::strcmp(argv[i], "--") == 0) {
            ++i;
            break;
        } else if (argv[i][0] == '-' && argv[i][1] != '\0') {
            return Usage();
        } else {
            break;
        }
    }
    if (i != argc - 1) return Usage();
    request.archive = argv[i];
    request.showProgress = platform::StandardErrorIsTerminal();
    platform::CatchInterrupts();
    request.interrupted = platform::InterruptRequested;
    return cli::ExtractArchive(request, std::cout, std::cerr);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], "extract") == 0) return RunExtract(argc, argv);
    if (argc < 2) return Usage();
    std::fputs("extractor-cli: unknown command\n", stderr);
    return 2;
}
