/* Test helper for the regsvr32 test: reads and prepares registry entries in the
 * registry view of this program's own bitness (the view the DLL of the same
 * bitness registers in), all in one process.
 *
 *   RegistryProbe show QUERY...   prints one line per query:
 *       ROOT\KEY            -> "ROOT\KEY present" or "ROOT\KEY absent"
 *       ROOT\KEY::NAME      -> "ROOT\KEY::NAME = DATA" or "ROOT\KEY::NAME absent"
 *                              (an empty NAME is the unnamed value; strings only)
 *   RegistryProbe volatile HKCR_SUBKEY
 *       replaces HKEY_CLASSES_ROOT\HKCR_SUBKEY with an empty volatile key, below
 *       which no persistent key can be created.
 * ROOT is HKLM or HKCR. Exit code 0 on success, 1 on failure, 2 on bad usage. */
#include <windows.h>
#include <stdio.h>
#include <string.h>

static HKEY ParseRoot(const char* query, const char** rest) {
    if (strncmp(query, "HKLM\\", 5) == 0) {
        *rest = query + 5;
        return HKEY_LOCAL_MACHINE;
    }
    if (strncmp(query, "HKCR\\", 5) == 0) {
        *rest = query + 5;
        return HKEY_CLASSES_ROOT;
    }
    return NULL;
}

static int Show(const char* query) {
    char key[1024];
    const char* path;
    HKEY root = ParseRoot(query, &path);
    if (root == NULL || strlen(path) >= sizeof key) {
        fprintf(stderr, "RegistryProbe: bad query %s\n", query);
        return 2;
    }
    strcpy(key, path);
    char* separator = strstr(key, "::");
    const char* name = NULL;
    if (separator != NULL) {
        *separator = '\0';
        name = separator + 2;
    }
    HKEY opened;
    if (RegOpenKeyExA(root, key, 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) {
        printf("%s absent\n", query);
        return 0;
    }
    if (name == NULL) {
        printf("%s present\n", query);
    } else {
        char data[2048];
        DWORD type = 0;
        DWORD size = sizeof data - 1;
        LONG status = RegQueryValueExA(opened, *name ? name : NULL, NULL, &type, (BYTE*)data, &size);
        if (status == ERROR_SUCCESS && type == REG_SZ) {
            data[size] = '\0';
            printf("%s = %s\n", query, data);
        } else {
            printf("%s absent\n", query);
        }
    }
    RegCloseKey(opened);
    return 0;
}

static int MakeVolatile(const char* subkey) {
    LONG status = RegDeleteTreeA(HKEY_CLASSES_ROOT, subkey);
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) {
        fprintf(stderr, "RegistryProbe: cannot delete %s (%ld)\n", subkey, status);
        return 1;
    }
    HKEY key;
    status = RegCreateKeyExA(HKEY_CLASSES_ROOT, subkey, 0, NULL, REG_OPTION_VOLATILE, KEY_ALL_ACCESS, NULL, &key, NULL);
    if (status != ERROR_SUCCESS) {
        fprintf(stderr, "RegistryProbe: cannot create %s (%ld)\n", subkey, status);
        return 1;
    }
    RegCloseKey(key);
    return 0;
}

int main(int argc, char** argv) {
    if (argc == 3 && strcmp(argv[1], "volatile") == 0) {
        return MakeVolatile(argv[2]);
    }
    if (argc >= 3 && strcmp(argv[1], "show") == 0) {
        for (int i = 2; i < argc; ++i) {
            int result = Show(argv[i]);
            if (result != 0) {
                return result;
            }
        }
        return 0;
    }
    fputs("usage: RegistryProbe show QUERY... | RegistryProbe volatile HKCR_SUBKEY\n", stderr);
    return 2;
}
