/* Test helper: replaces HKEY_CLASSES_ROOT\<subkey> with an empty volatile key,
 * in the registry view of this program's bitness. Persistent keys cannot be
 * created below a volatile one, so a registration that needs one then fails.
 * Usage: VolatileKey.exe SUBKEY   (exit code 0 on success) */
#include <windows.h>
#include <stdio.h>

int main(int argc, char** argv) {
    if (argc != 2) {
        fputs("usage: VolatileKey SUBKEY\n", stderr);
        return 2;
    }
    LONG status = RegDeleteTreeA(HKEY_CLASSES_ROOT, argv[1]);
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) {
        fprintf(stderr, "VolatileKey: cannot delete %s (%ld)\n", argv[1], status);
        return 1;
    }
    HKEY key;
    status = RegCreateKeyExA(HKEY_CLASSES_ROOT, argv[1], 0, NULL, REG_OPTION_VOLATILE, KEY_ALL_ACCESS, NULL, &key, NULL);
    if (status != ERROR_SUCCESS) {
        fprintf(stderr, "VolatileKey: cannot create %s (%ld)\n", argv[1], status);
        return 1;
    }
    RegCloseKey(key);
    return 0;
}
