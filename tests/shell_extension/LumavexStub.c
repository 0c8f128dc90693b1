/* Stands in for the burning application "Lumavex.exe" in the tests: records the
 * command line it was started with and the bytes of the list file it names
 * into the file named by OMBRIX_STUB_RECORD. The record appears at once (written
 * beside it, then renamed), so a test can wait for it. The list file is left
 * where it is. */
#include <windows.h>
#include <stdio.h>
#include <string.h>

static const char* ListFileOf(const char* argument) {
    static const char* const switches[] = {"-data:", "-audio:"};
    for (size_t i = 0; i < sizeof switches / sizeof switches[0]; ++i) {
        size_t length = strlen(switches[i]);
        if (strncmp(argument, switches[i], length) == 0) {
            return argument + length;
        }
    }
    return NULL;
}

int main(int argc, char** argv) {
    char record[MAX_PATH + 8];
    char partial[MAX_PATH + 16];
    DWORD length = GetEnvironmentVariableA("OMBRIX_STUB_RECORD", record, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return 2;
    }
    snprintf(partial, sizeof partial, "%s.part", record);
    FILE* out = fopen(partial, "wb");
    if (out == NULL) {
        return 3;
    }
    fprintf(out, "cmdline=%s\nargc=%d\n", GetCommandLineA(), argc);
    for (int i = 1; i < argc; ++i) {
        fprintf(out, "arg=%s\n", argv[i]);
    }
    fputs("list=", out);
    const char* listFile = argc == 2 ? ListFileOf(argv[1]) : NULL;
    FILE* list = listFile != NULL ? fopen(listFile, "rb") : NULL;
    if (list != NULL) {
        char buffer[4096];
        size_t got;
        while ((got = fread(buffer, 1, sizeof buffer, list)) > 0) {
            fwrite(buffer, 1, got, out);
        }
        fclose(list);
    }
    fclose(out);
    return MoveFileA(partial, record) ? 0 : 4;
}
