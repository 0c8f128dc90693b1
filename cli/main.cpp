// extractor-cli: restores backups from the command line.
#include <cstdio>

int main(int argc, char** argv) {
    (void)argv;
    if (argc < 2) {
        std::fputs("usage: extractor-cli COMMAND ...\n", stderr);
        return 2;
    }
    std::fputs("extractor-cli: unknown command\n", stderr);
    return 2;
}
